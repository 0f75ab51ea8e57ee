#pragma once

#include "Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

struct pg_conn;
struct pg_result;

// One result of the server, freed with it.
struct PgResultFree
{
    void operator()(pg_result* result) const;
};
using PgResult = std::unique_ptr<pg_result, PgResultFree>;

// One connection to a PostgreSQL server through libpq. Every statement
// goes with its parameters apart from its text (never spliced in), as
// text, which the server takes for any column type; a text holding a zero
// character is refused rather than cut short. Failures come back as
// messages that name the server and say what went wrong in plain words.
class PgConnection
{
public:
    PgConnection() = default;
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // `uri` as libpq takes it (a URI or key = value pairs); libpq's own
    // environment and service file fill in what it leaves out. Gives up
    // after five seconds without an answer.
    Result open(const QString& uri);
    void close();
    bool isOpen() const { return m_conn != nullptr; }

    // "database on host" for messages, and the server's version text.
    QString serverName() const;
    QString serverVersion() const;

    using Parameters = std::vector<QByteArrayView>;
    // The parameter that is sent as SQL NULL; any other is a text, empty
    // or not.
    static QByteArrayView null();
    // Runs one statement; a failure names `what` could not be done.
    Result run(const QByteArray& sql, const Parameters& parameters, const QString& what, PgResult* result = nullptr);
    // The first column of the first row a statement gives.
    Result value(const QByteArray& sql, const Parameters& parameters, const QString& what, QByteArray* value);
    // Several statements without parameters, in one round trip.
    Result runScript(const QByteArray& sql, const QString& what);
    Result prepare(const QByteArray& name, const QByteArray& sql, const QString& what);
    Result runPrepared(const QByteArray& name, const Parameters& parameters, const QString& what,
                       PgResult* result = nullptr);
    // Streams the rows of a prepared statement one by one, never holding
    // the whole result; false from `row` stops reading.
    using RowVisitor = std::function<bool(pg_result* row)>;
    Result streamPrepared(const QByteArray& name, const Parameters& parameters, const QString& what,
                          const RowVisitor& row);

    // What other connections notified on the channels this one listens
    // to since the last call, oldest first; its own notifications left out.
    QList<QByteArray> takeNotifications();

    Result failure(const QString& what) const;

private:
    Result checked(pg_result* result, const QString& what, PgResult* kept);
    Result zeroCharacter(const QString& what) const;

    pg_conn* m_conn = nullptr;
};
