// Renders the main window with two documents to a PNG in the build folder (the picture of the
// documentation) and checks that the window was really drawn.

#include "ShellTestSupport.h"

#include "gui/ApplicationLook.h"
#include "gui/CMainFrame.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/QtPrintDialog.h"
#include "edit/CommandIds.h"
#include "model/FixedTexts.h"

#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

#include <memory>
#include <set>

using namespace planova;
using namespace planova::test;

/// The application started on a data file of one school day.
struct ShellWithADocument
{
    ShellSandbox Sandbox;
    DialogScript Dialogs;
    std::unique_ptr<CPlanovaApp> App;

    ShellWithADocument()
    {
        const QString file = Sandbox.WriteDocument(QStringLiteral("2024年度.dat"),
                                                   DocumentWithEvent(2024, 4, 8, Cp932Literal("始業式")));
        App = std::make_unique<CPlanovaApp>(Sandbox.Options());
        if (!App->Start({file}))
            qFatal("the application did not start");
    }

    /// Shows the main window at the size with the data file's window in front, past the first tick
    /// of the views' timer (so the sky read-outs are filled in), and grabs it.
    QImage Shot(QSize size)
    {
        auto& frame = App->MainFrame();
        frame.showNormal();
        frame.resize(size);
        if (!QTest::qWaitForWindowExposed(&frame))
            return {};
        frame.MdiArea().setActiveSubWindow(frame.MdiArea().subWindowList().front());
        QTest::qWait(700);
        frame.Actions().UpdateStates(); // as the next input would
        return frame.grab().toImage();
    }
};

class ShellScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void MainWindowWithTwoDocuments();
    void MainWindowInTheBlackLookOnASmallScreen();
    void PrintDialogOverTheMainWindow_data();
    void PrintDialogOverTheMainWindow();
};

void ShellScreenshotTest::MainWindowWithTwoDocuments()
{
    ShellWithADocument shell;
    DocumentManager& documents = shell.App->Documents();
    documents.NewDocument();
    documents.ActiveDocument()->Doc->SetModified(true);
    documents.DocumentEdited(*documents.ActiveDocument());

    const QImage shot = shell.Shot(QSize(1000, 640));
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
    ShellWithADocument shell;
    ApplyLook(CommandId::LookOffice2007Black);
    const QImage shot = shell.Shot(QSize(1024, 600));
    ApplyLook(CommandId::LookDefault);
    QCOMPARE(shot.size(), QSize(1024, 600));
    QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/main-window-black.png")));
}

void ShellScreenshotTest::PrintDialogOverTheMainWindow_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1920") << QSize(1920, 1080);
    QTest::newRow("1024") << QSize(1024, 600);
}

// The print options dialog where the window manager puts it, centred over a main window that fills the
// screen: on the small screen all of it, "印刷" and "キャンセル" included, is on the screen.
void ShellScreenshotTest::PrintDialogOverTheMainWindow()
{
    QFETCH(QSize, screen);
    ShellWithADocument shell;
    QImage shot = shell.Shot(screen);
    PrintDialogModel model(CopyPrintSettings(*shell.App->Documents().ActiveDocument()->Doc),
                           DateTime::FromDate(2024, 4, 8), false);
    QtPrintDialog dialog(&shell.App->MainFrame());
    dialog.Start(model);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage picture = dialog.grab().toImage();
    const QRect placed(
        QPoint((screen.width() - picture.width()) / 2, (screen.height() - picture.height()) / 2),
        picture.size());
    QVERIFY(QRect(QPoint(0, 0), screen).contains(placed));
    QPainter(&shot).drawImage(placed.topLeft(), picture);
    QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/print-dialog-") + QTest::currentDataTag() +
                      QStringLiteral(".png")));
}

QTEST_MAIN(ShellScreenshotTest)
#include "ShellScreenshotTest.moc"
