#pragma once

#include "PgConnection.h"
#include "PgCustomerStore.h"
#include "SqliteCustomerStore.h"
#include "TestDatabase.h"

#include <QUuid>
#include <QtTest>

#include <memory>

// A fresh database of one backend for a test: a new SQLite file, or a new
// schema on the throwaway server that the test command starts (its URI in
// TALLYVANE_TEST_DATABASE_URI), dropped again afterwards.
class StoreBackend
{
public:
    virtual ~StoreBackend() = default;
    using Clock = std::function<QDateTime()>;
    // A store on the database; its history goes by `clock` when given.
    virtual std::unique_ptr<CustomerStore> newStore(const Clock& clock = {}) = 0;
    // Runs SQL on the database as another program would.
    virtual bool execute(const QString& sql) = 0;
    // What the database holds, to tell whether a refused open changed it.
    virtual QByteArray snapshot() = 0;

    static QStringList names() { return {QStringLiteral("file"), QStringLiteral("server")}; }
    // Nothing when the server is not there to test against.
    static std::unique_ptr<StoreBackend> make(const QString& name);
};

class FileBackend : public StoreBackend
{
public:
    std::unique_ptr<CustomerStore> newStore(const Clock& clock) override
    {
        auto store = std::make_unique<SqliteCustomerStore>(m_database.path());
        if (clock)
            store->setClock(clock);
        return store;
    }
    bool execute(const QString& sql) override { return m_database.execute(sql); }
    QByteArray snapshot() override { return m_database.bytes(); }

private:
    TestDatabase m_database;
};

class ServerBackend : public StoreBackend
{
public:
    explicit ServerBackend(const QString& serverUri)
        : m_schema(QStringLiteral("test_") + QUuid::createUuid().toString(QUuid::Id128)),
          m_uri(serverUri + QStringLiteral("&options=-csearch_path%3D") + m_schema)
    {
        if (m_admin.open(serverUri).ok())
            m_admin.runScript("SET client_min_messages = warning; CREATE SCHEMA " + m_schema.toUtf8()
                                  + "; SET search_path = " + m_schema.toUtf8(),
                              QString());
    }
    ~ServerBackend() override { m_admin.runScript("DROP SCHEMA " + m_schema.toUtf8() + " CASCADE", QString()); }

    std::unique_ptr<CustomerStore> newStore(const Clock& clock) override
    {
        auto store = std::make_unique<PgCustomerStore>(m_uri);
        if (clock)
            store->setClock(clock);
        return store;
    }
    bool execute(const QString& sql) override
    {
        const Result done = m_admin.runScript(sql.toUtf8(), QStringLiteral("could not run the test's SQL"));
        if (!done.ok())
            qWarning("%s", qPrintable(done.message()));
        return done.ok();
    }
    QByteArray snapshot() override
    {
        QByteArray state;
        m_admin.value("SELECT string_agg(table_name || '.' || column_name || ' ' || data_type, ', ' "
                    "ORDER BY table_name, ordinal_position) || ' / ' || (SELECT count(*) FROM pg_class "
                    "WHERE relnamespace = current_schema()::regnamespace) FROM information_schema.columns "
                    "WHERE table_schema = current_schema()",
                      {}, QString(), &state);
        return state;
    }

private:
    QString m_schema;
    QString m_uri;
    PgConnection m_admin;
};

inline std::unique_ptr<StoreBackend> StoreBackend::make(const QString& name)
{
    if (name == QLatin1String("file"))
        return std::make_unique<FileBackend>();
    const QString server = qEnvironmentVariable("TALLYVANE_TEST_DATABASE_URI");
    return server.isEmpty() ? nullptr : std::make_unique<ServerBackend>(server);
}

// The backend a data row names, or a skip when its server is not there.
#define STORE_BACKEND(variable)                                                                                   \
    QFETCH(QString, backend);                                                                                    \
    const std::unique_ptr<StoreBackend> variable = StoreBackend::make(backend);                                 \
    if (!variable)                                                                                               \
        QSKIP("No database server to test against: scripts/test starts one and sets TALLYVANE_TEST_DATABASE_URI.")
