// Documents and their windows: open, save, save as, close, drops, further windows.

#include "ShellTestSupport.h"

#include "edit/CommandIds.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CommandActions.h"
#include "gui/DocumentManager.h"
#include "gui/CPlanovaView.h"
#include "model/Cp932Codec.h"
#include "model/DataFileArchive.h"
#include "model/FixedTexts.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QUrl>

using namespace planova;
using namespace planova::test;

class ShellDocumentsTest : public QObject
{
    Q_OBJECT

private slots:
    void DroppedFileOpens();
    void FailingOpenShowsReasonAndNoWindow_data();
    void FailingOpenShowsReasonAndNoWindow();
    void SaveAsThenReopenGivesSameDocument();
    void NewDocumentsAreNumbered();
    void CloseAsksToSaveModifiedDocument_data();
    void CloseAsksToSaveModifiedDocument();
    void ExitAsksForEveryModifiedDocument();
    void SecondWindowSharesDocument();
    void ChangedOnDiskIsNoticedBeforeSaving();
    void FailedSaveChangesNothing();
    void Utf16CharactersBeyondCodePage932OpenUnchanged();
    void DocumentTooLargeToReadBackStaysOpenAndUnsaved();
    void ADamagedFileIsOpenedWithAMessageAndNeverOverwritten();

private:
    static void Edit(OpenDocument& document, DocumentManager& manager)
    {
        document.Doc->UpdateDay(DateTime::FromDate(2024, 5, 1),
                                [&](CDayData& day) { day.SetGyouji(Cp932Literal("遠足")); });
        manager.DocumentEdited(document);
    }
};

void ShellDocumentsTest::DroppedFileOpens()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = sandbox.WriteDocument(QStringLiteral("dropped.dat"),
                                               DocumentWithEvent(2024, 4, 1, Cp932Literal("始業式")));
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file), QUrl(QStringLiteral("https://example.invalid/x.dat"))});
    auto& frame = app.MainFrame();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &drop);

    QCOMPARE(app.Documents().Documents().size(), std::size_t{2});
    const auto* opened = app.Documents().ActiveDocument();
    QCOMPARE(opened->Name, QStringLiteral("dropped.dat"));
    QCOMPARE(opened->Doc->DayList().size(), std::size_t{1});
    QCOMPARE(opened->Doc->DayList().front().GetGyouji(), Cp932Literal("始業式"));
    QVERIFY(dialogs->Asked.empty());
}

void ShellDocumentsTest::FailingOpenShowsReasonAndNoWindow_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("truncated file") << QByteArray("\x40<Planova><YoteiData>");
    QTest::newRow("not a data file") << QByteArray("hello, world\n");
    // Opened as an empty planner before, so that saving it overwrote what the file held.
    QTest::newRow("zero-filled file") << QByteArray(4096, '\0');
    QTest::newRow("another program's text") << QByteArray("\x0Dhello, world\n");
}

void ShellDocumentsTest::FailingOpenShowsReasonAndNoWindow()
{
    QFETCH(QByteArray, bytes);
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = bytes.isNull() ? sandbox.Path(QStringLiteral("bad.dat"))
                                        : sandbox.WriteBytes(QStringLiteral("bad.dat"), bytes);
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({}));
    dialogs->Asked.clear();

    QCOMPARE(app.Documents().Open(file), nullptr);

    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    const auto& message = dialogs->Asked.front();
    QVERIFY(message.Text.startsWith(QStringLiteral("ファイルを開けませんでした")));
    QVERIFY(message.Text.contains(QDir::toNativeSeparators(file)));
    // A reason follows the file name.
    QVERIFY(message.Text.section(QDir::toNativeSeparators(file), 1).trimmed().size() > 0);
    QCOMPARE(app.MainFrame().MdiArea().subWindowList().size(), 1);
    QCOMPARE(app.Documents().ActiveDocument()->Name, QStringLiteral("Planova1"));
    if (!bytes.isNull())
        QCOMPARE(ReadAll(file), bytes);
}

