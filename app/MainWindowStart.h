#pragma once

class Dialogs;
class FrmMain;
class QString;

// Loads the main window on its database. When the file cannot be opened
// as a customer database, the operator is told which file and why, and
// that it was left as it was; the program then ends. A Jet file there
// is offered for conversion first.
bool loadMainWindow(FrmMain& window, Dialogs& dialogs, const QString& databaseFile);
