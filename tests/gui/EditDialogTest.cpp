// The cell edit dialog driven with real keys and mouse clicks: modes, colours, layout on resize,
// line breaks, characters that code page 932 cannot hold, cancel.

#include "ShellTestSupport.h"

#include "gui/QtEntryDialog.h"
#include "gui/DateField.h"
#include "gui/QtViewServices.h"
#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "model/DataFileLoad.h"
#include "model/DataFileSave.h"
#include "support/Cp932Literals.h"
#include "edit/UndoCommand.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace planova;
using namespace planova::test;

namespace {

EntryDialogValues ValuesOf(int mode)
{
    EntryDialogValues values;
    values.EditMode = mode;
    values.TitlePrefix = Sj("2012年 4月 1日");
    values.DateValue = DateTime::FromDateTime(2014, 5, 6, 13, 45, 0);
    return values;
}

QStringList ComboEntries(const QComboBox& combo)
{
    QStringList entries;
    for (int i = 0; i < combo.count(); ++i)
        entries << combo.itemText(i);
    return entries;
}

void ClickOk(QtEntryDialog& dialog)
{
    QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
}

} // namespace

class EditDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Dialog = std::make_unique<QtEntryDialog>(); }
    void cleanup() { Dialog.reset(); }

    void modesShowTheirControls_data();
    void modesShowTheirControls();
    void colourRadioRoundTrip();
    void resizeKeepsButtonsInTheCornerAndFieldsStretched();
    void windowIsNoSmallerThanTheMinimum();
    void enterInsertsALineBreakStoredAsCrLf();
    void unchangedTextsKeepTheirBytes();
    void charactersBeyondTheCodePageAreKept_data();
    void charactersBeyondTheCodePageAreKept();
    void pastedEmojiIsKept();
    void importanceIsTheTypedTextAsItStands();
    void datePickerChangesTheDateOnly();
    void aTypedDeadlineIsTakenAsTyped_data();
    void aTypedDeadlineIsTakenAsTyped();
    void anImpossibleDeadlineIsRefused();
    void runConfirmsAndCancels();
    void editingADayThroughTheDialog();
    void savePictures();

private:
    void Show(const EntryDialogValues& values)
    {
        Dialog->Start(values);
        Dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
    }

    std::unique_ptr<QtEntryDialog> Dialog;
};

void EditDialogTest::modesShowTheirControls_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("shown"); // c combo, 1–3 edits, d date picker, r radios
    QTest::addColumn<QStringList>("combo");

    const QStringList kinds{"50分時程", "45分時程", "休日", "振替休業日"};
    const QStringList importance{"A1", "B1", "C1", "A2", "B2", "C2", "A3",
                                 "B3", "C3", "R0", "R1", "R2", "R3", "PJ"};
    QTest::newRow("kind and event") << int(EditKindAndEvent) << "2012年 4月 1日の時程・行事の変更"
                                    << QStringList{"時程：", "行事："} << "c1" << kinds;
    QTest::newRow("period row") << int(EditPeriodRow) << "2012年 4月 1日の時限・予定・内容の変更"
                                << QStringList{"時限：", "予定：", "内容：", "枠内の色："} << "123r"
                                << QStringList{};
    QTest::newRow("memo") << int(EditMemo) << "2012年 4月 1日のメモの変更" << QStringList{"メモ："} << "1"
                          << QStringList{};
    QTest::newRow("ToDo") << int(EditToDo) << "ToDoの変更"
                          << QStringList{"件名：", "期限：", "重要：", "メモ："} << "c12d" << importance;
}

