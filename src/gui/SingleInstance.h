#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;

namespace planova {

/**
 * One running Planova per user: a later start hands its files to the running instance over a
 * local socket and ends. The server name is per user; PLANOVA_INSTANCE_NAME replaces it (tests
 * run side by side with their own names).
 */
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    /// The server name of this user (or of PLANOVA_INSTANCE_NAME when set).
    static QString ServerName();

    /**
     * Hands the absolute paths of the files to the instance listening under the name.
     * True when it took them; false when no instance listens (then this process is the first).
     */
    static bool HandOver(const QString& serverName, const QStringList& files, int timeoutMs = 5000);

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    /// Starts listening; a name left behind by a crashed instance is taken over.
    bool Listen(const QString& serverName);

signals:
    /// A later start handed over its files (possibly none: it only wants the window shown).
    void FilesReceived(const QStringList& files);

private:
    void Accept();

    QLocalServer* Server;
};

} // namespace planova
