// Start-up of the application: which document opens, the main window, the remembered look.

#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "gui/AppSettings.h"
#include "gui/ApplicationLook.h"
#include "gui/CMainFrame.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/RecentFileList.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <set>

using namespace planova;
using namespace planova::test;

class ShellStartupTest : public QObject
{
    Q_OBJECT

private slots:
    void LastDataFileRule_data();
    void LastDataFileRule();
    void StartUpOpensDocument_data();
    void StartUpOpensDocument();
    void CommandLineFileOpensAfterLastDataFile();
    void UnreadableLastDataFileStillStarts();
    void LookSurvivesRestart();
    void WindowSizeSurvivesRestart();
    void EveryLookIsDistinct();
    void RecentListKeepsFourMostRecentFirst();
};

void ShellStartupTest::LastDataFileRule_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first value ending in dat") << QStringList{"/a/x.dat", "/a/y.dat"} << "/a/x.dat";
    QTest::newRow("DAT does not count") << QStringList{"/a/X.DAT", "/a/y.dat"} << "/a/y.dat";
    QTest::newRow("empty values are skipped") << QStringList{"", "", "/a/y.dat"} << "/a/y.dat";
    QTest::newRow("other files are skipped") << QStringList{"/a/notes.txt", "/b/z.dat"} << "/b/z.dat";
    QTest::newRow("no extension needed, only the last three") << QStringList{"/a/format"} << "";
    QTest::newRow("ends in dat without a dot") << QStringList{"/a/update"} << "";
    QTest::newRow("ends in dat without a dot, matched") << QStringList{"/a/mydat"} << "/a/mydat";
    QTest::newRow("nothing") << QStringList{} << "";
}

void ShellStartupTest::LastDataFileRule()
{
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    QCOMPARE(FindLastDataFile(values), expected);
}

void ShellStartupTest::StartUpOpensDocument_data()
{
    // Recent values as (value number, file name in the sandbox or "missing:" name); the document
    // expected to be the only one open.
    QTest::addColumn<QStringList>("recent");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first entry exists") << QStringList{"1=first.dat", "2=second.dat"} << "first.dat";
    QTest::newRow("DAT skipped for the next entry")
        << QStringList{"1=UPPER.DAT", "2=second.dat"} << "second.dat";
    QTest::newRow("empty list gives Planova1") << QStringList{} << "Planova1";
    QTest::newRow("missing last file gives a new document")
        << QStringList{"1=missing:gone.dat"} << "Planova1";
    QTest::newRow("only the first dat entry is tried")
        << QStringList{"1=missing:gone.dat", "2=second.dat"} << "Planova1";
    QTest::newRow("File0 is read too") << QStringList{"0=second.dat"} << "second.dat";
}

void ShellStartupTest::StartUpOpensDocument()
{
    QFETCH(QStringList, recent);
    QFETCH(QString, expected);
    ShellSandbox sandbox;
    DialogScript dialogs;
    for (const auto& name : {"first.dat", "second.dat", "UPPER.DAT"})
        sandbox.WriteDocument(QString::fromLatin1(name));
    std::vector<std::pair<int, QString>> values;
    for (const auto& entry : recent) {
        const int n = entry.section(u'=', 0, 0).toInt();
        QString name = entry.section(u'=', 1);
        name.remove(QStringLiteral("missing:"));
        values.emplace_back(n, sandbox.Path(name));
    }
    sandbox.SetRecentValues(values);

    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));

    QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
    QCOMPARE(app.Documents().ActiveDocument()->Name, expected);
    QCOMPARE(app.MainFrame().MdiArea().subWindowList().size(), 1);
    QVERIFY(app.MainFrame().windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(app.MainFrame().windowTitle(), expected + QStringLiteral("[*] - Planova"));
    QVERIFY(dialogs->Asked.empty());
}

void ShellStartupTest::CommandLineFileOpensAfterLastDataFile()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString last = sandbox.WriteDocument(QStringLiteral("last.dat"));
    const QString named = sandbox.WriteDocument(QStringLiteral("named.dat"));
    sandbox.SetRecentValues({{1, last}});

    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({named}));

    QCOMPARE(app.Documents().Documents().size(), std::size_t{2});
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("named.dat"));
    QCOMPARE(sandbox.RecentValue(1), named);
    QCOMPARE(sandbox.RecentValue(2), last);
}

void ShellStartupTest::UnreadableLastDataFileStillStarts()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString broken = sandbox.WriteBytes(QStringLiteral("broken.dat"), "\x40<Planova>");
    sandbox.SetRecentValues({{1, broken}});

    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));

    QVERIFY(dialogs->WasAsked(QStringLiteral("ファイルを開けませんでした")));
    QCOMPARE(app.Documents().Documents().size(), std::size_t{1});
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("Planova1"));
    // The file that failed leaves the list, so the next start does not stumble over it again.
    QCOMPARE(sandbox.RecentValue(1), QString());
}

