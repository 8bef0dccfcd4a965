// The property sheet and the three school-tool dialogs on screen (offscreen): what they show, their
// rules and messages, clicks and typing; each is saved as a picture for the documentation.

#include "DialogTestSupport.h"
#include "ShellTestSupport.h"

#include "gui/QtClassHourDialog.h"
#include "gui/QtContentShiftDialog.h"
#include "gui/QtSchoolYearDialog.h"
#include "gui/QtPropertySheet.h"
#include "gui/DialogFields.h"
#include "gui/StepProgressDialog.h"
#include "model/Clock.h"
#include "support/Cp932Literals.h"
#include "view/PlannerView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

using namespace planova;
using namespace planova::test;

namespace {

QDate Q(int year, int month, int day)
{
    return QDate(year, month, day);
}

/// The document and view the sheet opens on: a timetable whose every text names its field.
struct SheetGround
{
    SheetGround()
    {
        View.InitialUpdate(DateTime::FromDate(2024, 6, 12));
        Document.BirthdayYear = 1985;
        Document.BirthdayMonth = 7;
        Document.BirthdayDay = 24;
        Document.Shiyousya = Sj("山田花子");
        const char* weekdays[] = {"月", "火", "水", "木", "金", "土"};
        for (int k = 0; k < CPlanovaDoc::JikannwariCount; ++k)
            Document.Jikannwari[static_cast<std::size_t>(k)] =
                Sj((std::string(weekdays[k / 6]) + "曜" + std::to_string(k % 6 + 1) + "限").c_str());
        Document.Jikannwari[31] = Sj("学活");
    }
    CPlanovaDoc Document;
    PlannerView View{Document};
};

/// Saves what the widget shows as a picture for the documentation, and checks it is no blank.
void SavePicture(QWidget& widget, const QString& name)
{
    const QImage shot = widget.grab().toImage();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.pixel(shot.width() / 2, 4) != 0 || shot.pixel(4, shot.height() / 2) != 0);
    QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/") + name));
}

bool SameValues(const PropertySheetValues& a, const PropertySheetValues& b)
{
    const DisplayPageValues& x = a.Display;
    const DisplayPageValues& y = b.Display;
    return std::tie(x.BirthYear, x.BirthMonth, x.BirthDay, x.FirstView, x.WeekStart, x.ShowToDoFirst,
                    x.SortKey, x.NoBiorhythm) == std::tie(y.BirthYear, y.BirthMonth, y.BirthDay, y.FirstView,
                                                          y.WeekStart, y.ShowToDoFirst, y.SortKey,
                                                          y.NoBiorhythm) &&
           a.Print.UserName == b.Print.UserName && a.Print.FontSizes == b.Print.FontSizes &&
           a.Timetable.Texts == b.Timetable.Texts && a.Timetable.Overwrite == b.Timetable.Overwrite;
}

} // namespace

class SettingsDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void PropertySheetShowsAndTakesTheSettings();
    void PropertySheetRefusesWhatItCannotTake();
    void SchoolYearDialog();
    void ClassHourDialog();
    void ContentShiftDialog();
    void ProgressDialogStopsWhenCancelled();
};

