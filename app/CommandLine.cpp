#include "CommandLine.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const QString programName = QStringLiteral("tallyvane");

QString mistake(const QString& message)
{
    return programName + QStringLiteral(": ") + message + QStringLiteral("\nTry '") + programName
           + QStringLiteral(" --help'.\n");
}

} // namespace

CommandLine::CommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tallyvane keeps a small business's customers and what each bought."));
    // Not addHelpOption(): its --help-all lists Qt's own options, which are
    // not accepted here since no QApplication has read them yet.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the version and exits."));
    const QCommandLineOption database(
        QStringLiteral("database"),
        QStringLiteral("Works with the customers on the PostgreSQL server <uri> (such as "
                       "postgresql://counter@shop-server/tallyvane) instead of the one the settings name."),
        QStringLiteral("uri"));
    parser.addOptions({help, version, database});

    if (!parser.parse(arguments)) {
        m_answer = mistake(parser.errorText());
        m_exitCode = 1;
    } else if (!parser.positionalArguments().isEmpty()) {
        m_answer = mistake(QStringLiteral("Unexpected argument '%1'.")
                               .arg(parser.positionalArguments().constFirst()));
        m_exitCode = 1;
    } else if (parser.isSet(help)) {
        // Without a QCoreApplication the parser does not know the program's name.
        m_answer = parser.helpText().replace(QStringLiteral("<executable_name>"), programName);
    } else if (parser.isSet(version)) {
        m_answer = programName + QStringLiteral(" " TALLYVANE_VERSION "\n");
    } else {
        m_database = parser.value(database);
    }
}

QStringList CommandLine::fromArgv(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int CommandLine::printAnswer() const
{
    std::fputs(m_answer.toLocal8Bit().constData(), m_exitCode == 0 ? stdout : stderr);
    return m_exitCode;
}
