// Printing from the application: the file menu's "PDFに書き出し..." runs the real print options
// dialog, whose "印刷" writes the PDF of the chosen days; Ctrl+P on a machine without a printer says
// so instead of printing.

#include "ShellTestSupport.h"

#include "gui/CMainFrame.h"
#include "gui/QtPrintDialog.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "model/Clock.h"
#include "edit/CommandTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QDateEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace planova;
using namespace planova::test;

class PrintScenarioTest : public QObject
{
    Q_OBJECT

private:
    /// Answers the print options dialog that the next step opens.
    void AnswerPrintDialog(std::function<void(QtPrintDialog&)> answer, bool& answered)
    {
        auto* poll = new QTimer(this);
        poll->setInterval(20);
        connect(poll, &QTimer::timeout, this, [poll, answer, &answered] {
            auto* dialog = qobject_cast<QtPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll->deleteLater();
            poll->stop();
            answered = true;
            answer(*dialog);
        });
        poll->start();
    }

    static void Click(QAbstractButton& button)
    {
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }

private slots:
    void ExportFromTheFileMenuAndPrintWithoutAPrinter()
    {
        FixedNowScope clock(DateTime::FromDateTime(2024, 6, 12, 10, 0, 0));
        ShellSandbox sandbox;
        DialogScript dialogs;
        const QString file = sandbox.WriteDocument(QStringLiteral("2024年度.dat"));
        dialogs->ExportName = sandbox.Path(QStringLiteral("2024年度.pdf"));

        CPlanovaApp app(sandbox.Options());
        QVERIFY(app.Start({file}));
        CMainFrame& frame = app.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QAction* exportPdf = frame.Actions().Action(CommandId::FileExportPdf);
        QVERIFY(exportPdf != nullptr);
        QCOMPARE(exportPdf->text(), QStringLiteral("PDFに書き出し..."));
        QTRY_VERIFY(exportPdf->isEnabled());

        bool answered = false;
        AnswerPrintDialog(
            [](QtPrintDialog& dialog) {
                dialog.DateEdit(PrintControl::EndDate).setDate(QDate(2024, 6, 14));
                QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton);
            },
            answered);
        exportPdf->trigger();
        QVERIFY(answered);
        QFile pdf(dialogs->ExportName);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/Count 3")); // 12 to 14 June
        QCOMPARE(dialogs->ExportAsked.back().Suggested, QStringLiteral("2024年度.pdf"));
        QVERIFY(dialogs->Asked.empty());

        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this machine has a printer: Ctrl+P would print");
        answered = false;
        AnswerPrintDialog(
            [](QtPrintDialog& dialog) { QTest::mouseClick(&dialog.OkButton(), Qt::LeftButton); }, answered);
        frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QTest::keyClick(frame.windowHandle(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(answered);
        QVERIFY(dialogs->WasAsked(QStringLiteral("プリンターが見つかりません。")));
    }
};

QTEST_MAIN(PrintScenarioTest)
#include "PrintScenarioTest.moc"
