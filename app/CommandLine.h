#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read before any window exists, so that
// --help and --version answer without a display.
class CommandLine
{
public:
    explicit CommandLine(const QStringList& arguments);
    static QStringList fromArgv(int argc, char* argv[]);

    // True when the call is answered by a text alone (help, version or a
    // mistake in the arguments) and the windows are not started.
    bool answered() const { return !m_answer.isEmpty(); }
    const QString& answer() const { return m_answer; }
    // The database server given with --database (a PostgreSQL URI); empty
    // for the one the settings name.
    const QString& database() const { return m_database; }
    int exitCode() const { return m_exitCode; }

    // Writes the answer to standard output, or to standard error for a
    // mistake, and returns the exit code.
    int printAnswer() const;

private:
    QString m_answer;
    QString m_database;
    int m_exitCode = 0;
};
