#include "gui/SingleInstance.h"

#include "gui/LocalPath.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <optional>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace planova {
namespace {

constexpr auto StreamVersion = QDataStream::Qt_6_0;
const QString Accepted = QStringLiteral("OK");
const QString SocketName = QStringLiteral("planova.socket");

// How long a start keeps trying when an instance answers the socket but takes no files (it may
// be starting itself), before it runs on its own.
constexpr qint64 ClaimTimeoutMs = 90000;
// How long a start waits for the running instance to accept its connection.
constexpr int ConnectTimeoutMs = 1000;
// A hand-over is a list of paths; a connection that sends more without ending it is dropped.
constexpr qsizetype MaxHandOverBytes = qsizetype{1} << 20;

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
bool PeerIsThisUser(int fd)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == getuid();
}

/// The address of the socket path; false when the path is too long for one.
bool AddressOf(const QString& path, sockaddr_un& address)
{
    const std::string local = LocalPath(path);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (local.empty() || local.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, local.data(), local.size());
    return true;
}

Descriptor NewSocket()
{
    return Descriptor(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
}

/// Waits until the descriptor is ready for the events; false when the deadline passed first.
bool WaitUntilReady(int fd, short events, const QDeadlineTimer& deadline)
{
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready =
            poll(&entry, 1, static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1 << 30)));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

/// A connection to the socket at the path, accepted within the time; not open when nobody took it.
Descriptor ConnectTo(const QString& path, int timeoutMs)
{
    sockaddr_un address;
    Descriptor fd = NewSocket();
    if (!fd.IsOpen() || !AddressOf(path, address))
        return {};
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        // A full queue of connections waiting for the instance to accept them: it may still do so.
        if ((errno != EAGAIN && errno != EINTR) || deadline.hasExpired())
            return {};
        QThread::msleep(10);
    }
}

/// Writes all the bytes within the time.
bool WriteAll(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            send(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written), MSG_NOSIGNAL);
        if (n > 0) {
            written += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        if (!WaitUntilReady(fd, POLLOUT, deadline))
            return false;
    }
    return true;
}

/// Appends what can be read now; false at the end of the stream or on an error.
bool ReadAvailable(int fd, QByteArray& received)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            received.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && errno == EAGAIN;
    }
}

/// The answer at the start of the bytes once they hold it whole.
std::optional<QString> DecodedAnswer(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    QString answer;
    in >> answer;
    return in.status() == QDataStream::Ok ? std::optional<QString>(answer) : std::nullopt;
}

/// The file list at the start of the bytes once they hold it whole. The names are read one by one:
/// QDataStream's own list reading makes room for the count it is sent first, so a count of four
/// thousand million would ask for a hundred gigabytes.
std::optional<QStringList> DecodedFileList(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(StreamVersion);
    quint32 count = 0;
    in >> count;
    QStringList files;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString file;
        in >> file;
        files.append(file);
    }
    return in.status() == QDataStream::Ok ? std::optional<QStringList>(files) : std::nullopt;
}

template <typename Value> QByteArray Encoded(const Value& value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(StreamVersion);
    out << value;
    return bytes;
}

/// Whether a process of this user accepts connections on the socket.
bool Answers(const QString& path)
{
    if (!IsOwnSocket(path))
        return false;
    const Descriptor fd = ConnectTo(path, ConnectTimeoutMs);
    return fd.IsOpen() && PeerIsThisUser(fd.Get());
}

} // namespace

