#pragma once

#include "model/Descriptor.h"

#include <QObject>
#include <QStringList>

#include <sys/types.h>

#include <memory>
#include <vector>

class QSocketNotifier;

namespace planova {

/**
 * One running Planova per user: a later start hands its files to the running instance over a
 * local socket and ends. The socket lives in a folder only the user can enter, is used only when
 * it belongs to the user and is served by a process of the user, and a socket that answers is
 * never removed. The socket is a plain Unix stream socket carrying QDataStream values (the file
 * list one way, "OK" the other), so the start needs no network library.
 */
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    /**
     * The socket path of this user: "planova.socket" in $XDG_RUNTIME_DIR when that is a folder of
     * the user's own that nobody else may enter, else in "planova-<uid>-runtime" in the temporary
     * folder, made with mode 0700. Empty when neither can be had (then there is no hand-over).
     */
    static QString ServerPath();

    /**
     * Hands the absolute paths of the files to the instance serving the socket. True when it took
     * them; false when no instance of this user serves it (or it did not answer in time).
     */
    static bool HandOver(const QString& serverPath, const QStringList& files, int answerTimeoutMs = 60000);

    /// What Claim did.
    enum class Claimed
    {
        Listening,  ///< this process serves the socket now
        HandedOver, ///< a running instance took the files: this process has nothing more to do
        Unavailable ///< neither: this process runs on its own
    };

    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    /**
     * Hands the files over to a running instance, or takes the socket for this process. A start
     * that takes the socket between this one's two steps gets the files all the same, so two
     * starts close together give one instance. Call it before anything slow (loading files).
     */
    Claimed Claim(const QString& serverPath, const QStringList& files);

    /// Starts serving the socket; a socket of this user's that nobody answers on (left by a crash),
    /// or any other file of the user's in its place, is replaced. False when another instance answers.
    bool Listen(const QString& serverPath);

signals:
    /// A later start handed over its files (possibly none: it only wants the window shown).
    void FilesReceived(const QStringList& files);

private:
    /// Binds and listens at the path; false with errno when it cannot.
    bool BindAndListen(const QString& serverPath);
    void Accept();
    /// Reads what a later start sent; answers and reports its files once the list is whole.
    void Receive(int fd);
    void Drop(int fd);

    Descriptor Server;
    QSocketNotifier* Incoming = nullptr;
    /// The socket file this process made (removed again when the instance ends, if still the same).
    QString SocketPath;
    dev_t SocketDevice = 0;
    ino_t SocketInode = 0;
    /// Connections of later starts and the bytes each has sent so far.
    struct Connection;
    std::vector<std::unique_ptr<Connection>> Connections;
};

} // namespace planova
