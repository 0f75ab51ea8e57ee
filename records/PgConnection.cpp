#include "PgConnection.h"

#include <libpq-fe.h>

#include <functional>

void PgResultFree::operator()(pg_result* result) const
{
    PQclear(result);
}

namespace {

const char kNull[] = "";

// libpq takes each text parameter up to a terminating zero, so each is
// copied with one; a text that holds a zero itself cannot be sent whole.
struct Values
{
    explicit Values(const PgConnection::Parameters& parameters);

    std::vector<QByteArray> texts;
    std::vector<const char*> data;
    bool whole = true;
};

Values::Values(const PgConnection::Parameters& parameters)
{
    texts.reserve(parameters.size());
    for (const QByteArrayView parameter : parameters) {
        if (parameter.data() == kNull) {
            texts.emplace_back();
            data.push_back(nullptr);
            continue;
        }
        whole = whole && !parameter.contains('\0');
        texts.emplace_back(parameter.data(), parameter.size());
        data.push_back(texts.back().constData());
    }
}

} // namespace

QByteArrayView PgConnection::null()
{
    return QByteArrayView(kNull, 0);
}

PgConnection::~PgConnection()
{
    close();
}

Result PgConnection::open(const QString& uri)
{
    close();
    const QByteArray dbname = uri.toUtf8();
    const char* const keywords[] = {"dbname", "connect_timeout", "application_name", nullptr};
    const char* const values[] = {dbname.constData(), "5", "Tallyvane", nullptr};
    m_conn = PQconnectdbParams(keywords, values, 1);
    // The server's notices ("already exists, skipping") are for a console
    // the program does not have.
    PQsetNoticeProcessor(m_conn, [](void*, const char*) {}, nullptr);
    if (PQstatus(m_conn) == CONNECTION_OK)
        return run("SET client_encoding = 'UTF8'", {}, QStringLiteral("could not be set up"));
    const Result failed = failure(QStringLiteral("could not be reached"));
    close();
    return failed;
}

void PgConnection::close()
{
    PQfinish(m_conn);
    m_conn = nullptr;
}

QString PgConnection::serverName() const
{
    if (!m_conn)
        return QStringLiteral("the database server");
    const QString host = QString::fromUtf8(PQhost(m_conn));
    const QString database = QString::fromUtf8(PQdb(m_conn));
    return host.startsWith(QLatin1Char('/')) ? QStringLiteral("%1 on this computer").arg(database)
                                             : QStringLiteral("%1 on %2").arg(database, host);
}

QString PgConnection::serverVersion() const
{
    const char* version = m_conn ? PQparameterStatus(m_conn, "server_version") : nullptr;
    return version ? QStringLiteral("PostgreSQL %1").arg(QString::fromUtf8(version)) : QString();
}

Result PgConnection::run(const QByteArray& sql, const Parameters& parameters, const QString& what, PgResult* result)
{
    if (!m_conn)
        return failure(what);
    const Values values(parameters);
    if (!values.whole)
        return zeroCharacter(what);
    return checked(PQexecParams(m_conn, sql.constData(), int(parameters.size()), nullptr, values.data.data(),
                                nullptr, nullptr, 0),
                   what, result);
}

Result PgConnection::value(const QByteArray& sql, const Parameters& parameters, const QString& what,
                           QByteArray* value)
{
    PgResult result;
    Result done = run(sql, parameters, what, &result);
    if (done.ok() && (PQntuples(result.get()) < 1 || PQnfields(result.get()) < 1))
        done = Result::failure(QStringLiteral("The customer database %1 %2: it gave no answer.").arg(serverName(), what));
    if (done.ok())
        *value = QByteArray(PQgetvalue(result.get(), 0, 0), PQgetlength(result.get(), 0, 0));
    return done;
}

Result PgConnection::runScript(const QByteArray& sql, const QString& what)
{
    if (!m_conn)
        return failure(what);
    return checked(PQexec(m_conn, sql.constData()), what, nullptr);
}

Result PgConnection::prepare(const QByteArray& name, const QByteArray& sql, const QString& what)
{
    if (!m_conn)
        return failure(what);
    return checked(PQprepare(m_conn, name.constData(), sql.constData(), 0, nullptr), what, nullptr);
}

Result PgConnection::runPrepared(const QByteArray& name, const Parameters& parameters, const QString& what,
                                 PgResult* result)
{
    if (!m_conn)
        return failure(what);
    const Values values(parameters);
    if (!values.whole)
        return zeroCharacter(what);
    return checked(PQexecPrepared(m_conn, name.constData(), int(parameters.size()), values.data.data(), nullptr,
                                  nullptr, 0),
                   what, result);
}

Result PgConnection::streamPrepared(const QByteArray& name, const Parameters& parameters, const QString& what,
                                    const RowVisitor& row)
{
    if (!m_conn)
        return failure(what);
    const Values values(parameters);
    if (!values.whole)
        return zeroCharacter(what);
    if (!PQsendQueryPrepared(m_conn, name.constData(), int(parameters.size()), values.data.data(), nullptr,
                             nullptr, 0)
        || !PQsetSingleRowMode(m_conn))
        return failure(what);
    Result outcome = Result::success();
    bool reading = true;
    // Every result is taken, even after a stop, so the connection is free again.
    while (PgResult next{PQgetResult(m_conn)}) {
        const ExecStatusType status = PQresultStatus(next.get());
        if (status == PGRES_SINGLE_TUPLE && reading)
            reading = row(next.get());
        else if (status != PGRES_SINGLE_TUPLE && status != PGRES_TUPLES_OK && outcome.ok())
            outcome = failure(what);
    }
    return outcome;
}

QList<QByteArray> PgConnection::takeNotifications()
{
    QList<QByteArray> payloads;
    if (!m_conn || !PQconsumeInput(m_conn))
        return payloads;
    while (PGnotify* notified = PQnotifies(m_conn)) {
        if (notified->be_pid != PQbackendPID(m_conn))
            payloads << QByteArray(notified->extra);
        PQfreemem(notified);
    }
    return payloads;
}

Result PgConnection::checked(pg_result* raw, const QString& what, PgResult* kept)
{
    PgResult result(raw);
    const ExecStatusType status = PQresultStatus(result.get());
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        return failure(what);
    if (kept)
        *kept = std::move(result);
    return Result::success();
}

Result PgConnection::zeroCharacter(const QString& what) const
{
    return Result::failure(QStringLiteral("The customer database %1 %2: a text holds a zero character (U+0000), "
                                          "which a database server cannot keep.")
                               .arg(serverName(), what));
}

Result PgConnection::failure(const QString& what) const
{
    if (!m_conn)
        return Result::failure(QStringLiteral("The customer database on the server is not open."));
    QString reason = QString::fromUtf8(PQerrorMessage(m_conn)).trimmed();
    if (reason.isEmpty())
        reason = QStringLiteral("the server gave no reason");
    return Result::failure(QStringLiteral("The customer database %1 %2: %3").arg(serverName(), what, reason));
}