/// A later start's connection and the bytes it has sent so far.
struct SingleInstance::Connection
{
    Descriptor Fd;
    QSocketNotifier* Readable = nullptr;
    QByteArray Received;
};

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
    const Descriptor socket = ConnectTo(serverPath, ConnectTimeoutMs);
    if (!socket.IsOpen() || !PeerIsThisUser(socket.Get()))
        return false;

    QStringList absolute;
    for (const auto& file : files)
        absolute.append(QFileInfo(file).absoluteFilePath());
    if (!WriteAll(socket.Get(), Encoded(absolute), QDeadlineTimer(answerTimeoutMs)))
        return false;

    // The running instance answers once it has the list, which may be after it finished opening a
    // large file; it opens the handed files afterwards.
    const QDeadlineTimer deadline(answerTimeoutMs);
    QByteArray received;
    for (;;) {
        if (!WaitUntilReady(socket.Get(), POLLIN, deadline))
            return false;
        const bool open = ReadAvailable(socket.Get(), received);
        if (const std::optional<QString> answer = DecodedAnswer(received))
            return *answer == Accepted;
        if (!open)
            return false;
    }
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    // The notifiers go before the descriptors they watch.
    for (const auto& connection : Connections)
        delete connection->Readable;
    delete Incoming;
    // The socket file goes with the instance, unless another process has put its own in its place.
    struct stat info
    {
    };
    if (Server.IsOpen() && lstat(LocalPath(SocketPath).c_str(), &info) == 0 && info.st_dev == SocketDevice &&
        info.st_ino == SocketInode)
        unlink(LocalPath(SocketPath).c_str());
}

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

bool SingleInstance::BindAndListen(const QString& serverPath)
{
    sockaddr_un address;
    Descriptor fd = NewSocket();
    if (!fd.IsOpen() || !AddressOf(serverPath, address))
        return false;
    // No permission bits of its own: the folder is the user's, and nobody else may enter it.
    if (bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    struct stat info
    {
    };
    if (listen(fd.Get(), SOMAXCONN) != 0 || lstat(address.sun_path, &info) != 0) {
        const int error = errno;
        unlink(address.sun_path);
        errno = error;
        return false;
    }
    Server = std::move(fd);
    SocketPath = serverPath;
    SocketDevice = info.st_dev;
    SocketInode = info.st_ino;
    Incoming = new QSocketNotifier(Server.Get(), QSocketNotifier::Read, this);
    connect(Incoming, &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

bool SingleInstance::Listen(const QString& serverPath)
{
    if (Server.IsOpen())
        return true;
    if (BindAndListen(serverPath))
        return true;
    if (errno != EADDRINUSE)
        return false;
    struct stat info
    {
    };
    // Only the user's own leftovers are removed: a socket nobody answers on (a crashed instance),
    // or a file that has no business there.
    if (lstat(LocalPath(serverPath).c_str(), &info) == 0 && (info.st_uid != getuid() || Answers(serverPath)))
        return false;
    QFile::remove(serverPath);
    return BindAndListen(serverPath);
}

void SingleInstance::Accept()
{
    for (;;) {
        Descriptor fd(accept4(Server.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
        if (!fd.IsOpen())
            return; // none waiting (EAGAIN), or it went away meanwhile
        auto connection = std::make_unique<Connection>();
        const int raw = fd.Get();
        connection->Fd = std::move(fd);
        connection->Readable = new QSocketNotifier(raw, QSocketNotifier::Read, this);
        connect(connection->Readable, &QSocketNotifier::activated, this, [this, raw] { Receive(raw); });
        Connections.push_back(std::move(connection));
    }
}

void SingleInstance::Receive(int fd)
{
    const auto found = std::find_if(Connections.begin(), Connections.end(),
                                    [fd](const auto& connection) { return connection->Fd.Get() == fd; });
    if (found == Connections.end())
        return;
    Connection& connection = **found;
    const bool open = ReadAvailable(fd, connection.Received);
    const std::optional<QStringList> files = DecodedFileList(connection.Received);
    if (!files) {
        if (!open || connection.Received.size() > MaxHandOverBytes)
            Drop(fd);
        return;
    }
    // The answer is a few bytes into an empty socket buffer: it goes at once. The start that sent the
    // list reads it after this side has closed.
    WriteAll(fd, Encoded(Accepted), QDeadlineTimer(ConnectTimeoutMs));
    Drop(fd);
    // Opening may ask the user questions: do it after answering, outside this handler.
    QMetaObject::invokeMethod(
        this, [this, list = *files] { emit FilesReceived(list); }, Qt::QueuedConnection);
}

void SingleInstance::Drop(int fd)
{
    const auto found = std::find_if(Connections.begin(), Connections.end(),
                                    [fd](const auto& connection) { return connection->Fd.Get() == fd; });
    if (found == Connections.end())
        return;
    // The notifier is deleted later: this may run inside its own signal.
    (*found)->Readable->setEnabled(false);
    (*found)->Readable->deleteLater();
    Connections.erase(found);
}

} // namespace planova
