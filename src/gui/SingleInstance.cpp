#include "gui/SingleInstance.h"

#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <unistd.h>

namespace planova {
namespace {

constexpr auto StreamVersion = QDataStream::Qt_6_0;
const QString Accepted = QStringLiteral("OK");

} // namespace

QString SingleInstance::ServerName()
{
    const QString chosen = qEnvironmentVariable("PLANOVA_INSTANCE_NAME");
    if (!chosen.isEmpty())
        return chosen;
    return QStringLiteral("planova-%1").arg(getuid());
}

bool SingleInstance::HandOver(const QString& serverName, const QStringList& files, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;

    QStringList absolute;
    for (const auto& file : files)
        absolute.append(QFileInfo(file).absoluteFilePath());
    QDataStream out(&socket);
    out.setVersion(StreamVersion);
    out << absolute;
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;

    // The running instance answers once it has the list; it opens the files afterwards.
    QDataStream in(&socket);
    in.setVersion(StreamVersion);
    QString answer;
    while (answer.isEmpty()) {
        if (!socket.waitForReadyRead(timeoutMs))
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
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(Server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Listen(const QString& serverName)
{
    if (Server->listen(serverName))
        return true;
    // A socket file of a crashed instance blocks the name; nobody answers on it.
    QLocalServer::removeServer(serverName);
    return Server->listen(serverName);
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
