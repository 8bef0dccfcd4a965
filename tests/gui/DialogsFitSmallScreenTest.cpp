// Every dialog fits a 1024×600 screen with a task bar: opened at its minimum size, its frame (with a
// title bar) is at most 1024×560, so its buttons can be reached with the mouse on a school netbook.

#include "ShellTestSupport.h"

#include "gui/CAboutDlg.h"
#include "gui/QtCalendarServerDialog.h"
#include "gui/QtEventImportPreview.h"
#include "gui/QtClassHourDialog.h"
#include "gui/QtContentShiftDialog.h"
#include "gui/QtEntryDialog.h"
#include "gui/QtFindDialog.h"
#include "gui/QtPrintDialog.h"
#include "gui/QtPropertySheet.h"
#include "gui/QtSchoolYearDialog.h"
#include "gui/ToolbarCustomiseDlg.h"
#include "gui/WindowListDlg.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace planova;
using namespace planova::test;

namespace {

/// The screen of a school netbook less its task bar.
constexpr QSize SmallScreen(1024, 560);
/// The height of a window manager's title bar, which the offscreen platform does not draw.
constexpr int TitleBar = 30;

/// A dialog as the application opens it, with the values the caller would give it.
template <typename Dialog, typename Values> std::unique_ptr<QDialog> Started(const Values& values)
{
    auto dialog = std::make_unique<Dialog>();
    dialog->Start(values);
    return dialog;
}

std::unique_ptr<QDialog> CalendarServerDialog(CalendarServerTask task)
{
    auto dialog = std::make_unique<QtCalendarServerDialog>();
    CalendarServerValues values;
    values.Task = task;
    values.Url = "https://calendar.example.ed.jp/remote.php/dav/calendars/teacher/plan/";
    values.From = DateTime::FromDate(2026, 4, 1);
    values.To = DateTime::FromDate(2027, 3, 31);
    dialog->Start(values, false);
    return dialog;
}

/// A preview of a month of imported events, each day with a long typed event.
std::unique_ptr<QDialog> ImportPreview()
{
    EventImportPlan plan;
    for (int day = 1; day <= 30; ++day) {
        plan.Changes.push_back({DateTime::FromDate(2026, 6, day),
                                Utf8ToCp932("授業参観・学年懇談会"),
                                Utf8ToCp932("授業参観・学年懇談会\r\n15:30 職員会議"),
                                {"15:30 職員会議"}});
    }
    return std::make_unique<QtEventImportPreview>(plan);
}

std::unique_ptr<QDialog> EntryDialog(int mode)
{
    EntryDialogValues values;
    values.EditMode = mode;
    values.TitlePrefix = DayTitlePrefix(DateTime::FromDate(2026, 12, 11));
    ApplyStartRule(values);
    return Started<QtEntryDialog>(values);
}

} // namespace

class DialogsFitSmallScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void EveryDialogFitsANetbookScreen_data();
    void EveryDialogFitsANetbookScreen();
    void TheFileDialogShowsItsColumnsWhole();
};

