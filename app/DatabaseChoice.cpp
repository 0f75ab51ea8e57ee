#include "DatabaseChoice.h"

#include "Dialogs.h"
#include "PgCustomerStore.h"
#include "SqliteCustomerStore.h"

std::unique_ptr<CustomerStore> chooseDatabase(const QString& serverUri, const QString& localFile, Dialogs& dialogs)
{
    if (serverUri.isEmpty())
        return std::make_unique<SqliteCustomerStore>(localFile);
    enum Choice { Retry, UseLocalFile };
    for (;;) {
        auto server = std::make_unique<PgCustomerStore>(serverUri);
        const Result opened = server->open();
        if (opened.ok())
            return server;
        const std::optional<int> choice = dialogs.askChoice(
            opened.message() + QStringLiteral("\n\nTry the server again, or work with the customers in the local "
                                              "file on this computer?"),
            QStringLiteral("Database Server"), {QStringLiteral("Retry"), QStringLiteral("Use the local file")});
        if (!choice)
            return nullptr;
        if (*choice == UseLocalFile)
            return std::make_unique<SqliteCustomerStore>(localFile);
    }
}
