// End to end: a second start of the real program hands its file to the running one.

#include "ShellTestSupport.h"

#include <QLocalSocket>
#include <QProcess>
#include <QUuid>

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

} // namespace

class ShellInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void SecondStartHandsFileToRunningInstance();
};

void ShellInstanceTest::SecondStartHandsFileToRunningInstance()
{
    ShellSandbox sandbox;
    const QString first = sandbox.WriteDocument(QStringLiteral("first.dat"));
    const QString second = sandbox.WriteDocument(QStringLiteral("second.dat"));

    // Settings, data and the server name of this test only.
    const QString serverName = QStringLiteral("planova-test-") + QUuid::createUuid().toString(QUuid::Id128);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), sandbox.Path(QStringLiteral("home")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), sandbox.Path(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), sandbox.Path(QStringLiteral("data")));
    environment.insert(QStringLiteral("PLANOVA_INSTANCE_NAME"), serverName);
    const QString settingsFile = sandbox.Path(QStringLiteral("config/KORVANE/Planova.conf"));
    auto recentValue = [&settingsFile](int n) {
        return QSettings(settingsFile, QSettings::IniFormat)
            .value(QStringLiteral("Recent File List/File%1").arg(n))
            .toString();
    };

    QProcess running;
    running.setProcessEnvironment(environment);
    running.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    running.start(Program, {first});
    QVERIFY2(running.waitForStarted(), qPrintable(running.errorString()));
    const bool listening = WaitFor(
        [&serverName] {
            QLocalSocket probe;
            probe.connectToServer(serverName);
            return probe.waitForConnected(200);
        },
        60000);
    QVERIFY2(listening, "the first instance never listened");
    QVERIFY(WaitFor([&] { return recentValue(1) == first; }, 30000));

    QProcess later;
    later.setProcessEnvironment(environment);
    later.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    later.start(Program, {second});
    QVERIFY(later.waitForFinished(60000));
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);

    // The running instance opened the handed-over file next to its own and is still running.
    QVERIFY2(WaitFor([&] { return recentValue(1) == second; }, 30000), qPrintable(recentValue(1)));
    QCOMPARE(recentValue(2), first);
    QCOMPARE(running.state(), QProcess::Running);

    running.kill();
    running.waitForFinished();
}

QTEST_MAIN(ShellInstanceTest)
#include "ShellInstanceTest.moc"
