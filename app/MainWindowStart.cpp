#include "MainWindowStart.h"

#include "Dialogs.h"
#include "FrmMain.h"
#include "JetConversion.h"

#include <QDir>
#include <QLocale>

namespace {

const QString kTitle = QStringLiteral("Tallyvane");

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The table to convert: "Info", else the one the administrator picks
// among the largest few (a message box holds no more buttons).
std::optional<QString> chooseTable(Dialogs& dialogs, const QString& databaseFile, const QList<JetFile::Table>& tables)
{
    if (const std::optional<QString> own = JetConversion::ownTable(tables))
        return own;
    QList<JetFile::Table> largest = tables;
    std::stable_sort(largest.begin(), largest.end(), [](const auto& a, const auto& b) { return a.rows > b.rows; });
    largest = largest.mid(0, 5);
    QStringList choices;
    for (const JetFile::Table& table : largest)
        choices << QStringLiteral("%1 (%2 rows)").arg(table.name, QLocale().toString(table.rows));
    const std::optional<int> chosen = dialogs.askChoice(
        QStringLiteral("The Jet file\n\n%1\n\nhas no table Info. Which of its tables holds the customers?")
            .arg(native(databaseFile)),
        kTitle, choices);
    return chosen ? std::optional<QString>(largest.at(*chosen).name) : std::nullopt;
}

// Offers to convert a Jet file found where the database belongs; false
// when it stays as it was (declined or failed), which ends the program.
bool convertJetFile(Dialogs& dialogs, const QString& databaseFile)
{
    QList<JetFile::Table> tables;
    Result result = JetFile(databaseFile).tables(&tables);
    std::optional<QString> table;
    if (result.ok()) {
        const MessageAnswer answer = dialogs.showMessage(
            QStringLiteral("The customer database\n\n%1\n\nis a Jet (Microsoft Access) file. Tallyvane can convert "
                           "it: the file is kept unchanged as\n\n%2\n\nand its customers are copied into a new "
                           "Tallyvane database in its place.\n\nConvert it now?")
                .arg(native(databaseFile), native(JetConversion::keptOriginalPath(databaseFile))),
            kTitle, MessageIcon::Question, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes)
            table = chooseTable(dialogs, databaseFile, tables);
        if (!table)
            result = Result::failure(QStringLiteral("The Jet file was not converted."));
    }
    JetConversion::Outcome outcome;
    if (result.ok())
        result = JetConversion::convert(databaseFile, *table, &outcome);
    if (!result.ok()) {
        dialogs.showMessage(QStringLiteral("Tallyvane cannot open its customer database:\n\n%1\n\n%2\n\n"
                                           "The file has not been changed, and Tallyvane stops now.")
                                .arg(native(databaseFile), result.message()),
                            kTitle, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    QString done = QStringLiteral("%1 customers were converted from table %2. The Jet file is kept unchanged as:"
                                  "\n\n%3")
                       .arg(QLocale().toString(outcome.report.imported), *table, native(outcome.keptAs));
    if (!outcome.report.refused.isEmpty())
        done += QStringLiteral("\n\n%1 rows made no customer (the first: line %2, %3)")
                    .arg(outcome.report.refused.size())
                    .arg(outcome.report.refused.first().line)
                    .arg(outcome.report.refused.first().reason);
    dialogs.inform(done, kTitle);
    return true;
}

} // namespace

bool loadMainWindow(FrmMain& window, Dialogs& dialogs, const QString& databaseFile)
{
    if (JetFile::looksLikeJet(databaseFile) && !convertJetFile(dialogs, databaseFile))
        return false;
    const Result loaded = window.load();
    if (loaded.ok())
        return true;
    dialogs.showMessage(QStringLiteral("Tallyvane cannot open its customer database:\n\n%1\n\n%2\n\n"
                                       "The file has not been changed.")
                            .arg(native(databaseFile), loaded.message()),
                        kTitle, MessageIcon::Critical, MessageButtons::Ok);
    return false;
}
