#include "ShellTestSupport.h"
#include "gui/QtPrintDialog.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

using namespace planova;
using namespace planova::test;

namespace C = PrintControl;

class PrintDialogWidgetTest : public QObject
{
    Q_OBJECT

private:
    static ViewPrintState NewView()
    {
        CPlanovaDoc document;
        return CopyPrintSettings(document);
    }

    /// Clicks the button's indicator (a click far right of its text does not count as a click on it).
    static void Click(QtPrintDialog& dialog, int control)
    {
        QAbstractButton& button = dialog.Button(control);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }

    static void Type(QLineEdit& edit, const QString& text)
    {
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }

private slots:
    // The real dialog once: its controls follow the model, a bad number keeps it open, "印刷" confirms.
    void TheDialogBindsItsControlsToTheRules()
    {
        DialogScript script;
        PrintDialogModel model(NewView(), DateTime::FromDate(2024, 6, 12), false);
        QtPrintDialog dialog;
        dialog.Start(model);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QCOMPARE(dialog.windowTitle(), QStringLiteral("印刷"));
        QVERIFY(dialog.Button(C::DayType).isChecked());
        QCOMPARE(dialog.NumberEdit(C::FontSize).text(), QStringLiteral("9"));
        QCOMPARE(dialog.DateEdit(C::StartDate).date(), QDate(2024, 6, 12));
        QVERIFY(dialog.Button(C::PrinterDialog).isEnabled());

        // The year planner is one page; its page radios are disabled.
        Click(dialog, C::YearType);
        QVERIFY(dialog.Button(C::OnePage).isChecked());
        QVERIFY(!dialog.Button(C::Spread).isEnabled());
        QVERIFY(!dialog.Button(C::DayType).isChecked());
        QCOMPARE(dialog.NumberEdit(C::FontSize).text(), QStringLiteral("6"));

        // The special paper: A4 landscape spread becomes A5 upright left page.
        Click(dialog, C::DayType);
        Click(dialog, C::Spread);
        Click(dialog, C::SpecialPaper);
        QVERIFY(dialog.Button(C::PaperA5).isChecked());
        QVERIFY(dialog.Button(C::Portrait).isChecked());
        QVERIFY(dialog.Button(C::LeftPage).isChecked());
        QVERIFY(!dialog.Button(C::PaperA4).isEnabled());

        // A number out of range is refused with the message, the field gets the focus, the dialog stays.
        Type(dialog.NumberEdit(C::MoveRight), QStringLiteral("51"));
        QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        QVERIFY(script->WasAsked(QStringLiteral("-50 から 50 までの整数を入力してください。")));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.focusWidget(), dialog.NumberEdit(C::MoveRight).parentWidget());
        QCOMPARE(model.Values().PIdouMigi, 0);

        // A click on another control is refused the same way and taken back.
        Click(dialog, C::PaperBible);
        QVERIFY(dialog.Button(C::PaperA5).isChecked());
        QVERIFY(!dialog.Button(C::PaperBible).isChecked());

        // An end date before the start disables "印刷".
        Type(dialog.NumberEdit(C::MoveRight), QStringLiteral("-5"));
        dialog.DateEdit(C::EndDate).setDate(QDate(2024, 6, 11));
        QVERIFY(!dialog.OkButton().isEnabled());
        dialog.DateEdit(C::EndDate).setDate(QDate(2024, 6, 14));
        QVERIFY(dialog.OkButton().isEnabled());

        const QString pictures = qEnvironmentVariable("PLANOVA_PRINT_IMAGES");
        if (!pictures.isEmpty())
            dialog.grab().save(pictures + QStringLiteral("/print-dialog.png"));

        QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.Values().PIdouMigi, -5);
        QCOMPARE(model.Values().PrintEndDate, DateTime::FromDate(2024, 6, 14));
        QCOMPARE(model.Values().PPaperType, 3);
    }

    void PreviewDisablesThePrinterDialogOption()
    {
        PrintDialogModel model(NewView(), DateTime::FromDate(2024, 6, 12), true);
        QtPrintDialog dialog;
        dialog.Start(model);
        QVERIFY(!dialog.Button(C::PrinterDialog).isEnabled());
    }
};

QTEST_MAIN(PrintDialogWidgetTest)
#include "PrintDialogWidgetTest.moc"