void EditDialogTest::modesShowTheirControls()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QStringList, labels);
    QFETCH(QString, shown);
    QFETCH(QStringList, combo);

    Show(ValuesOf(mode));
    QCOMPARE(Dialog->windowTitle(), title);
    QStringList shownLabels;
    for (int n = 1; n <= 4; ++n) {
        if (Dialog->Label(n).isVisible())
            shownLabels << Dialog->Label(n).text();
    }
    QCOMPARE(shownLabels, labels);
    QCOMPARE(Dialog->Combo().isVisible(), shown.contains('c'));
    QCOMPARE(Dialog->Edit(1).isVisible(), shown.contains('1'));
    QCOMPARE(Dialog->Edit(2).isVisible(), shown.contains('2'));
    QCOMPARE(Dialog->Edit(3).isVisible(), shown.contains('3'));
    QCOMPARE(Dialog->DatePicker().isVisible(), shown.contains('d'));
    for (int k = 0; k < CellColourCount; ++k)
        QCOMPARE(Dialog->Radio(k).isVisible(), shown.contains('r'));
    QCOMPARE(ComboEntries(Dialog->Combo()), combo);
    QVERIFY(Dialog->OkButton().isVisible());
    QCOMPARE(Dialog->CancelButton().text(), QStringLiteral("キャンセル"));
    // A ToDo item starts with the importance "A1" when it has none.
    if (mode == EditToDo)
        QCOMPARE(Dialog->Combo().currentText(), QStringLiteral("A1"));

    // The top field has the focus; Tab goes down the fields.
    QWidget* first = mode == EditKindAndEvent ? static_cast<QWidget*>(&Dialog->Combo()) : &Dialog->Edit(1);
    QTRY_VERIFY(first->hasFocus());
    if (mode == EditToDo) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(Dialog->DatePicker().hasFocus());
        // The whole date is selected, to be typed over; the next Tab goes on to the importance.
        QCOMPARE(Dialog->DatePicker().selectedText(), QStringLiteral("2014/05/06"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(Dialog->Combo().hasFocus());
    }
}

void EditDialogTest::colourRadioRoundTrip()
{
    const QStringList names{"白", "青", "赤", "橙", "緑", "紫", "黄", "茶"};
    for (int k = 0; k < CellColourCount; ++k)
        QCOMPARE(Dialog->Radio(k).text(), names[k]);

    for (const auto& [given, checked] :
         {std::pair{3, 3}, std::pair{7, 7}, std::pair{9, 0}, std::pair{-2, 0}}) {
        EntryDialogValues values = ValuesOf(EditPeriodRow);
        values.ColorIndex = given;
        Show(values);
        for (int k = 0; k < CellColourCount; ++k)
            QCOMPARE(Dialog->Radio(k).isChecked(), k == checked);
        Dialog->hide();
    }

    EntryDialogValues values = ValuesOf(EditPeriodRow);
    values.ColorIndex = 2;
    Show(values);
    QTest::mouseClick(&Dialog->Radio(7), Qt::LeftButton);
    QVERIFY(Dialog->Radio(7).isChecked());
    QVERIFY(!Dialog->Radio(2).isChecked());
    ClickOk(*Dialog);
    QCOMPARE(Dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Dialog->Confirmed().ColorIndex, 7);

    // Opened again with what was stored, "茶" is checked.
    values.ColorIndex = Dialog->Confirmed().ColorIndex;
    Show(values);
    QVERIFY(Dialog->Radio(7).isChecked());
}

void EditDialogTest::resizeKeepsButtonsInTheCornerAndFieldsStretched()
{
    for (int mode : {EditKindAndEvent, EditPeriodRow, EditMemo, EditToDo}) {
        Show(ValuesOf(mode));
        QWidget* last = mode == EditPeriodRow ? static_cast<QWidget*>(&Dialog->Edit(3))
                        : mode == EditToDo    ? static_cast<QWidget*>(&Dialog->Edit(2))
                                              : &Dialog->Edit(1);
        for (QSize size : {QSize(800, 600), QSize(310, 300), QSize(1000, 400), QSize(420, 340)}) {
            Dialog->resize(size);
            QCoreApplication::processEvents();
            const QRect cancel = Dialog->CancelButton().geometry();
            const QRect ok = Dialog->OkButton().geometry();
            QCOMPARE(cancel.x() + cancel.width(), size.width() - 7);
            QCOMPARE(cancel.y() + cancel.height(), size.height() - 7);
            QCOMPARE(ok.y(), cancel.y());
            QCOMPARE(ok.x(), cancel.x() - cancel.width() - cancel.width() / 2);
            for (QWidget* field :
                 {static_cast<QWidget*>(&Dialog->Combo()), static_cast<QWidget*>(&Dialog->Edit(1)),
                  static_cast<QWidget*>(&Dialog->Edit(2)), static_cast<QWidget*>(&Dialog->Edit(3)),
                  static_cast<QWidget*>(&Dialog->DatePicker())}) {
                if (field->isVisible()) {
                    QCOMPARE(field->x(), 45);
                    QCOMPARE(field->x() + field->width(), size.width() - 7);
                }
            }
            const int bottom = mode == EditPeriodRow ? Dialog->Radio(0).y() - 7 : cancel.y() - 7;
            QCOMPARE(last->y() + last->height(), bottom);
            if (mode == EditPeriodRow) {
                // The radios start at 60, or right of their caption when the font needs it wider.
                const QLabel& caption = Dialog->Label(4);
                QCOMPARE(Dialog->Radio(0).x(), std::max(60, caption.x() + caption.sizeHint().width() + 3));
                QCOMPARE(Dialog->Radio(7).y() + Dialog->Radio(7).height(), cancel.y() - 7);
                QCOMPARE(Dialog->Label(4).y(), bottom + 10);
            }
        }
        const int entries = mode == EditKindAndEvent ? 4 : mode == EditToDo ? 14 : 0;
        QCOMPARE(Dialog->Combo().count(), entries);
        QCOMPARE(ComboEntries(Dialog->Combo()).removeDuplicates(), qsizetype(0));
        Dialog->hide();
    }
}

