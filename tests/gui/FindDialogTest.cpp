// The find dialog "検索・置換" on its own, driven with real keys and clicks: the modes, what each
// button asks for, the check box applying to one request, texts code page 932 cannot hold, and
// the end of the dialog.

#include "ShellTestSupport.h"

#include "gui/QtFindDialog.h"
#include "support/Cp932Literals.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using namespace planova;
using namespace planova::test;

namespace {

/// A request as the tests compare it: the texts back in UTF-8.
struct Request
{
    QString Search;
    QString Replacement;
    bool FromStart = false;
    bool Backward = false;
};

} // namespace

class FindDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QtFindDialog> Dialog;
    std::vector<Request> Finds;
    std::vector<Request> Replaces;
    std::vector<Request> ReplaceAlls;
    int Ends = 0;

    void Click(QPushButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

private slots:
    void init()
    {
        Dialog = std::make_unique<QtFindDialog>(nullptr);
        Finds.clear();
        Replaces.clear();
        ReplaceAlls.clear();
        Ends = 0;
        const auto utf8 = [](const std::string& cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); };
        connect(Dialog.get(), &QtFindDialog::FindNextRequested, this,
                [=, this](const std::string& s, bool fromStart, bool backward) {
                    Finds.push_back({utf8(s), {}, fromStart, backward});
                });
        connect(Dialog.get(), &QtFindDialog::ReplaceRequested, this,
                [=, this](const std::string& s, const std::string& r) {
                    Replaces.push_back({utf8(s), utf8(r)});
                });
        connect(Dialog.get(), &QtFindDialog::ReplaceAllRequested, this,
                [=, this](const std::string& s, const std::string& r) {
                    ReplaceAlls.push_back({utf8(s), utf8(r)});
                });
        connect(Dialog.get(), &QtFindDialog::Ended, this, [this] { ++Ends; });
    }

    void cleanup() { Dialog.reset(); }

    void FindModeDisablesReplacing()
    {
        Dialog->Open(FindDialogFind);
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("検索・置換"));
        QVERIFY(Dialog->SearchEdit().isEnabled());
        QVERIFY(!Dialog->ReplaceEdit().isEnabled());
        QVERIFY(!Dialog->ReplaceButton().isEnabled());
        QVERIFY(!Dialog->ReplaceAllButton().isEnabled());
        QVERIFY(Dialog->FindNextButton().isDefault());

        // Opened again in replace mode it is a new dialog: empty texts, the check box off.
        Commit(Dialog->SearchEdit(), QStringLiteral("国語"));
        Dialog->FromStartBox().setChecked(true);
        Dialog->Open(FindDialogReplace);
        QCOMPARE(Dialog->Mode(), FindDialogReplace);
        QCOMPARE(Dialog->SearchEdit().text(), QString());
        QVERIFY(!Dialog->FromStartBox().isChecked());
        QVERIFY(Dialog->ReplaceEdit().isEnabled());
        QVERIFY(Dialog->ReplaceButton().isEnabled());
        QVERIFY(Dialog->ReplaceAllButton().isEnabled());

        Commit(Dialog->SearchEdit(), QStringLiteral("国語"));
        Commit(Dialog->ReplaceEdit(), QStringLiteral("現代文"));
        const QImage shot = Dialog->grab().toImage();
        QVERIFY(shot.save(QStringLiteral(PLANOVA_BINARY_DIR "/find-dialog.png")));
    }

    void TheFoldingCheckBoxesHoldUntilTheDialogOpensAnew()
    {
        Dialog->Open(FindDialogFind);
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        QTest::mouseClick(&Dialog->IgnoreWidthBox(), Qt::LeftButton);
        QTest::mouseClick(&Dialog->IgnoreCaseBox(), Qt::LeftButton);
        Commit(Dialog->SearchEdit(), QStringLiteral("ａｂｃ"));
        Click(Dialog->FindNextButton());
        Click(Dialog->FindNextButton());
        const MatchOptions options = Dialog->Options();
        QVERIFY(options.IgnoreWidth && !options.IgnoreKana && options.IgnoreCase);
        QCOMPARE(Finds.size(), std::size_t{2});

        QTest::mouseClick(&Dialog->IgnoreKanaBox(), Qt::LeftButton);
        QVERIFY(Dialog->Options().IgnoreKana);
        // On its indicator: the box is wider than its short label, which alone takes clicks.
        QTest::mouseClick(&Dialog->ToDosBox(), Qt::LeftButton, {},
                          QPoint(6, Dialog->ToDosBox().height() / 2));
        QVERIFY(Dialog->SearchesToDos());
        Dialog->Open(FindDialogReplace);
        QVERIFY(!Dialog->Options().Folds());
        QVERIFY(!Dialog->SearchesToDos());
    }

    void EachButtonSendsItsRequestAndTheCheckBoxCountsOnce()
    {
        Dialog->Open(FindDialogReplace);
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        Commit(Dialog->SearchEdit(), QStringLiteral("国語"));
        Commit(Dialog->ReplaceEdit(), QStringLiteral("現代文"));
        QTest::mouseClick(&Dialog->FromStartBox(), Qt::LeftButton);
        QVERIFY(Dialog->FromStartBox().isChecked());

        QTest::keyClick(&Dialog->SearchEdit(), Qt::Key_Return); // the default button
        QCOMPARE(Finds.size(), std::size_t{1});
        QCOMPARE(Finds[0].Search, QStringLiteral("国語"));
        QVERIFY(Finds[0].FromStart);
        QVERIFY(!Dialog->FromStartBox().isChecked());
        Click(Dialog->FindNextButton());
        QVERIFY(!Finds.at(1).FromStart);
        QVERIFY(!Finds.at(1).Backward);
        // "前を検索" takes the check box too: from the end, backward.
        QTest::mouseClick(&Dialog->FromStartBox(), Qt::LeftButton);
        Click(Dialog->FindPreviousButton());
        QVERIFY(Finds.at(2).Backward);
        QVERIFY(Finds.at(2).FromStart);
        QVERIFY(!Dialog->FromStartBox().isChecked());

        Click(Dialog->ReplaceButton());
        Click(Dialog->ReplaceAllButton());
        QCOMPARE(Replaces.size(), std::size_t{1});
        QCOMPARE(Replaces[0].Replacement, QStringLiteral("現代文"));
        QCOMPARE(ReplaceAlls.size(), std::size_t{1});
        QCOMPARE(ReplaceAlls[0].Search, QStringLiteral("国語"));
        QCOMPARE(Ends, 0);
    }

    void TextsBeyondCodePage932AreSearchedAndReplaced()
    {
        DialogScript dialogs;
        Dialog->Open(FindDialogReplace);
        QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
        Commit(Dialog->SearchEdit(), QStringLiteral("𠮷野家"));
        Commit(Dialog->ReplaceEdit(), QStringLiteral("😀"));
        Click(Dialog->FindNextButton());
        Click(Dialog->ReplaceAllButton());
        QVERIFY(dialogs->Asked.empty());
        QCOMPARE(Finds.size(), std::size_t{1});
        QCOMPARE(Finds[0].Search, QStringLiteral("𠮷野家"));
        QCOMPARE(ReplaceAlls.size(), std::size_t{1});
        QCOMPARE(ReplaceAlls[0].Replacement, QStringLiteral("😀"));
    }

    void EndEscAndClosingEndTheDialogOnce()
    {
        for (int way = 0; way < 3; ++way) {
            Dialog->Open(FindDialogFind);
            QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
            if (way == 0)
                Click(Dialog->EndButton());
            else if (way == 1)
                QTest::keyClick(&Dialog->SearchEdit(), Qt::Key_Escape);
            else
                Dialog->close();
            QCOMPARE(Ends, way + 1);
            QVERIFY(!Dialog->isVisible());
            QCOMPARE(Dialog->Mode(), FindDialogClosed);
        }
    }
};

QTEST_MAIN(FindDialogTest)
#include "FindDialogTest.moc"
