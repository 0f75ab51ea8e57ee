#pragma once

#include <QString>

#include <memory>

class CustomerStore;
class Dialogs;

// The customer database the program starts with: the PostgreSQL server the
// command line or the settings name, or else the local file. A server that
// cannot be reached is named with the reason, and the operator chooses to
// try again or to work with the local file; nothing is created meanwhile.
// Nothing comes back when the operator gives up.
std::unique_ptr<CustomerStore> chooseDatabase(const QString& serverUri, const QString& localFile, Dialogs& dialogs);