void EditDialogTest::windowIsNoSmallerThanTheMinimum()
{
    Show(ValuesOf(EditPeriodRow));
    Dialog->resize(100, 80);
    QCoreApplication::processEvents();
    QVERIFY(Dialog->frameGeometry().width() >= 310);
    QVERIFY(Dialog->frameGeometry().height() >= 300);
    Dialog->resize(311, 301);
    QCOMPARE(Dialog->size(), QSize(311, 301));
}

void EditDialogTest::enterInsertsALineBreakStoredAsCrLf()
{
    EntryDialogValues values = ValuesOf(EditMemo);
    values.Text1 = "first\r\nsecond";
    Show(values);
    QPlainTextEdit& memo = Dialog->Edit(1);
    QCOMPARE(memo.toPlainText(), QStringLiteral("first\nsecond"));
    memo.setFocus();
    memo.moveCursor(QTextCursor::End);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, "third");
    QTest::keyClick(&memo, Qt::Key_Enter);
    Commit(memo, QStringLiteral("四番目"));
    QVERIFY(Dialog->isVisible()); // Enter did not press OK
    ClickOk(*Dialog);
    QCOMPARE(Dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Dialog->Confirmed().Text1, "first\r\nsecond\r\nthird\r\n" + Sj("四番目"));
}

void EditDialogTest::unchangedTextsKeepTheirBytes()
{
    EntryDialogValues values = ValuesOf(EditPeriodRow);
    values.Text1 = "bad \x81";       // a lead byte without its trail byte
    values.Text2 = "lone\rreturn";   // shown as a line break, given back as it was
    values.Text3 = Sj("①～") + "\\"; // code page 932 only characters and a backslash
    Show(values);
    ClickOk(*Dialog);
    QCOMPARE(Dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Dialog->Confirmed().Text1, values.Text1);
    QCOMPARE(Dialog->Confirmed().Text2, values.Text2);
    QCOMPARE(Dialog->Confirmed().Text3, values.Text3);
}

void EditDialogTest::charactersBeyondTheCodePageAreKept_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("beyond the BMP") << QStringLiteral("吉𠮷田");
    QTest::newRow("the code page's own 髙") << QStringLiteral("髙橋");
    QTest::newRow("髙 with a variation selector") << QStringLiteral("髙\U000E0100橋");
    QTest::newRow("emoji") << QStringLiteral("文化祭🎉");
    QTest::newRow("combining mark") << QStringLiteral("か\u0301");
    QTest::newRow("the escape typed literally") << QStringLiteral("&#x20BB7;");
    QTest::newRow("an escape of a plain letter typed literally") << QStringLiteral("&#x41;");
    QTest::newRow("a name and an emoji") << QStringLiteral("𠮷田さん🎉");
    QTest::newRow("plain Japanese on two lines") << QStringLiteral("国語\n①");
}