void ShellDocumentsTest::SaveAsThenReopenGivesSameDocument()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    auto& document = *manager.ActiveDocument();
    Edit(document, manager);
    CToDo item;
    item.SetKennmei(Cp932Literal("通知表"));
    document.Doc->AppendToDo(item);
    const std::string expected = WriteDataFile(*document.Doc);

    // The name without an extension gets ".dat".
    dialogs->SaveName = sandbox.Path(QStringLiteral("saved"));
    QVERIFY(app.MainFrame().Actions().Execute(CommandId::FileSaveAs));
    const QString path = sandbox.Path(QStringLiteral("saved.dat"));
    QCOMPARE(document.Path, path);
    QCOMPARE(document.Name, QStringLiteral("saved.dat"));
    QVERIFY(!document.Doc->IsModified());
    QCOMPARE(ReadAll(path).toStdString(), expected);
    QCOMPARE(sandbox.RecentValue(1), path);

    QVERIFY(manager.Close(document));
    QVERIFY(manager.Documents().empty());
    auto* reopened = manager.Open(path);
    QVERIFY(reopened);
    QCOMPARE(WriteDataFile(*reopened->Doc), expected);
    QCOMPARE(reopened->Doc->ToDoList().front().GetKennmei(), Cp932Literal("通知表"));
    QVERIFY(dialogs->Asked.empty());
}

void ShellDocumentsTest::NewDocumentsAreNumbered()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& actions = app.MainFrame().Actions();
    QVERIFY(actions.Execute(CommandId::FileNew));
    QVERIFY(actions.Execute(CommandId::FileNew));
    QStringList titles;
    for (auto* window : app.MainFrame().MdiArea().subWindowList())
        titles.append(window->windowTitle());
    QCOMPARE(titles, (QStringList{"Planova1[*]", "Planova2[*]", "Planova3[*]"}));
    QCOMPARE(app.MainFrame().windowTitle(), QStringLiteral("Planova3[*] - Planova"));
}

void ShellDocumentsTest::CloseAsksToSaveModifiedDocument_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes saves and closes") << int(QMessageBox::Yes) << true << true;
    QTest::newRow("no closes without saving") << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel keeps the window") << int(QMessageBox::Cancel) << false << false;
}

void ShellDocumentsTest::CloseAsksToSaveModifiedDocument()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = sandbox.WriteDocument(QStringLiteral("plan.dat"));
    const QByteArray before = ReadAll(file);
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({file}));
    auto& manager = app.Documents();
    Edit(*manager.ActiveDocument(), manager);
    QVERIFY(manager.ActiveFrame()->isWindowModified());

    dialogs->Answers = {QMessageBox::StandardButton(answer)};
    manager.ActiveFrame()->close(); // the window's close button
    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    QCOMPARE(dialogs->Asked.front().Text, QStringLiteral("plan.dat への変更を保存しますか?"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(manager.Documents().empty(), closed);
    QCOMPARE(ReadAll(file) != before, saved);
}

void ShellDocumentsTest::ExitAsksForEveryModifiedDocument()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    manager.NewDocument();
    manager.NewDocument();
    for (const auto& document : manager.Documents())
        if (document->Name != QStringLiteral("Planova2"))
            document->Doc->SetModified(true);

    // The second question is cancelled: nothing closes.
    dialogs->Answers = {QMessageBox::No, QMessageBox::Cancel};
    QVERIFY(!app.MainFrame().close());
    QCOMPARE(dialogs->Asked.size(), std::size_t{2});
    QCOMPARE(manager.Documents().size(), std::size_t{3});

    dialogs->Asked.clear();
    dialogs->Answers = {QMessageBox::No, QMessageBox::No};
    QVERIFY(app.MainFrame().Actions().Execute(CommandId::AppExit));
    QCOMPARE(dialogs->Asked.size(), std::size_t{2});
    QVERIFY(dialogs->WasAsked(QStringLiteral("Planova1 への変更を保存しますか?")));
    QVERIFY(dialogs->WasAsked(QStringLiteral("Planova3 への変更を保存しますか?")));
    QVERIFY(manager.Documents().empty());
}

