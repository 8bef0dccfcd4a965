// Renders the main window with two documents to a PNG in the build folder (the picture of the
// documentation) and checks that the window was really drawn.

#include "ShellTestSupport.h"

#include "gui/ApplicationLook.h"
#include "gui/CMainFrame.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/CChildFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/InfoPane.h"
#include "gui/QtFindDialog.h"
#include "gui/QtPrintDialog.h"
#include "edit/CommandIds.h"
#include "model/Clock.h"
#include "model/FixedTexts.h"
#include "view/PlannerView.h"

#include <QCalendarWidget>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

#include <memory>
#include <optional>
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

namespace {

/// The two screens of the pictures: a school's desktop and its netbooks.
void AddScreens()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1920") << QSize(1920, 1080);
    QTest::newRow("1024") << QSize(1024, 600);
}

/// The dialog's picture put into the window's at the dialog's place (the offscreen platform shows
/// every window on its own), which must lie on the screen.
bool PutDialog(QImage& shot, QWidget& dialog, const QPoint& at)
{
    const QImage picture = dialog.grab().toImage();
    const QRect placed(at, picture.size());
    if (!shot.rect().contains(placed))
        return false;
    QPainter(&shot).drawImage(placed.topLeft(), picture);
    return true;
}

/// The place that centres the dialog on a screen of the size.
QPoint Centred(const QWidget& dialog, const QSize& screen)
{
    return {(screen.width() - dialog.width()) / 2, (screen.height() - dialog.height()) / 2};
}

QString PictureName(const char* name)
{
    return QStringLiteral(PLANOVA_BINARY_DIR "/") + QLatin1String(name) + QLatin1Char('-') +
           QLatin1String(QTest::currentDataTag()) + QStringLiteral(".png");
}

} // namespace

class ShellScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void MainWindowWithTwoDocuments();
    void MainWindowInTheBlackLookOnASmallScreen();
    void PrintDialogOverTheMainWindow_data();
    void PrintDialogOverTheMainWindow();
    void MainWindowAtStartUp_data() { AddScreens(); }
    void MainWindowAtStartUp();
    void FindDialogBesideItsHit_data() { AddScreens(); }
    void FindDialogBesideItsHit();
    void BlackLookWithADialog_data() { AddScreens(); }
    void BlackLookWithADialog();
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

/// The print options dialog for 8 April 2024 of the shell's document, shown over its main window.
struct PrintDialogOverShell
{
    explicit PrintDialogOverShell(ShellWithADocument& shell)
        : Model(CopyPrintSettings(*shell.App->Documents().ActiveDocument()->Doc),
                DateTime::FromDate(2024, 4, 8), false),
          Dialog(&shell.App->MainFrame())
    {
        Dialog.Start(Model);
        Dialog.show();
    }

    PrintDialogModel Model;
    QtPrintDialog Dialog;
};

void ShellScreenshotTest::PrintDialogOverTheMainWindow_data()
{
    AddScreens();
}

// The print options dialog where the window manager puts it, centred over a main window that fills the
// screen: on the small screen all of it, "印刷" and "キャンセル" included, is on the screen.
void ShellScreenshotTest::PrintDialogOverTheMainWindow()
{
    QFETCH(QSize, screen);
    ShellWithADocument shell;
    QImage shot = shell.Shot(screen);
    PrintDialogOverShell print(shell);
    QtPrintDialog& dialog = print.Dialog;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(PutDialog(shot, dialog, Centred(dialog, screen)));
    QVERIFY(shot.save(PictureName("print-dialog")));
}

// The start on the school's first day: the calendar and the view show the same day.
void ShellScreenshotTest::MainWindowAtStartUp()
{
    QFETCH(QSize, screen);
    FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 8, 30, 0));
    ShellWithADocument shell;
    const QImage shot = shell.Shot(screen);
    auto* view = dynamic_cast<CPlanovaView*>(shell.App->Documents().ActiveFrame()->View());
    QVERIFY(view != nullptr);
    QCOMPARE(view->Information()->Calendar()->selectedDate(), QDate(2024, 4, 8));
    QVERIFY(view->Planner().State.CurrentDate.IsIdenticalTo(DateTime::FromDate(2024, 4, 8)));
    QVERIFY(shot.save(PictureName("main-window-start")));
}

// The find dialog opened over the middle of the window moves off the hit when it finds it.
void ShellScreenshotTest::FindDialogBesideItsHit()
{
    QFETCH(QSize, screen);
    FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 8, 30, 0));
    ShellWithADocument shell;
    CMainFrame& frame = shell.App->MainFrame();
    shell.Shot(screen);
    frame.move(0, 0);
    QtFindDialog& dialog = frame.FindDialog();
    dialog.Open(FindDialogFind);
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.SearchEdit().setText(QStringLiteral("始業式"));
    auto* view = dynamic_cast<CPlanovaView*>(shell.App->Documents().ActiveFrame()->View());
    QVERIFY(view != nullptr);
    QTest::mouseClick(&dialog.FindNextButton(), Qt::LeftButton);
    const std::optional<QRect> hit = view->FindMarkOnScreen();
    QVERIFY(hit.has_value());
    QVERIFY(!dialog.frameGeometry().intersects(*hit));
    QImage shot = frame.grab().toImage();
    QVERIFY(PutDialog(shot, dialog, dialog.geometry().topLeft() - frame.geometry().topLeft()));
    QVERIFY(shot.save(PictureName("find-dialog")));
}

// The black look with the print options dialog: its radio and check marks as clear as its text.
void ShellScreenshotTest::BlackLookWithADialog()
{
    QFETCH(QSize, screen);
    ShellWithADocument shell;
    ApplyLook(CommandId::LookOffice2007Black);
    QImage shot = shell.Shot(screen);
    PrintDialogOverShell print(shell);
    QtPrintDialog& dialog = print.Dialog;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const bool put = PutDialog(shot, dialog, Centred(dialog, screen));
    ApplyLook(CommandId::LookDefault);
    QVERIFY(put);
    QVERIFY(shot.save(PictureName("black-look-dialog")));
}

QTEST_MAIN(ShellScreenshotTest)
#include "ShellScreenshotTest.moc"
