#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running program per user: the first start listens under a name of
// the user's own; a later start finds it, asks it to come forward and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key` tells users apart: the settings file, which is per user.
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only running program (it now listens); false
    // when another one runs, which has been asked to come forward.
    bool claim();

    static QString serverName(const QString& key);

signals:
    // Another start asked this program to come forward.
    void activationRequested();

private:
    bool askRunningProgram() const;

    QString m_name;
    QLocalServer* m_server = nullptr;
};