void EditDialogTest::charactersBeyondTheCodePageAreKept()
{
    QFETCH(QString, typed);
    DialogScript script;
    Show(ValuesOf(EditPeriodRow));
    QPlainTextEdit& plan = Dialog->Edit(2);
    plan.setFocus();
    Commit(plan, typed);
    ClickOk(*Dialog);

    QVERIFY(script->Asked.empty());
    QCOMPARE(Dialog->result(), int(QDialog::Accepted));
    const std::string stored = Dialog->Confirmed().Text2;
    QCOMPARE(
        QString::fromStdString(Cp932ToUtf8(stored)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        typed);

    // Saved in a data file and opened again, the dialog shows the characters, not their escapes.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const std::string path = folder.filePath(QStringLiteral("typed.dat")).toStdString();
    const DateTime date = DateTime::FromDate(2024, 6, 12);
    CPlanovaDoc document;
    CDayData day;
    day.ClearDay(date);
    day.SetYotei(0, stored);
    document.PutDay(day);
    const Outcome saved = SaveDataFile(path, document);
    QVERIFY2(saved.Ok, saved.Error.c_str());
    const LoadedDataFile loaded = LoadDataFile(path);
    QVERIFY2(loaded.Result.Ok, loaded.Result.Error.c_str());
    EntryDialogValues again = ValuesOf(EditPeriodRow);
    again.Text2 = loaded.Document->Day(date).GetYotei(0);
    QCOMPARE(again.Text2, stored);
    Show(again);
    QCOMPARE(Dialog->Edit(2).toPlainText(), typed);

    // A strict reader of the code page (Python's cp932 codec, no error handler) decodes every byte of
    // the file after its length prefix (1 byte, or 0xFF and 2 bytes, or 0xFF 0xFFFF and 4 bytes).
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys\n"
                                 "d = open(sys.argv[1], 'rb').read()\n"
                                 "n = 1 if d[0] < 255 else 3 if d[1:3] != b'\\xff\\xff' else 7\n"
                                 "d[n:].decode('cp932')\n"),
                  QString::fromStdString(path)});
    QVERIFY(python.waitForFinished(30000));
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
}

void EditDialogTest::pastedEmojiIsKept()
{
    DialogScript script;
    EntryDialogValues values = ValuesOf(EditToDo);
    values.Text1 = Sj("件名");
    Show(values);
    QGuiApplication::clipboard()->setText(QStringLiteral("会議😀"));
    QLineEdit& importance = *Dialog->Combo().lineEdit();
    importance.setFocus();
    importance.selectAll();
    QTest::keyClick(&importance, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Dialog->Combo().currentText(), QStringLiteral("会議😀"));
    ClickOk(*Dialog);
    QVERIFY(script->Asked.empty());
    QCOMPARE(Dialog->Confirmed().ComboText, Sj("会議") + "&#x1F600;");
}

void EditDialogTest::importanceIsTheTypedTextAsItStands()
{
    EntryDialogValues values = ValuesOf(EditToDo);
    values.ComboText = "B2";
    Show(values);
    QComboBox& combo = Dialog->Combo();
    QCOMPARE(combo.currentIndex(), 4);
    combo.lineEdit()->setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(combo.lineEdit(), "r2");
    ClickOk(*Dialog);
    QCOMPARE(Dialog->Confirmed().ComboText, std::string("r2"));
    QCOMPARE(combo.count(), 14);

    // "R" alone is not completed to a list entry.
    Show(values);
    combo.lineEdit()->selectAll();
    QTest::keyClicks(combo.lineEdit(), "R");
    ClickOk(*Dialog);
    QCOMPARE(Dialog->Confirmed().ComboText, std::string("R"));
}

