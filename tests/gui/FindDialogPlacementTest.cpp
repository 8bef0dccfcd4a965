// The find dialog moves clear of the text it found, and never off the screen. Run on a 1024×600
// offscreen screen (see tests/CMakeLists.txt), the size of a school netbook.

#include "ShellTestSupport.h"

#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CPlanovaView.h"
#include "gui/DialogPlacement.h"
#include "gui/DocumentManager.h"
#include "gui/QtFindDialog.h"
#include "model/Clock.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace planova;
using namespace planova::test;

class FindDialogPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void PlaceClearOfTheText_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("text");
        QTest::addColumn<QPoint>("expected");

        // The screen is 1024×560 (a task bar below); the dialog 400×200; the clearance 8 px.
        QTest::newRow("clear already: stays")
            << QRect(600, 300, 400, 200) << QRect(100, 100, 60, 16) << QPoint(600, 300);
        // Text at y 100–115: below it starts at 115 + 8 + 1 = 124, 124 px down; above there is no room.
        QTest::newRow("over the text: below it")
            << QRect(100, 0, 400, 200) << QRect(300, 100, 60, 16) << QPoint(100, 124);
        // Text at y 450–465: above it ends at 450 − 8 − 1 = 441, so the top is 242, 158 px up; below,
        // 474 + 200 would run off the screen.
        QTest::newRow("over text low on the screen: above it")
            << QRect(100, 400, 400, 200) << QRect(300, 450, 60, 16) << QPoint(100, 242);
        // A dialog partly off the screen that covers nothing is moved onto it: left edge 0.
        QTest::newRow("off the left edge, over the text: beside it, on the screen")
            << QRect(-100, 100, 400, 200) << QRect(50, 150, 60, 16) << QPoint(0, 174);
        // Text in the middle of a screen the dialog nearly fills: no room on any side, so it stays,
        // moved onto the screen (right edge 1023 → left 1023 − 1000 + 1 = 24).
        QTest::newRow("no room anywhere: on the screen")
            << QRect(100, 0, 1000, 500) << QRect(500, 270, 60, 16) << QPoint(24, 0);
    }

    void PlaceClearOfTheText()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, text);
        QFETCH(QPoint, expected);
        const QRect screen(0, 0, 1024, 560);
        const QPoint placed = PlaceClearOf(frame, text, screen);
        QCOMPARE(placed, expected);
        QVERIFY(screen.contains(placed));
    }

    void TheDialogMovesOffTheHitItFound()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 4, 8, 10, 0, 0));
        ShellSandbox sandbox;
        DialogScript dialogs;
        const QString file = sandbox.WriteDocument(QStringLiteral("2024年度.dat"), SchoolWeek());
        CPlanovaApp app(sandbox.Options());
        QVERIFY(app.Start({file}));
        CMainFrame& frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto* view = dynamic_cast<CPlanovaView*>(app.Documents().ActiveFrame()->View());
        QVERIFY(view != nullptr);
        const QRect screen = frame.screen()->availableGeometry();
        QCOMPARE(frame.screen()->geometry().size(), QSize(1024, 600));

        QtFindDialog& dialog = frame.FindDialog();
        dialog.Open(FindDialogFind);
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.SearchEdit().setText(QStringLiteral("始業式")); // Monday's event, the only one
        QTest::mouseClick(&dialog.FindNextButton(), Qt::LeftButton);
        const std::optional<QRect> hit = view->FindMarkOnScreen();
        QVERIFY(hit.has_value());

        // The user has put the dialog right over the hit and searches afresh: the dialog moves off it.
        QTest::mouseClick(&dialog.EndButton(), Qt::LeftButton);
        dialog.Open(FindDialogFind);
        dialog.SearchEdit().setText(QStringLiteral("始業式"));
        QRect over = dialog.frameGeometry();
        over.moveCenter(hit->center());
        dialog.move(over.topLeft());
        QVERIFY(dialog.frameGeometry().intersects(*hit));
        QTest::mouseClick(&dialog.FindNextButton(), Qt::LeftButton);
        const std::optional<QRect> again = view->FindMarkOnScreen();
        QVERIFY(again.has_value());
        QCOMPARE(*again, *hit);
        QVERIFY2(!dialog.frameGeometry().intersects(*hit),
                 qPrintable(QStringLiteral("dialog %1,%2 %3×%4 over the hit %5,%6")
                                .arg(dialog.frameGeometry().x())
                                .arg(dialog.frameGeometry().y())
                                .arg(dialog.frameGeometry().width())
                                .arg(dialog.frameGeometry().height())
                                .arg(hit->x())
                                .arg(hit->y())));
        QVERIFY(screen.contains(dialog.frameGeometry()));

        const QString pictures = qEnvironmentVariable("PLANOVA_SCREENSHOTS");
        if (!pictures.isEmpty())
            frame.screen()->grabWindow(0).save(pictures + QStringLiteral("/find-dialog-1024x600.png"));
    }
};

QTEST_MAIN(FindDialogPlacementTest)
#include "FindDialogPlacementTest.moc"