void SettingsDialogsTest::PropertySheetShowsAndTakesTheSettings()
{
    DialogScript dialogs;
    SheetGround ground;
    const PropertySheetValues start = StartPropertySheet(ground.View);
    QtPropertySheet sheet;
    sheet.Start(start);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));

    QCOMPARE(sheet.windowTitle(), QStringLiteral("プロパティ"));
    QTabWidget& tabs = sheet.Pages();
    QCOMPARE(tabs.count(), 3);
    QCOMPARE(tabs.tabText(0), QStringLiteral("表示"));
    QCOMPARE(tabs.tabText(1), QStringLiteral("印刷"));
    QCOMPARE(tabs.tabText(2), QStringLiteral("時間割"));
    QCOMPARE(At(sheet, 1105).text(), QStringLiteral("1985"));
    QCOMPARE(At(sheet, 1107).text(), QStringLiteral("24"));
    QVERIFY(At<QRadioButton>(sheet, 1108).isChecked());
    QVERIFY(At<QRadioButton>(sheet, 1113).isChecked());
    QVERIFY(At<QCheckBox>(sheet, 1111).isChecked());
    SavePicture(sheet, QStringLiteral("property-sheet-display.png"));

    // A click on 月予定表 checks it alone; 週予定表 then moves the check.
    Click(At<QRadioButton>(sheet, 1110));
    Click(At<QRadioButton>(sheet, 1109));
    QVERIFY(At<QRadioButton>(sheet, 1109).isChecked());
    QVERIFY(!At<QRadioButton>(sheet, 1108).isChecked() && !At<QRadioButton>(sheet, 1110).isChecked());
    Click(At<QRadioButton>(sheet, 1116));

    tabs.setCurrentIndex(1);
    QCOMPARE(At(sheet, 1188).text(), QStringLiteral("山田花子"));
    QCOMPARE(At(sheet, 1129).text(), QStringLiteral("16")); // 記録用紙, Ａ４
    SavePicture(sheet, QStringLiteral("property-sheet-print.png"));
    Type(At(sheet, 1143), QStringLiteral("33")); // ToDo表, Ａ５
    Type(At(sheet, 1188), QStringLiteral("山田"));
    QTest::mouseClick(&At<QPushButton>(sheet, 1140), Qt::LeftButton); // 初期化
    QCOMPARE(At(sheet, 1143).text(), QStringLiteral("6"));
    QCOMPARE(At(sheet, 1188).text(), QStringLiteral("山田"));

    tabs.setCurrentIndex(2);
    QCOMPARE(At(sheet, TimetableControlId(0)).text(), QStringLiteral("月曜1限"));
    QCOMPARE(At(sheet, 1099).text(), QStringLiteral("学活")); // Saturday ②
    QCOMPARE(At(sheet, 1103).text(), QStringLiteral("土曜6限"));
    SavePicture(sheet, QStringLiteral("property-sheet-timetable.png"));
    Type(At(sheet, 1068), QStringLiteral("国語"));
    Click(At<QCheckBox>(sheet, 1104));

    QTest::mouseClick(&sheet.OkButton(), Qt::LeftButton);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QVERIFY(dialogs->Asked.empty());
    PropertySheetValues expected = start;
    expected.Display.FirstView = 1;
    expected.Display.SortKey = 1;
    expected.Print.UserName = Sj("山田");
    expected.Print.FontSizes = DefaultFontPoints;
    expected.Timetable.Texts[0] = Sj("国語");
    expected.Timetable.Overwrite = true;
    QVERIFY(SameValues(sheet.Confirmed(), expected));

    // The values on the real sheet, taken over: the view is in the week view now.
    ApplyPropertySheet(ground.View, sheet.Confirmed());
    QCOMPARE(ground.View.Mode(), ViewMode::Week);
    QCOMPARE(ground.Document.Jikannwari[31], Sj("学活"));
    QCOMPARE(ground.Document.Jikannwari[0], Sj("国語"));
    QVERIFY(ground.Document.IsModified());

    // OK untouched gives back what the sheet opened with.
    QtPropertySheet again;
    again.Start(start);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTest::mouseClick(&again.OkButton(), Qt::LeftButton);
    QVERIFY(SameValues(again.Confirmed(), start));
}

