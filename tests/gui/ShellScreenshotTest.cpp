// Renders the main window with two documents to a PNG in the build folder (the picture of the
// documentation) and checks that the window was really drawn.

#include "ShellTestSupport.h"

#include "gui/ApplicationLook.h"
#include "gui/CMainFrame.h"
#include "gui/DocumentManager.h"
#include "edit/CommandIds.h"
#include "model/FixedTexts.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <set>

using namespace planova;
using namespace planova::test;

class ShellScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void MainWindowWithTwoDocuments();
    void MainWindowInTheBlackLookOnASmallScreen();
};

void ShellScreenshotTest::MainWindowWithTwoDocuments()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = sandbox.WriteDocument(QStringLiteral("2024年度.dat"),
                                               DocumentWithEvent(2024, 4, 8, Cp932Literal("始業式")));
    auto options = sandbox.Options();
    options.ShowWindow = false;
    CPlanovaApp app(options);
    QVERIFY(app.Start({file}));
    app.Documents().NewDocument();
    app.Documents().ActiveDocument()->Doc->SetModified(true);
    app.Documents().DocumentEdited(*app.Documents().ActiveDocument());

    auto& frame = app.MainFrame();
    frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().front());
    frame.resize(1000, 640);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    // Past the first tick of the views' timer, so the sky read-outs are filled in.
    QTest::qWait(700);

    const QImage shot = frame.grab().toImage();
    QCOMPARE(shot.size(), QSize(1000, 640));
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 7)
        for (int x = 0; x < shot.width(); x += 7)
            colours.insert(shot.pixel(x, y));
    QVERIFY(colours.size() > 8);
    QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/main-window.png")));
}

void ShellScreenshotTest::MainWindowInTheBlackLookOnASmallScreen()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = sandbox.WriteDocument(QStringLiteral("2024年度.dat"),
                                               DocumentWithEvent(2024, 4, 8, Cp932Literal("始業式")));
    auto options = sandbox.Options();
    options.ShowWindow = false;
    CPlanovaApp app(options);
    QVERIFY(app.Start({file}));
    ApplyLook(CommandId::LookOffice2007Black);
    auto& frame = app.MainFrame();
    frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().front());
    frame.MdiArea().subWindowList().front()->showMaximized();
    frame.resize(1024, 600);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTest::qWait(700);
    const QImage shot = frame.grab().toImage();
    ApplyLook(CommandId::LookDefault);
    QCOMPARE(shot.size(), QSize(1024, 600));
    QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/main-window-black.png")));
}

QTEST_MAIN(ShellScreenshotTest)
#include "ShellScreenshotTest.moc"