void EditDialogTest::datePickerChangesTheDateOnly()
{
    const DateTime given = DateTime::FromDateTime(2014, 5, 6, 13, 45, 0);
    EntryDialogValues values = ValuesOf(EditToDo);
    values.DateValue = given;
    Show(values);
    DateField& picker = Dialog->DatePicker();
    QCOMPARE(picker.text(), QStringLiteral("2014/05/06"));
    ClickOk(*Dialog);
    QVERIFY(Dialog->Confirmed().DateValue.IsIdenticalTo(given));

    // ↑ steps one day; the time of day stays.
    Show(values);
    picker.setFocus();
    QTest::keyClick(&picker, Qt::Key_Up);
    QCOMPARE(picker.Date(), QDate(2014, 5, 7));
    ClickOk(*Dialog);
    QVERIFY(Dialog->Confirmed().DateValue.IsIdenticalTo(DateTime::FromDateTime(2014, 5, 7, 13, 45, 0)));

    // A day picked from the drop-down calendar.
    Show(values);
    picker.setFocus();
    QTest::keyClick(&picker, Qt::Key_Down, Qt::AltModifier);
    QCalendarWidget& calendar = picker.Calendar();
    QTRY_VERIFY(calendar.isVisible());
    QCOMPARE(calendar.selectedDate(), QDate(2014, 5, 6));
    calendar.setSelectedDate(QDate(2014, 5, 20));
    emit calendar.activated(QDate(2014, 5, 20));
    QVERIFY(!calendar.isVisible());
    QCOMPARE(picker.text(), QStringLiteral("2014/05/20"));
    ClickOk(*Dialog);
    QVERIFY(Dialog->Confirmed().DateValue.IsIdenticalTo(DateTime::FromDateTime(2014, 5, 20, 13, 45, 0)));

    // An invalid deadline shows today and stays invalid unless another date is picked.
    FixedNowScope now(DateTime::FromDateTime(2020, 2, 3, 8, 0, 0));
    values.DateValue = DateTime::Invalid();
    Show(values);
    QCOMPARE(picker.Date(), QDate(2020, 2, 3));
    ClickOk(*Dialog);
    QVERIFY(!Dialog->Confirmed().DateValue.IsValid());
}

void EditDialogTest::aTypedDeadlineIsTakenAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inputMethod");
    QTest::newRow("slashes") << QStringLiteral("2026/12/15") << false;
    QTest::newRow("hyphens") << QStringLiteral("2026-12-15") << false;
    QTest::newRow("digits") << QStringLiteral("20261215") << false;
    QTest::newRow("full width") << QStringLiteral("２０２６／１２／１５") << true;
}

void EditDialogTest::aTypedDeadlineIsTakenAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, inputMethod);
    Show(ValuesOf(EditToDo));
    QCOMPARE(QApplication::focusWidget(), &Dialog->Edit(1));
    // Tab from the subject lands on the deadline, ready for a whole date to be typed over it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &Dialog->DatePicker());
    if (inputMethod)
        Commit(Dialog->DatePicker(), typed);
    else
        QTest::keyClicks(&Dialog->DatePicker(), typed);
    ClickOk(*Dialog);
    QVERIFY(!Dialog->isVisible());
    QVERIFY(Dialog->Confirmed().DateValue.IsIdenticalTo(DateTime::FromDateTime(2026, 12, 15, 13, 45, 0)));
}

void EditDialogTest::anImpossibleDeadlineIsRefused()
{
    const DialogScript script;
    for (const QString& typed :
         {QStringLiteral("2026/02/30"), QStringLiteral("20261315"), QStringLiteral("2026/1")}) {
        Dialog = std::make_unique<QtEntryDialog>();
        Show(ValuesOf(EditToDo));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        ClickOk(*Dialog);
        QVERIFY2(Dialog->isVisible(), qPrintable(typed));
        QVERIFY(script->WasAsked(QStringLiteral("日付")));
        // The text stays as typed, selected for typing again.
        QCOMPARE(Dialog->DatePicker().text(), typed);
        QCOMPARE(Dialog->DatePicker().selectedText(), typed);
        QVERIFY(Dialog->DatePicker().hasFocus());
        script->Asked.clear();
    }
}