void SettingsDialogsTest::PropertySheetRefusesWhatItCannotTake()
{
    DialogScript dialogs;
    SheetGround ground;
    QtPropertySheet sheet;
    sheet.Start(StartPropertySheet(ground.View));
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QTabWidget& tabs = sheet.Pages();

    struct Case
    {
        int Control;
        QString Typed;
        int Page;
        QString Message;
    };
    const Case cases[] = {
        {1107, QString(), 0, QStringLiteral("整数を入力してください。")},
        {1130, QStringLiteral("0"), 1, QStringLiteral("1 から 50 までの整数を入力してください。")},
        {1150, QStringLiteral("51"), 1, QStringLiteral("1 から 50 までの整数を入力してください。")},
    };
    for (const Case& c : cases) {
        QLineEdit& field = At(sheet, c.Control);
        const QString kept = field.text();
        tabs.setCurrentIndex(0);
        Type(field, c.Typed);
        tabs.setCurrentIndex(c.Page == 2 ? 1 : 2); // OK is pressed while another page is shown
        dialogs->Asked.clear();
        QTest::mouseClick(&sheet.OkButton(), Qt::LeftButton);
        QVERIFY2(sheet.isVisible() && sheet.result() != QDialog::Accepted, qPrintable(c.Typed));
        QVERIFY2(dialogs->WasAsked(c.Message), qPrintable(c.Message));
        QCOMPARE(tabs.currentIndex(), c.Page);
        QCOMPARE(QApplication::focusWidget(), &field);
        QCOMPARE(field.text(), c.Typed); // kept as typed
        if (c.Control == 1188 || c.Control == 1099)
            QCOMPARE(field.selectedText(), c.Message);
        field.setText(kept);
    }
    // The birthday 2010-02-30 is read (not refused); OK takes the rest and leaves the birthday.
    Type(At(sheet, 1105), QStringLiteral("2010"));
    Type(At(sheet, 1106), QStringLiteral("2"));
    Type(At(sheet, 1107), QStringLiteral("３０"));
    dialogs->Asked.clear();
    QTest::mouseClick(&sheet.OkButton(), Qt::LeftButton);
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
    QVERIFY(dialogs->Asked.empty());
    QCOMPARE(sheet.Confirmed().Display.BirthDay, 30);
    ApplyPropertySheet(ground.View, sheet.Confirmed());
    QCOMPARE(ground.Document.BirthdayYear, 1985);
    QCOMPARE(ground.Document.BirthdayDay, 24);
}