void ShellDocumentsTest::SecondWindowSharesDocument()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    auto& actions = app.MainFrame().Actions();
    actions.UpdateStates();
    QCOMPARE(actions.Action(CommandId::WindowNew)->text(), QStringLiteral("新しいウィンドウを開く"));
    QVERIFY(actions.Execute(CommandId::WindowNew));

    auto& document = *manager.ActiveDocument();
    QCOMPARE(document.Frames.size(), std::size_t{2});
    QCOMPARE(document.Frames[0]->windowTitle(), QStringLiteral("Planova1:1[*]"));
    QCOMPARE(document.Frames[1]->windowTitle(), QStringLiteral("Planova1:2[*]"));

    // An edit through one view refreshes both and marks every title.
    auto* first = static_cast<CPlanovaView*>(document.Frames[0]->widget());
    auto* second = static_cast<CPlanovaView*>(document.Frames[1]->widget());
    document.Doc->SetModified(true);
    first->OnDocumentEdited();
    QCOMPARE(first->RefreshCount(), 1);
    QCOMPARE(second->RefreshCount(), 1);
    QVERIFY(document.Frames[0]->isWindowModified());
    QVERIFY(document.Frames[1]->isWindowModified());
    QVERIFY(app.MainFrame().isWindowModified());

    // Closing one of two windows asks nothing; the last one asks.
    document.Frames[1]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialogs->Asked.empty());
    QCOMPARE(document.Frames.size(), std::size_t{1});
    QCOMPARE(document.Frames[0]->windowTitle(), QStringLiteral("Planova1[*]"));
    dialogs->Answers = {QMessageBox::No};
    QVERIFY(actions.Execute(CommandId::FileClose));
    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    QVERIFY(manager.Documents().empty());
}

void ShellDocumentsTest::ChangedOnDiskIsNoticedBeforeSaving()
{
    ShellSandbox sandbox;
    DialogScript dialogs;
    const QString file = sandbox.WriteDocument(QStringLiteral("shared.dat"));
    CPlanovaApp app(sandbox.Options());
    QVERIFY(app.Start({file}));
    auto& manager = app.Documents();
    auto& document = *manager.ActiveDocument();
    Edit(document, manager);

    // Saving over an unchanged file asks nothing.
    QVERIFY(manager.Save(document));
    QVERIFY(dialogs->Asked.empty());

    Edit(document, manager);
    const QByteArray theirs =
        QByteArray::fromStdString(WriteDataFile(DocumentWithEvent(2024, 6, 1, Cp932Literal("他人"))));
    sandbox.WriteBytes(QStringLiteral("shared.dat"), theirs);

    dialogs->Answers = {QMessageBox::Cancel};
    QVERIFY(!manager.Save(document));
    QVERIFY(dialogs->WasAsked(QStringLiteral("ほかのプログラムによって変更されています")));
    QCOMPARE(ReadAll(file), theirs);
    QVERIFY(document.Doc->IsModified());

    dialogs->Answers = {QMessageBox::Yes};
    QVERIFY(manager.Save(document));
    QCOMPARE(ReadAll(file).toStdString(), WriteDataFile(*document.Doc));
}

void ShellDocumentsTest::FailedSaveChangesNothing()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    auto& document = *manager.ActiveDocument();
    Edit(document, manager);

    const QString unreachable = sandbox.Path(QStringLiteral("no-such-folder/plan.dat"));
    dialogs->Answers = {QMessageBox::Cancel};
    QVERIFY(!manager.SaveTo(document, unreachable));
    QVERIFY(dialogs->WasAsked(QStringLiteral("ファイルを保存できませんでした")));
    QVERIFY(document.Path.isEmpty());
    QCOMPARE(document.Name, QStringLiteral("Planova1"));
    QVERIFY(document.Doc->IsModified());
    QVERIFY(sandbox.RecentValue(1).isEmpty());

    // The message offers "名前を付けて保存", which then saves elsewhere.
    dialogs->Answers = {QMessageBox::Save};
    dialogs->SaveName = sandbox.Path(QStringLiteral("elsewhere.dat"));
    QVERIFY(manager.SaveTo(document, unreachable));
    QCOMPARE(document.Name, QStringLiteral("elsewhere.dat"));
    QVERIFY(!document.Doc->IsModified());
}

