// End to end: later starts of the real program hand their files to the running one, and only to
// a running instance of the same user.

#include "ShellTestSupport.h"

#include "gui/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <thread>

using namespace planova;
using namespace planova::test;

namespace {

const QString Program = QStringLiteral(PLANOVA_BINARY_DIR "/planova");

/// Waits until the predicate holds, handling events meanwhile.
template <typename Predicate> bool WaitFor(Predicate predicate, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!predicate()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

/// Settings, data, runtime and temporary folders of one test, and starts of the program in them.
class Sandboxed
{
public:
    Sandboxed()
    {
        for (const char* folder : {"home", "config", "data", "runtime", "tmp"})
            QDir().mkpath(Sandbox.Path(QString::fromLatin1(folder)));
        // The runtime folder is the user's own, as the session manager makes it.
        QFile::setPermissions(Sandbox.Path(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        Environment.insert(QStringLiteral("HOME"), Sandbox.Path(QStringLiteral("home")));
        Environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Sandbox.Path(QStringLiteral("config")));
        Environment.insert(QStringLiteral("XDG_DATA_HOME"), Sandbox.Path(QStringLiteral("data")));
        Environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Sandbox.Path(QStringLiteral("runtime")));
        Environment.insert(QStringLiteral("TMPDIR"), Sandbox.Path(QStringLiteral("tmp")));
    }
    ~Sandboxed()
    {
        for (auto& process : Processes) {
            process->kill();
            process->waitForFinished();
        }
    }

    QString SocketPath() const { return Sandbox.Path(QStringLiteral("runtime/planova.socket")); }

    QProcess& Start(const QStringList& files)
    {
        auto& process = *Processes.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(Environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(Program, files);
        return process;
    }

    QString RecentValue(int n) const
    {
        return QSettings(Sandbox.Path(QStringLiteral("config/KORVANE/Planova.conf")), QSettings::IniFormat)
            .value(QStringLiteral("Recent File List/File%1").arg(n))
            .toString();
    }

    bool Listening() const
    {
        QLocalSocket probe;
        probe.connectToServer(SocketPath());
        return probe.waitForConnected(200);
    }

    ShellSandbox Sandbox;
    QProcessEnvironment Environment;
    std::vector<std::unique_ptr<QProcess>> Processes;
};

/// A server that answers the hand-over like a running instance and keeps what it is sent.
class Impostor : public QObject
{
public:
    explicit Impostor(const QString& path)
    {
        QLocalServer::removeServer(path);
        Server.listen(path);
        connect(&Server, &QLocalServer::newConnection, this, [this] {
            while (auto* socket = Server.nextPendingConnection()) {
                ++Connections;
                connect(socket, &QLocalSocket::readyRead, this, [socket] {
                    QDataStream out(socket);
                    out.setVersion(QDataStream::Qt_6_0);
                    out << QStringLiteral("OK");
                });
            }
        });
    }
    bool IsListening() const { return Server.isListening(); }
    int Connections = 0;

private:
    QLocalServer Server;
};

} // namespace

class ShellInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void SecondStartHandsFileToRunningInstance();
    void TwoStartsHalfASecondApartGiveOneInstance();
    void AnImpostorSocketCapturesNothing_data();
    void AnImpostorSocketCapturesNothing();
    void ABrokenHandOverIsDroppedAndTheNextOneArrives_data();
    void ABrokenHandOverIsDroppedAndTheNextOneArrives();
};

void ShellInstanceTest::SecondStartHandsFileToRunningInstance()
{
    Sandboxed sandboxed;
    const QString first = sandboxed.Sandbox.WriteDocument(QStringLiteral("first.dat"));
    const QString second = sandboxed.Sandbox.WriteDocument(QStringLiteral("second.dat"));
    // A file of the user's in the socket's place (say from a crash) does not stop the first start.
    sandboxed.Sandbox.WriteBytes(QStringLiteral("runtime/planova.socket"), "left over");

    QProcess& running = sandboxed.Start({first});
    QVERIFY2(running.waitForStarted(), qPrintable(running.errorString()));
    QVERIFY2(WaitFor([&] { return sandboxed.Listening(); }, 60000), "the first instance never listened");
    QVERIFY(WaitFor([&] { return sandboxed.RecentValue(1) == first; }, 30000));

    QProcess& later = sandboxed.Start({second});
    QVERIFY(later.waitForFinished(60000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);

    // The running instance opened the handed-over file next to its own and is still running.
    QVERIFY2(WaitFor([&] { return sandboxed.RecentValue(1) == second; }, 30000),
             qPrintable(sandboxed.RecentValue(1)));
    QCOMPARE(sandboxed.RecentValue(2), first);
    QCOMPARE(running.state(), QProcess::Running);
}

void ShellInstanceTest::TwoStartsHalfASecondApartGiveOneInstance()
{
    Sandboxed sandboxed;
    // A file that takes a while to open, so the first start is still busy when the second comes.
    CPlanovaDoc large;
    for (int day = 0; day < 4000; ++day) {
        large.UpdateDay(DateTime::FromDate(2000, 1, 1).AddDays(day),
                        [&](CDayData& stored) { stored.SetMemo(std::string(2000, 'm')); });
    }
    const QString first = sandboxed.Sandbox.WriteDocument(QStringLiteral("large.dat"), large);
    const QString second = sandboxed.Sandbox.WriteDocument(QStringLiteral("second.dat"));

    QProcess& a = sandboxed.Start({first});
    QVERIFY(a.waitForStarted());
    QTest::qWait(500);
    QProcess& b = sandboxed.Start({second});

    // One of the two hands its file to the other and ends; the other opens both and runs on.
    QVERIFY2(WaitFor([&] { return a.state() == QProcess::NotRunning || b.state() == QProcess::NotRunning; },
                     60000),
             "both starts keep running");
    QProcess& ended = a.state() == QProcess::NotRunning ? a : b;
    QProcess& running = &ended == &a ? b : a;
    QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
    QCOMPARE(ended.exitCode(), 0);
    QVERIFY2(WaitFor(
                 [&] {
                     const QStringList recent{sandboxed.RecentValue(1), sandboxed.RecentValue(2)};
                     return recent.contains(first) && recent.contains(second);
                 },
                 60000),
             qPrintable(sandboxed.RecentValue(1) + QStringLiteral(", ") + sandboxed.RecentValue(2)));
    QCOMPARE(running.state(), QProcess::Running);
}

void ShellInstanceTest::AnImpostorSocketCapturesNothing_data()
{
    QTest::addColumn<bool>("oldName"); // else: at the very path, but owned by another user
    // Another process took the name every start used to try first.
    QTest::newRow("at the old name") << true;
    QTest::newRow("of another user") << false;
}

void ShellInstanceTest::AnImpostorSocketCapturesNothing()
{
    QFETCH(bool, oldName);
    if (!oldName && geteuid() != 0)
        QSKIP("giving a socket to another user needs the super-user (run the tests as root)");
    Sandboxed sandboxed;
    const QString path = oldName ? sandboxed.Sandbox.Path(QStringLiteral("tmp/planova-%1").arg(getuid()))
                                 : sandboxed.SocketPath();
    const QByteArray localPath = QFile::encodeName(path);
    Impostor impostor(path);
    QVERIFY(impostor.IsListening());
    if (!oldName)
        QCOMPARE(chown(localPath.constData(), 12345, 12345), 0);
    const QString file = sandboxed.Sandbox.WriteDocument(QStringLiteral("year.dat"));

    QProcess& start = sandboxed.Start({file});
    QVERIFY(start.waitForStarted());
    QVERIFY2(WaitFor([&] { return sandboxed.RecentValue(1) == file; }, 60000), "the file was not opened");
    QCOMPARE(start.state(), QProcess::Running);
    QCOMPARE(impostor.Connections, 0);
    // Nor was the socket removed: it is not this user's to remove.
    struct stat info
    {
    };
    QCOMPARE(lstat(localPath.constData(), &info), 0);
    QVERIFY(S_ISSOCK(info.st_mode));
}

void ShellInstanceTest::ABrokenHandOverIsDroppedAndTheNextOneArrives_data()
{
    // What a client sends before it hangs up, instead of a whole file list.
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("a list cut short") << QByteArray::fromHex("000000020000000a0061");
    // A list that claims four thousand million names, then zero bytes until the limit of what a
    // hand-over may hold is passed.
    QTest::newRow("more than a hand-over holds")
        << QByteArray::fromHex("ffffffff") + QByteArray((1 << 20) + 8, '\0');
}

void ShellInstanceTest::ABrokenHandOverIsDroppedAndTheNextOneArrives()
{
    QFETCH(QByteArray, sent);
    ShellSandbox sandbox;
    const QString path = sandbox.Path(QStringLiteral("planova.socket"));
    SingleInstance instance;
    QVERIFY(instance.Listen(path));
    QList<QStringList> received;
    connect(&instance, &SingleInstance::FilesReceived, this,
            [&](const QStringList& files) { received.append(files); });

    QLocalSocket broken;
    broken.connectToServer(path);
    QVERIFY(broken.waitForConnected(5000));
    broken.write(sent);
    // The instance reads on this thread too: the bytes go while events are handled.
    QTRY_VERIFY_WITH_TIMEOUT(broken.bytesToWrite() == 0 || broken.state() == QLocalSocket::UnconnectedState,
                             20000);
    broken.disconnectFromServer();

    // A later start on another thread: the instance answers from this thread's event loop.
    const QString file = sandbox.Path(QStringLiteral("year.dat"));
    std::atomic<int> handedOver = -1;
    std::thread later([&] { handedOver = SingleInstance::HandOver(path, {file}, 20000) ? 1 : 0; });
    QTRY_VERIFY_WITH_TIMEOUT(handedOver != -1, 30000);
    later.join();
    QCOMPARE(handedOver.load(), 1);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.front(), QStringList{file});
}

QTEST_MAIN(ShellInstanceTest)
#include "ShellInstanceTest.moc"