// The first start fills the screen; the next start opens the window at the size it was closed at.
void ShellStartupTest::WindowSizeSurvivesRestart()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QSize chosen(900, 560);
    {
        CPlanovaApp app(sandbox.Options());
        QVERIFY(app.Start({}));
        QVERIFY(app.MainFrame().isMaximized());
        app.MainFrame().showNormal();
        app.MainFrame().resize(chosen);
        QVERIFY(QTest::qWaitForWindowExposed(&app.MainFrame()));
        QVERIFY(app.MainFrame().close());
    }
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));
    QVERIFY(!app.MainFrame().isMaximized());
    QCOMPARE(app.MainFrame().size(), chosen);
}

void ShellStartupTest::LookSurvivesRestart()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    {
        CPlanovaApp app(sandbox.Options());
        QVERIFY(app.Start({}));
        QCOMPARE(app.MainFrame().Look(), CommandId::LookVisualStudio2008);
        QVERIFY(app.MainFrame().Actions().Action(CommandId::LookVisualStudio2008)->isChecked());
        QVERIFY(app.MainFrame().Actions().Execute(CommandId::LookOffice2007Black));
        // Stored at once, not only at exit.
        QCOMPARE(QSettings(sandbox.SettingsFile(), QSettings::IniFormat)
                     .value(QStringLiteral("ApplicationLook"))
                     .toInt(),
                 CommandId::LookOffice2007Black);
    }
    QApplication::setPalette(QPalette());

    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));
    QCOMPARE(app.MainFrame().Look(), CommandId::LookOffice2007Black);
    auto& actions = app.MainFrame().Actions();
    actions.UpdateStates();
    QVERIFY(actions.Action(CommandId::LookOffice2007Black)->isChecked());
    QVERIFY(!actions.Action(CommandId::LookVisualStudio2008)->isChecked());
    QCOMPARE(QApplication::palette().color(QPalette::Window),
             LookFor(CommandId::LookOffice2007Black).Palette.color(QPalette::Window));
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 100);
    QCOMPARE(app.MainFrame().palette().color(QPalette::Window),
             LookFor(CommandId::LookOffice2007Black).Palette.color(QPalette::Window));
    app.MainFrame().SetLook(CommandId::LookVisualStudio2008);
}

void ShellStartupTest::EveryLookIsDistinct()
{
    std::set<std::tuple<QString, QRgb, QRgb>> seen;
    for (int id :
         {CommandId::LookWindows2000, CommandId::LookOfficeXP, CommandId::LookWindowsXP,
          CommandId::LookOffice2003, CommandId::LookVisualStudio2005, CommandId::LookVisualStudio2008,
          CommandId::LookOffice2007Blue, CommandId::LookOffice2007Black, CommandId::LookOffice2007Silver,
          CommandId::LookOffice2007Aqua, CommandId::LookWindows7}) {
        const auto look = LookFor(id);
        QCOMPARE(look.Id, id);
        seen.emplace(QString::fromLatin1(look.StyleName), look.Palette.color(QPalette::Window).rgb(),
                     look.Palette.color(QPalette::Highlight).rgb());
    }
    QCOMPARE(seen.size(), std::size_t{11});
    QCOMPARE(LookFor(212).Id,
             CommandId::LookOffice2007Blue); // no menu command: Office 2007 in its blue scheme
    QCOMPARE(LookFor(999).Id, CommandId::LookVisualStudio2008);
    QCOMPARE(EffectiveLook(4), CommandId::LookVisualStudio2008);
}

void ShellStartupTest::RecentListKeepsFourMostRecentFirst()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    QStringList files;
    for (int n = 1; n <= 5; ++n)
        files.append(sandbox.WriteDocument(QStringLiteral("f%1.dat").arg(n)));

    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start(files));
    app.Documents().Open(files[1]); // open already: only brought to front
    QCOMPARE(app.Documents().Documents().size(), std::size_t{5});
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("f2.dat"));

    QCOMPARE(sandbox.RecentValue(1), files[4]);
    QCOMPARE(sandbox.RecentValue(4), files[1]);
    QCOMPARE(sandbox.RecentValue(5), QString());

    auto& actions = app.MainFrame().Actions();
    actions.UpdateStates();
    QCOMPARE(actions.Action(CommandId::RecentFile1)->text(), QStringLiteral("&1 ") + files[4]);
    QVERIFY(actions.Action(CommandId::RecentFile1 + 3)->isVisible());

    // A recent entry runs like "開く": here it brings the open document to the front.
    QVERIFY(actions.Execute(CommandId::RecentFile1 + 1));
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("f4.dat"));
}

QTEST_MAIN(ShellStartupTest)
#include "ShellStartupTest.moc"
