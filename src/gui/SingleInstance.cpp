#include "gui/SingleInstance.h"

#include "gui/LocalPath.h"

#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace planova {
namespace {

constexpr auto StreamVersion = QDataStream::Qt_6_0;
const QString Accepted = QStringLiteral("OK");
const QString SocketName = QStringLiteral("planova.socket");

// How long a start keeps trying when an instance answers the socket but takes no files (it may
// be starting itself), before it runs on its own.
constexpr qint64 ClaimTimeoutMs = 90000;

/// Whether the path is a folder of this user's that nobody else may enter (not a link to one).
bool IsPrivateFolder(const QString& path)
{
    struct stat info
    {
    };
    return lstat(LocalPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
           (info.st_mode & 077) == 0;
}

/// Whether the path is a socket of this user's.
bool IsOwnSocket(const QString& path)
{
    struct stat info
    {
    };
    return lstat(LocalPath(path).c_str(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_uid == getuid();
}

/// Whether the process at the other end of the connected socket runs as this user.
bool PeerIsThisUser(const QLocalSocket& socket)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) ==
               0 &&
           peer.uid == getuid();
}

/// Whether a process of this user accepts connections on the socket.
bool Answers(const QString& path)
{
    if (!IsOwnSocket(path))
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    return socket.waitForConnected(1000) && PeerIsThisUser(socket);
}

} // namespace

QString SingleInstance::ServerPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime))
        return QDir(runtime).filePath(SocketName);
    // A name anyone could take first: it is used only if it turns out to be this user's own folder.
    const QString folder = QDir::temp().filePath(QStringLiteral("planova-%1-runtime").arg(getuid()));
    mkdir(LocalPath(folder).c_str(), 0700);
    return IsPrivateFolder(folder) ? QDir(folder).filePath(SocketName) : QString();
}

bool SingleInstance::HandOver(const QString& serverPath, const QStringList& files, int answerTimeoutMs)
{
    if (!IsOwnSocket(serverPath))
        return false;
    QLocalSocket socket;
    socket.connectToServer(serverPath);
    if (!socket.waitForConnected(1000) || !PeerIsThisUser(socket))
        return false;

    QStringList absolute;
    for (const auto& file : files)
        absolute.append(QFileInfo(file).absoluteFilePath());
    QDataStream out(&socket);
    out.setVersion(StreamVersion);
    out << absolute;
    if (!socket.waitForBytesWritten(answerTimeoutMs))
        return false;

    // The running instance answers once it has the list, which may be after it finished opening a
    // large file; it opens the handed files afterwards.
    QDataStream in(&socket);
    in.setVersion(StreamVersion);
    QString answer;
    while (answer.isEmpty()) {
        if (!socket.waitForReadyRead(answerTimeoutMs))
            return false;
        in.startTransaction();
        in >> answer;
        if (!in.commitTransaction())
            answer.clear();
    }
    return answer == Accepted;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), Server(new QLocalServer(this))
{
    // No access options: with them Qt binds in a temporary folder and renames the socket over the
    // path, replacing whatever is there, even the socket of a running instance. The folder is the
    // user's own, so the socket needs no permission bits of its own.
    Server->setSocketOptions(QLocalServer::NoOptions);
    connect(Server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claimed SingleInstance::Claim(const QString& serverPath, const QStringList& files)
{
    if (serverPath.isEmpty())
        return Claimed::Unavailable;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (HandOver(serverPath, files))
            return Claimed::HandedOver;
        if (Listen(serverPath))
            return Claimed::Listening;
        // Only an instance of this user that answers is worth waiting for; anything else in the
        // socket's place that cannot be removed leaves this process on its own at once.
        if (!IsOwnSocket(serverPath) || clock.elapsed() > ClaimTimeoutMs)
            return Claimed::Unavailable;
        QThread::msleep(100);
    }
}

bool SingleInstance::Listen(const QString& serverPath)
{
    if (Server->listen(serverPath))
        return true;
    if (Server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    struct stat info
    {
    };
    // Only the user's own leftovers are removed: a socket nobody answers on (a crashed instance),
    // or a file that has no business there.
    if (lstat(LocalPath(serverPath).c_str(), &info) == 0 && (info.st_uid != getuid() || Answers(serverPath)))
        return false;
    QFile::remove(serverPath);
    return Server->listen(serverPath);
}

void SingleInstance::Accept()
{
    while (auto* socket = Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(StreamVersion);
            in.startTransaction();
            QStringList files;
            in >> files;
            if (!in.commitTransaction())
                return;
            QDataStream out(socket);
            out.setVersion(StreamVersion);
            out << Accepted;
            socket->flush();
            // Opening may ask the user questions: do it after answering, outside this handler.
            QMetaObject::invokeMethod(
                this, [this, files] { emit FilesReceived(files); }, Qt::QueuedConnection);
        });
    }
}

} // namespace planova