void EditDialogTest::runConfirmsAndCancels()
{
    const auto runWith = [this](EntryDialogValues& values, std::function<void()> user) {
        QTimer::singleShot(0, Dialog.get(), [this, user] {
            QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
            user();
        });
        return Dialog->Run(values);
    };
    EntryDialogValues values = ValuesOf(EditKindAndEvent);
    values.ComboText = Sj("休日");
    values.Text1 = Sj("文化の日");
    const EntryDialogValues original = values;

    // Escape, the cancel button and closing the window each cancel and leave the values alone.
    const std::vector<std::function<void()>> cancels{
        [this] { QTest::keyClick(&Dialog->Edit(1), Qt::Key_Escape); },
        [this] { QTest::mouseClick(&Dialog->CancelButton(), Qt::LeftButton); },
        [this] { Dialog->close(); },
    };
    for (const auto& cancel : cancels) {
        const bool confirmed = runWith(values, [this, cancel] {
            Dialog->Edit(1).setFocus();
            QTest::keyClicks(&Dialog->Edit(1), "typed");
            QTest::mouseClick(&Dialog->Radio(3), Qt::LeftButton);
            cancel();
        });
        QVERIFY(!confirmed);
        QCOMPARE(values.ComboText, original.ComboText);
        QCOMPARE(values.Text1, original.Text1);
        QCOMPARE(values.ColorIndex, original.ColorIndex);
    }

    const bool confirmed = runWith(values, [this] {
        QCOMPARE(Dialog->Combo().currentText(), QStringLiteral("休日"));
        QCOMPARE(Dialog->Combo().currentIndex(), 2);
        Dialog->Edit(1).setFocus();
        Dialog->Edit(1).moveCursor(QTextCursor::End);
        Commit(Dialog->Edit(1), QStringLiteral("・振替"));
        ClickOk(*Dialog);
    });
    QVERIFY(confirmed);
    QCOMPARE(values.ComboText, Sj("休日"));
    QCOMPARE(values.Text1, Sj("文化の日・振替"));
}

void EditDialogTest::editingADayThroughTheDialog()
{
    CPlanovaDoc document;
    document.InitUndoHistory();
    const DateTime day = DateTime::FromDate(2012, 4, 1);

    QTimer::singleShot(0, Dialog.get(), [this] {
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("2012年 4月 1日のメモの変更"));
        Commit(Dialog->Edit(1), QStringLiteral("職員会議"));
        QTest::keyClick(&Dialog->Edit(1), Qt::Key_Return);
        QTest::keyClicks(&Dialog->Edit(1), "16:00");
        ClickOk(*Dialog);
    });
    QtViewServices dialogs(*Dialog);
    QVERIFY(EditDayEntry(document, day, 12, dialogs));
    QCOMPARE(document.DayList().size(), size_t(1));
    QCOMPARE(document.DayList()[0].GetMemo(), Sj("職員会議") + "\r\n16:00");
    QVERIFY(document.IsModified());
    QCOMPARE(document.Undos().UndoCount(), 1);

    document.SetModified(false);
    const auto days = document.DayList();
    QTimer::singleShot(0, Dialog.get(), [this] {
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        QTest::keyClicks(&Dialog->Edit(1), "more");
        QTest::keyClick(&Dialog->Edit(1), Qt::Key_Escape);
    });
    QVERIFY(!EditDayEntry(document, day, 12, dialogs));
    QCOMPARE(document.DayList(), days);
    QVERIFY(!document.IsModified());
    QCOMPARE(document.Undos().UndoCount(), 1);

    QVERIFY(UndoLast(document));
    QVERIFY(document.DayList().empty()); // the day had no record before the edit
}

void EditDialogTest::savePictures()
{
    const struct
    {
        int Mode;
        const char* Name;
    } modes[] = {
        {EditKindAndEvent, "kind"}, {EditPeriodRow, "period-row"}, {EditMemo, "memo"}, {EditToDo, "todo"}};
    for (const auto& mode : modes) {
        EntryDialogValues values = ValuesOf(mode.Mode);
        values.ComboText = mode.Mode == EditKindAndEvent ? Sj("50分時程") : "";
        values.Text1 = Sj(mode.Mode == EditPeriodRow ? "③"
                          : mode.Mode == EditToDo    ? "通知表の所見"
                                                     : "避難訓練");
        values.Text2 = Sj(mode.Mode == EditToDo ? "学年会で確認" : "2年1組 国語");
        values.Text3 = Sj("「走れメロス」\r\n音読と感想");
        values.ColorIndex = 4;
        Show(values);
        QCoreApplication::processEvents();
        const QImage shot = Dialog->grab().toImage();
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/edit-dialog-%1.png").arg(mode.Name)));
        if (mode.Mode == EditPeriodRow) {
            Dialog->resize(100, 100); // the smallest the window lets it become
            QCoreApplication::processEvents();
            QVERIFY(
                Dialog->grab().toImage().save(QStringLiteral(PLANOVA_BINARY_DIR "/edit-dialog-minimum.png")));
        }
        Dialog->hide();
    }
}

QTEST_MAIN(EditDialogTest)
#include "EditDialogTest.moc"