void SettingsDialogsTest::SchoolYearDialog()
{
    DialogScript dialogs;
    QtSchoolYearDialog dialog;
    dialog.Start(SchoolYearDialogDefaults(DateTime::FromDateTime(2024, 6, 12, 9, 0, 0), false));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("データの自動作成"));
    QCOMPARE(At<QDateEdit>(dialog, 1113).date(), Q(2024, 4, 1));
    QCOMPARE(At<QDateEdit>(dialog, 1114).date(), Q(2025, 3, 31));
    QCOMPARE(At<QDateEdit>(dialog, 1126).date(), Q(2025, 1, 7));
    QCOMPARE(At<QDateEdit>(dialog, 1128).date(), Q(2024, 6, 12));
    QVERIFY(At<QDateEdit>(dialog, 1119).isEnabled());
    QVERIFY(!At<QDateEdit>(dialog, 1128).isEnabled());
    QVERIFY(!At<QCheckBox>(dialog, 1186).isChecked());
    QComboBox& rules = At<QComboBox>(dialog, 1210);
    QComboBox& places = At<QComboBox>(dialog, 1211);
    QPlainTextEdit& ownDates = At<QPlainTextEdit>(dialog, 1212);
    QCOMPARE(rules.currentText(), QStringLiteral("現行の祝日法"));
    QCOMPARE(places.currentText(), QStringLiteral("東京都　都民の日（10月1日）"));
    QCOMPARE(places.count(), 11);
    QVERIFY(!ownDates.isEnabled());
    // The whole dialog fits a 1024 × 600 screen with room for its title bar.
    QVERIFY(dialog.sizeHint().width() <= 1024 && dialog.sizeHint().height() <= 560);
    SavePicture(dialog, QStringLiteral("make-auto-dialog.png"));

    // The heading 神奈川県 cannot be chosen: the arrow key passes on to 横浜市.
    places.setFocus();
    QTest::keyClick(&places, Qt::Key_Down);
    QCOMPARE(places.currentText(), QStringLiteral("　　横浜市　開港記念日（6月2日）"));
    // Own dates: the field takes input while they are chosen; a line that cannot be read keeps the dialog
    // open with the field in focus.
    places.setCurrentIndex(places.count() - 1);
    QVERIFY(ownDates.isEnabled());
    ownDates.setFocus();
    Commit(ownDates, QStringLiteral("06-02 開港記念日"));
    QTest::keyClick(&ownDates, Qt::Key_Return);
    Commit(ownDates, QStringLiteral("0701 市制記念日"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialogs->WasAsked(QStringLiteral("自分で指定する休日の2行目「0701 市制記念日」は読めません。")));
    QVERIFY(ownDates.hasFocus());
    QTest::keyClick(&ownDates, Qt::Key_Home);
    QTest::keyClick(&ownDates, Qt::Key_Right);
    QTest::keyClick(&ownDates, Qt::Key_Right);
    QTest::keyClicks(&ownDates, QStringLiteral("-"));
    QTest::keyClick(&rules, Qt::Key_Down);

    // Each check box enables its own pickers.
    Click(At<QCheckBox>(dialog, 1116));
    QVERIFY(!At<QDateEdit>(dialog, 1121).isEnabled() && !At<QDateEdit>(dialog, 1122).isEnabled());
    QVERIFY(At<QDateEdit>(dialog, 1123).isEnabled());
    Click(At<QCheckBox>(dialog, 1127));
    QVERIFY(At<QDateEdit>(dialog, 1128).isEnabled());

    At<QDateEdit>(dialog, 1113).setDate(Q(2025, 4, 1));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(
        dialogs->WasAsked(QStringLiteral("作成期間の開始日（2025年4月1日）が終了日（2025年3月31日）より後")));
    At<QDateEdit>(dialog, 1113).setDate(Q(2024, 4, 1));
    At<QDateEdit>(dialog, 1128).setDate(Q(2030, 6, 5));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const SchoolYearParameters parameters = SchoolYearDialogParameters(dialog.Confirmed());
    QVERIFY(!parameters.Days.Summer.On);
    QVERIFY(parameters.Days.FoundationDayOn);
    QCOMPARE(parameters.Days.FoundationDay, (MonthDay{6, 5}));
    QCOMPARE(parameters.End, DateTime::FromDate(2025, 3, 31));
    QCOMPARE(parameters.Holidays.RuleSet, HolidayRuleSet::Classic);
    QVERIFY((parameters.Holidays.LocalHolidays ==
             std::vector<LocalHoliday>{{{6, 2}, Sj("開港記念日")}, {{7, 1}, Sj("市制記念日")}}));
    QCOMPARE(dialog.Confirmed().LocalHolidays.OwnDates, std::string("06-02 開港記念日\n07-01 市制記念日"));
}

void SettingsDialogsTest::ClassHourDialog()
{
    DialogScript dialogs;
    ClassHourValues values;
    values.Names[0] = Sj("1年1組");
    values.Names[1] = Sj("1年2組");
    values.Offsets[1] = 4;
    values.Start = DateTime::FromDate(2024, 4, 1);
    values.End = DateTime::FromDate(2025, 3, 31);
    QtClassHourDialog dialog;
    dialog.Start(values);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("時数計算"));
    QCOMPARE(dialog.OkButton().text(), QStringLiteral("計算"));
    QVERIFY(dialog.CancelButton().isVisible());
    QVERIFY(!At<QCheckBox>(dialog, 1176).isEnabled());
    QCOMPARE(At(dialog, 1146).text(), QStringLiteral("1年1組"));
    QCOMPARE(At(dialog, 1150).text(), QStringLiteral("4"));
    QVERIFY(!At(dialog, 1151).isEnabled());

    Type(At(dialog, 1153), QStringLiteral("-"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialogs->WasAsked(QStringLiteral("整数を入力してください。")));
    QCOMPARE(QApplication::focusWidget(), &At(dialog, 1153));
    Type(At(dialog, 1153), QStringLiteral("－２"));
    Type(At(dialog, 1152), QStringLiteral("国語"));
    At<QDateEdit>(dialog, 1144).setDate(Q(2025, 4, 2));
    dialogs->Asked.clear();
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QVERIFY(dialogs->WasAsked(QStringLiteral("開始日（2025年4月2日）が終了日（2025年3月31日）より後")));
    At<QDateEdit>(dialog, 1144).setDate(Q(2024, 4, 1));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    ClassHourValues counted = dialog.Confirmed();
    QCOMPARE(counted.Names[2], Sj("国語"));
    QCOMPARE(counted.Offsets[2], -2);

    // The result showing: OK alone, "設定を保存する" can be checked.
    counted.Mode = ClassHourMode::Result;
    counted.Results = {12, 40, -2};
    QtClassHourDialog result;
    result.Start(counted);
    result.show();
    QVERIFY(QTest::qWaitForWindowExposed(&result));
    QCOMPARE(result.OkButton().text(), QStringLiteral("OK"));
    QVERIFY(!result.CancelButton().isVisible());
    QCOMPARE(At(result, 1151).text(), QStringLiteral("40"));
    SavePicture(result, QStringLiteral("class-hour-dialog.png"));
    Type(At(result, 1146), QStringLiteral("typed in the result"));
    Click(At<QCheckBox>(result, 1176));
    QTest::mouseClick(&result.OkButton(), Qt::LeftButton);
    QCOMPARE(result.result(), int(QDialog::Accepted));
    QVERIFY(result.Confirmed().SaveSettings);
    QCOMPARE(result.Confirmed().Names[0], Sj("1年1組"));
}