void DialogsFitSmallScreenTest::EveryDialogFitsANetbookScreen_data()
{
    QTest::addColumn<std::function<std::unique_ptr<QDialog>()>>("make");
    using Make = std::function<std::unique_ptr<QDialog>()>;
    static QMdiArea area;
    static CPlanovaDoc document;
    static const ViewPrintState printState = CopyPrintSettings(document);
    static PrintDialogModel printModel(printState, DateTime::FromDate(2026, 12, 11), false);

    QTest::newRow("印刷") << Make([] {
        auto dialog = std::make_unique<QtPrintDialog>();
        dialog->Start(printModel);
        return std::unique_ptr<QDialog>(std::move(dialog));
    });
    QTest::newRow("検索") << Make([] {
        auto dialog = std::make_unique<QtFindDialog>(nullptr);
        dialog->Open(FindDialogReplace);
        return std::unique_ptr<QDialog>(std::move(dialog));
    });
    QTest::newRow("セルの編集: 予定") << Make([] { return EntryDialog(EditKindAndEvent); });
    QTest::newRow("セルの編集: メモ") << Make([] { return EntryDialog(EditMemo); });
    QTest::newRow("セルの編集: ToDo") << Make([] { return EntryDialog(EditToDo); });
    QTest::newRow("プロパティ") << Make([] { return Started<QtPropertySheet>(PropertySheetValues{}); });
    QTest::newRow("年度の作成") << Make([] {
        return Started<QtSchoolYearDialog>(SchoolYearDialogDefaults(DateTime::FromDate(2026, 12, 11), false));
    });
    QTest::newRow("授業時数") << Make([] { return Started<QtClassHourDialog>(ClassHourValues{}); });
    QTest::newRow("内容の移動") << Make([] { return Started<QtContentShiftDialog>(ContentShiftValues{}); });
    QTest::newRow("カレンダーサーバーに公開")
        << Make([] { return CalendarServerDialog(CalendarServerTask::Publish); });
    QTest::newRow("行事予定を取り込む")
        << Make([] { return CalendarServerDialog(CalendarServerTask::Import); });
    QTest::newRow("行事予定の取り込み: 確認") << Make(ImportPreview);
    QTest::newRow("バージョン情報") << Make([] { return std::unique_ptr<QDialog>(new CAboutDlg); });
    QTest::newRow("ツールバーのカスタマイズ") << Make([] {
        return std::unique_ptr<QDialog>(new ToolbarCustomiseDlg({57600, 57601, 57603}, nullptr));
    });
    QTest::newRow("ウィンドウの一覧") << Make([] {
        return std::unique_ptr<QDialog>(new WindowListDlg(
            area, [](QMdiSubWindow&) {}, nullptr));
    });
}

void DialogsFitSmallScreenTest::EveryDialogFitsANetbookScreen()
{
    QFETCH(std::function<std::unique_ptr<QDialog>()>, make);
    const std::unique_ptr<QDialog> dialog = make();
    dialog->resize(dialog->minimumSizeHint());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    const QRect frame = dialog->frameGeometry();
    const int titleBar = std::max(TitleBar, dialog->geometry().top() - frame.top());
    const QSize needed(frame.width(), dialog->geometry().height() + titleBar +
                                          (frame.bottom() - dialog->geometry().bottom()));
    QVERIFY2(needed.width() <= SmallScreen.width() && needed.height() <= SmallScreen.height(),
             qPrintable(QStringLiteral("%1 needs %2×%3")
                            .arg(dialog->windowTitle())
                            .arg(needed.width())
                            .arg(needed.height())));
}

void DialogsFitSmallScreenTest::TheFileDialogShowsItsColumnsWhole()
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("令和8年度の学級通信と行事予定"));
    QFile file(folder.filePath(QStringLiteral("2026年度_第1学期_年間行事予定表_最終版.dat")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(123456, 'x'));
    file.close();

    QFileDialog dialog(nullptr, QStringLiteral("開く"), folder.path(), DataFileFilter());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    FitFileDialog(dialog, QRect(QPoint(0, 0), SmallScreen));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* files = dialog.findChild<QTreeView*>();
    QVERIFY(files != nullptr);
    QTRY_COMPARE(files->model()->rowCount(files->rootIndex()), 2);
    QCoreApplication::processEvents();

    QVERIFY2(
        dialog.frameGeometry().width() <= SmallScreen.width() &&
            dialog.geometry().height() + TitleBar <= SmallScreen.height(),
        qPrintable(
            QStringLiteral("%1×%2").arg(dialog.frameGeometry().width()).arg(dialog.geometry().height())));
    // Every column but the name shows its widest text and its caption whole.
    QHeaderView* header = files->header();
    for (int column = 1; column < header->count(); ++column) {
        int needed = header->sectionSizeHint(column);
        for (int row = 0; row < files->model()->rowCount(files->rootIndex()); ++row) {
            const QModelIndex cell = files->model()->index(row, column, files->rootIndex());
            needed = std::max(needed, files->fontMetrics().horizontalAdvance(cell.data().toString()));
        }
        QVERIFY2(header->sectionSize(column) >= needed, qPrintable(QStringLiteral("column %1: %2 of %3")
                                                                       .arg(column)
                                                                       .arg(header->sectionSize(column))
                                                                       .arg(needed)));
    }
    // The name column has the rest, and room for more than a short name.
    QVERIFY(header->sectionSize(0) >= 300);
}

QTEST_MAIN(DialogsFitSmallScreenTest)
#include "DialogsFitSmallScreenTest.moc"