void ShellDocumentsTest::DocumentTooLargeToReadBackStaysOpenAndUnsaved()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& manager = app.Documents();
    auto& document = *manager.ActiveDocument();
    // A memo of 257 MB: its file would be larger than the 256 MB any reader opens.
    CDayData day;
    day.SetDate(2024, 5, 1);
    day.SetMemo(std::string(std::size_t{257} << 20, 'a'));
    document.Doc->AppendDayUnsorted(std::move(day));
    document.Doc->SetModified();
    manager.DocumentEdited(document);

    const QString file = sandbox.Path(QStringLiteral("large.dat"));
    dialogs->Answers = {QMessageBox::Cancel};
    QVERIFY(!manager.SaveTo(document, file));
    QVERIFY(dialogs->WasAsked(QStringLiteral("データファイルが大きすぎるため保存できませんでした (258 MB。"
                                             "開けるのは 256 MB までです)")));
    QVERIFY(!QFile::exists(file));
    QVERIFY(document.Path.isEmpty());
    QVERIFY(document.Doc->IsModified());
    QCOMPARE(document.Doc->DayList().size(), std::size_t{1});
}

void ShellDocumentsTest::Utf16CharactersBeyondCodePage932OpenUnchanged()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    // A whole file in the UTF-16 form whose user name holds an emoji.
    CPlanovaDoc named;
    named.Shiyousya = Cp932Literal("山田");
    const QString text = QString::fromStdString(Cp932ToUtf8(ReadArchiveString(WriteDataFile(named))))
                             .replace(QStringLiteral("山田"), QStringLiteral("山田\U0001F600"));
    QByteArray bytes("\xFF\xFE\xFF", 3);
    bytes += QByteArray::fromStdString(LengthPrefix(static_cast<std::size_t>(text.size())));
    bytes += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString file = sandbox.WriteBytes(QStringLiteral("utf16.dat"), bytes);
    dialogs->Asked.clear();

    OpenDocument* opened = app.Documents().Open(file);
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->Doc->Shiyousya, Cp932Literal("山田") + "&#x1F600;");
    QVERIFY(!opened->Doc->IsModified());
    QVERIFY(!opened->Frames.front()->isWindowModified());
    QVERIFY(dialogs->Asked.empty());
    QCOMPARE(ReadAll(file), bytes);
}

void ShellDocumentsTest::ADamagedFileIsOpenedWithAMessageAndNeverOverwritten()
{
    ShellUnderTest shell;
    auto& [sandbox, dialogs, app] = shell;
    QVERIFY(app.Start({}));
    auto& frame = app.MainFrame();
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    const QByteArray bytes = DamagedSchoolWeek();
    const QString file = sandbox.WriteBytes(QStringLiteral("week.dat"), bytes);
    dialogs->Asked.clear();

    OpenDocument* opened = app.Documents().Open(file);
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->Doc->DayList().size(), std::size_t{5});
    QCOMPARE(dialogs->Asked.size(), std::size_t{1});
    QVERIFY(dialogs->Asked.front().Text.startsWith(DamagedSchoolWeekMessage));
    QVERIFY(dialogs->Asked.front().Text.contains(QStringLiteral("元のファイルはそのまま残し")));
    QCOMPARE(opened->Frames.front()->windowTitle(), QStringLiteral("week.dat (一部破損)[*]"));

    // Ctrl+S asks for a new name, even for the unchanged document; cancelled, nothing is written.
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs->SaveAsked, 1);
    QCOMPARE(ReadAll(file), bytes);
    // The damaged file's own name is refused.
    dialogs->SaveName = file;
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs->SaveAsked, 2);
    QVERIFY(dialogs->Asked.back().Text.contains(QStringLiteral("上書きしません")));
    QCOMPARE(ReadAll(file), bytes);
    // Saved under another name, the document belongs to the new, whole file.
    dialogs->SaveName = sandbox.Path(QStringLiteral("week-saved.dat"));
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(opened->Path, dialogs->SaveName);
    QCOMPARE(opened->Frames.front()->windowTitle(), QStringLiteral("week-saved.dat[*]"));
    QCOMPARE(ReadAll(file), bytes);
    QCOMPARE(ReadAll(opened->Path).toStdString(), WriteDataFile(*opened->Doc));
    // From now on Ctrl+S saves in place.
    QTest::keyClick(&frame, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(dialogs->SaveAsked, 3);
}

QTEST_MAIN(ShellDocumentsTest)
#include "ShellDocumentsTest.moc"