void SettingsDialogsTest::ContentShiftDialog()
{
    DialogScript dialogs;
    ContentShiftValues values;
    values.Start = DateTime::FromDate(2024, 6, 12);
    values.End = values.Start;
    QtContentShiftDialog dialog;
    dialog.Start(values);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("「内容」の繰り上げ・繰り下げ"));
    QVERIFY(At<QPushButton>(dialog, 1178).isChecked());
    QVERIFY(!dialog.OkButton().isEnabled());
    QCOMPARE(dialog.Reason().text(), QStringLiteral("学級名を入力してください。"));

    Type(At(dialog, 1182), QStringLiteral("2年3組"));
    QVERIFY(dialog.OkButton().isEnabled());
    QVERIFY(dialog.Reason().text().isEmpty());
    At<QDateEdit>(dialog, 1183).setDate(Q(2024, 6, 13));
    QVERIFY(!dialog.OkButton().isEnabled());
    QVERIFY(dialog.Reason().text().startsWith(
        QStringLiteral("開始日（2024年6月13日）が終了日（2024年6月12日）より後")));
    At<QDateEdit>(dialog, 1183).setDate(Q(2024, 6, 1));
    At<QDateEdit>(dialog, 1184).setDate(Q(2024, 6, 30));
    QTest::mouseClick(&At<QPushButton>(dialog, 1179), Qt::LeftButton);
    QVERIFY(At<QPushButton>(dialog, 1179).isChecked() && !At<QPushButton>(dialog, 1178).isChecked());
    QVERIFY(dialog.OkButton().isEnabled());
    SavePicture(dialog, QStringLiteral("content-shift-dialog.png"));

    Type(At(dialog, 1182), QStringLiteral("2年3組"));
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Confirmed().Direction, ShiftDirection::Later);
    QCOMPARE(dialog.Confirmed().ClassName, Sj("2年3組"));
    QCOMPARE(dialog.Confirmed().Start, DateTime::FromDate(2024, 6, 1));
    QCOMPARE(dialog.Confirmed().End, DateTime::FromDate(2024, 6, 30));
}

void SettingsDialogsTest::ProgressDialogStopsWhenCancelled()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    StepProgressDialog progress(&window, QStringLiteral("データの自動作成"),
                                QStringLiteral("作成しています"));
    progress.setMinimumDuration(0);
    int steps = 0;
    // The click arrives while the work runs, between two of its steps.
    QTimer::singleShot(0, &progress, [&] {
        auto* cancel = progress.findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
    });
    while (steps < 1000 && progress.Step(steps + 1, 1000)) {
        ++steps;
        QTest::qWait(1);
    }
    QVERIFY(steps < 1000);
    QVERIFY(progress.wasCanceled());
}

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
