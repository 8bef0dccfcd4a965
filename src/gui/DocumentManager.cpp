#include "gui/DocumentManager.h"

#include "gui/AppSettings.h"
#include "gui/CChildFrame.h"
#include "gui/LocalPath.h"
#include "gui/UserDialogs.h"
#include "model/DataFile.h"
#include "model/DataFileLoad.h"
#include "model/DataFileSave.h"
#include "model/SafeSave.h"
#include "edit/CommandTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>

#include <algorithm>

namespace planova {
namespace {

const QString UntitledBase = QStringLiteral("Planova");

QString Reason(const std::string& error)
{
    return QString::fromStdString(error);
}

QString OpenFailed(const QString& path, const std::string& reason)
{
    return QString::fromStdString(OpenFailureMessage(reason, QDir::toNativeSeparators(path).toStdString()));
}

/// The name the save dialog gets: a data file extension is added when the name has none.
QString WithDataExtension(const QString& path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".dat") : path;
}

} // namespace

DocumentManager::DocumentManager(QMdiArea& area, AppSettings& settings, QWidget* dialogParent)
    : Area(area), Settings(settings), DialogParent(dialogParent)
{
    connect(&Area, &QMdiArea::subWindowActivated, this, &DocumentManager::TitlesChanged);
}

DocumentManager::~DocumentManager()
{
    // Windows still open go without questions, before the documents they show.
    for (auto& document : Entries)
        for (auto* frame : document->Frames) {
            frame->OnDestroyed = nullptr;
            frame->CanClose = nullptr;
            delete frame;
        }
}

OpenDocument& DocumentManager::NewDocument()
{
    auto& document = AddDocument(CPlanovaDoc(), QString());
    AddFrame(document);
    return document;
}

OpenDocument* DocumentManager::Open(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (auto* open = FindByPath(absolute)) {
        Area.setActiveSubWindow(open->Frames.front());
        return open;
    }

    LoadedDataFile loaded = LoadDataFile(LocalPath(absolute));
    if (!loaded.Result.Ok) {
        RemoveRecent(absolute);
        ShowError(DialogParent, OpenFailed(absolute, loaded.Result.Error));
        return nullptr;
    }
    // The stamp is the file's as it was opened: a change made since is noticed at the next save.
    auto& document = AddDocument(std::move(*loaded.Document), absolute);
    document.DiskStamp = loaded.Stamp;
    document.Damage = QString::fromStdString(DamageMessage(loaded.Damage));
    AddFrame(document);
    AddRecent(absolute);
    if (!loaded.Warning.empty())
        ShowError(DialogParent, QString::fromStdString(loaded.Warning));
    if (!document.Damage.isEmpty())
        ShowDamage(document.Damage);
    return &document;
}

OpenDocument& DocumentManager::Adopt(CPlanovaDoc document, const QString& path, const FileStamp& diskStamp,
                                     const QString& damage)
{
    auto& adopted = AddDocument(std::move(document), path);
    adopted.DiskStamp = diskStamp;
    adopted.Damage = damage;
    adopted.Doc->SetModified(true);
    AddFrame(adopted);
    return adopted;
}

void DocumentManager::ShowDamage(const QString& damage)
{
    ShowError(DialogParent,
              damage + QStringLiteral("\n\n読み込めた内容を開きました。元のファイルはそのまま残し、"
                                      "上書き保存するときは別の名前を尋ねます。"));
}

OpenDocument& DocumentManager::AddDocument(CPlanovaDoc document, const QString& path)
{
    auto entry = std::make_unique<OpenDocument>();
    entry->Doc = std::make_unique<CPlanovaDoc>(std::move(document));
    entry->Path = path;
    entry->Name =
        path.isEmpty() ? UntitledBase + QString::number(NextUntitled++) : QFileInfo(path).fileName();
    entry->Serial = NextSerial++;
    Entries.push_back(std::move(entry));
    return *Entries.back();
}

CChildFrame& DocumentManager::AddFrame(OpenDocument& document)
{
    auto* frame = new CChildFrame(document, CreateDocumentView(*document.Doc, nullptr));
    frame->CanClose = [this](CChildFrame& closing) { return FrameMayClose(closing); };
    frame->OnDestroyed = [this, &document](CChildFrame* gone) { FrameDestroyed(document, gone); };
    if (auto* view = frame->View()) {
        view->OnDocumentEdited = [this, &document] { DocumentEdited(document); };
        view->OnViewChanged = [this, &document] { RedrawViews(document); };
        view->DocumentPath = [&document] { return document.Path; };
        view->UserSettings = &Settings;
    }
    document.Frames.push_back(frame);
    Area.addSubWindow(frame);
    frame->show();
    Area.setActiveSubWindow(frame);
    UpdateTitles(document);
    emit DocumentsChanged();
    return *frame;
}

CChildFrame& DocumentManager::NewWindow(OpenDocument& document)
{
    return AddFrame(document);
}

void DocumentManager::FrameDestroyed(OpenDocument& document, CChildFrame* frame)
{
    std::erase(document.Frames, frame);
    if (!document.Frames.empty()) {
        UpdateTitles(document);
        emit DocumentsChanged();
        return;
    }
    const int serial = document.Serial;
    std::erase_if(Entries, [&document](const auto& entry) { return entry.get() == &document; });
    emit DocumentClosed(serial);
    emit DocumentsChanged();
    emit TitlesChanged();
}

bool DocumentManager::FrameMayClose(CChildFrame& frame)
{
    auto& document = frame.Document();
    if (document.Closing || document.Frames.size() > 1)
        return true;
    return SaveModified(document);
}

bool DocumentManager::SaveModified(OpenDocument& document)
{
    if (!document.Doc->IsModified())
        return true;
    switch (AskYesNoCancel(DialogParent, QStringLiteral("%1 への変更を保存しますか?").arg(document.Name))) {
    case QMessageBox::Yes:
        return Save(document);
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool DocumentManager::Close(OpenDocument& document)
{
    if (!SaveModified(document))
        return false;
    document.Closing = true;
    // Closing the last window destroys the document, so work on a copy of the list.
    const auto frames = document.Frames;
    for (auto* frame : frames)
        delete frame;
    return true;
}

bool DocumentManager::CloseAll()
{
    for (auto& document : Entries)
        if (!SaveModified(*document))
            return false;
    while (!Entries.empty()) {
        auto& document = *Entries.front();
        document.Closing = true;
        const auto frames = document.Frames;
        for (auto* frame : frames)
            delete frame;
    }
    return true;
}

bool DocumentManager::Save(OpenDocument& document)
{
    // The damaged file stays as it was: what could not be read of it may still be recovered.
    if (document.Path.isEmpty() || !document.Damage.isEmpty())
        return SaveAs(document);
    return SaveTo(document, document.Path);
}

bool DocumentManager::SaveAs(OpenDocument& document)
{
    const QString suggested =
        document.Path.isEmpty() ? document.Name + QStringLiteral(".dat") : document.Path;
    const QString chosen = UserDialogs::Current().SaveFileName(DialogParent, suggested);
    if (chosen.isEmpty())
        return false;
    return SaveTo(document, WithDataExtension(chosen));
}

bool DocumentManager::ConfirmOverwriteChanged(OpenDocument& document)
{
    const FileStamp now = StampOf(LocalPath(document.Path));
    // A file removed meanwhile is simply written again.
    if (!now.Exists || !document.DiskStamp.Exists || now == document.DiskStamp)
        return true;
    const auto answer = UserDialogs::Current().Ask(
        DialogParent, {QMessageBox::Warning,
                       QStringLiteral("%1 は開いた後にほかのプログラムによって変更されています。\n"
                                      "上書きすると、その変更は失われます。上書きしますか?")
                           .arg(QDir::toNativeSeparators(document.Path)),
                       {{QMessageBox::Yes, QStringLiteral("上書き保存(&O)")},
                        {QMessageBox::Cancel, QStringLiteral("キャンセル")}},
                       QMessageBox::Cancel});
    return answer == QMessageBox::Yes;
}

bool DocumentManager::SaveTo(OpenDocument& document, const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (absolute == document.Path && !document.Damage.isEmpty()) {
        ShowError(DialogParent,
                  QStringLiteral("%1 は一部が壊れているため、上書きしません。別の名前で保存してください。")
                      .arg(QDir::toNativeSeparators(absolute)));
        return false;
    }
    // Saving over the document's own file: someone else may have written it since it was read.
    if (absolute == document.Path && !ConfirmOverwriteChanged(document))
        return false;

    const auto saved = SaveDataFile(LocalPath(absolute), *document.Doc);
    if (!saved.Ok) {
        const auto answer = UserDialogs::Current().Ask(
            DialogParent, {QMessageBox::Warning,
                           QStringLiteral("ファイルを保存できませんでした。\n%1\n\n%2")
                               .arg(QDir::toNativeSeparators(absolute), Reason(saved.Error)),
                           {{QMessageBox::Save, QStringLiteral("名前を付けて保存(&A)...")},
                            {QMessageBox::Cancel, QStringLiteral("キャンセル")}},
                           QMessageBox::Save});
        return answer == QMessageBox::Save && SaveAs(document);
    }

    document.Path = absolute;
    document.Damage.clear();
    document.Name = QFileInfo(absolute).fileName();
    document.DiskStamp = StampOf(LocalPath(absolute));
    document.Doc->SetModified(false);
    AddRecent(absolute);
    UpdateTitles(document);
    emit DocumentSaved(document.Serial);
    return true;
}

OpenDocument* DocumentManager::FindByPath(const QString& path) const
{
    for (const auto& document : Entries)
        if (!document->Path.isEmpty() && document->Path == path)
            return document.get();
    return nullptr;
}

CChildFrame* DocumentManager::ActiveFrame() const
{
    auto* frame = qobject_cast<CChildFrame*>(Area.currentSubWindow());
    // A window being destroyed is still current in the area for a moment, but no longer listed.
    for (const auto& document : Entries)
        if (std::find(document->Frames.begin(), document->Frames.end(), frame) != document->Frames.end())
            return frame;
    return nullptr;
}

OpenDocument* DocumentManager::ActiveDocument() const
{
    auto* frame = ActiveFrame();
    return frame ? &frame->Document() : nullptr;
}

void DocumentManager::DocumentEdited(OpenDocument& document)
{
    RedrawViews(document);
    UpdateTitles(document);
}

void DocumentManager::RedrawViews(OpenDocument& document)
{
    for (auto* frame : document.Frames)
        if (auto* view = frame->View())
            view->RefreshFromDocument();
}

void DocumentManager::UpdateTitles(OpenDocument& document)
{
    const bool several = document.Frames.size() > 1;
    for (std::size_t i = 0; i < document.Frames.size(); ++i) {
        auto* frame = document.Frames[i];
        const QString number = several ? QStringLiteral(":%1").arg(i + 1) : QString();
        const QString damaged = document.Damage.isEmpty() ? QString() : QStringLiteral(" (一部破損)");
        frame->setWindowTitle(document.Name + number + damaged + QStringLiteral("[*]"));
        frame->setWindowModified(document.Doc->IsModified());
    }
    emit TitlesChanged();
}

void DocumentManager::AddRecent(const QString& path)
{
    auto recent = Settings.RecentFiles();
    recent.Add(path);
    Settings.SetRecentFiles(recent);
    emit RecentFilesChanged();
}

void DocumentManager::RemoveRecent(const QString& path)
{
    auto recent = Settings.RecentFiles();
    recent.Remove(path);
    Settings.SetRecentFiles(recent);
    emit RecentFilesChanged();
}

bool DocumentManager::IsCommandEnabled(int commandId) const
{
    switch (commandId) {
    case CommandId::FileNew:
    case CommandId::FileOpen:
        return true;
    case CommandId::FileClose:
    case CommandId::FileSave:
    case CommandId::FileSaveAs:
    case CommandId::WindowNew:
        return ActiveDocument() != nullptr;
    default:
        break;
    }
    return !RecentFileOf(commandId).isEmpty();
}

QString DocumentManager::RecentFileOf(int commandId) const
{
    const int recent = commandId - CommandId::RecentFile1;
    if (recent < 0 || recent >= CommandId::RecentFileCount)
        return {};
    const auto files = Settings.RecentFiles().Files();
    return recent < files.size() ? files[recent] : QString();
}

std::string DocumentManager::CommandText(int commandId) const
{
    const QString file = RecentFileOf(commandId);
    if (file.isEmpty())
        return {};
    return QStringLiteral("&%1 %2")
        .arg(commandId - CommandId::RecentFile1 + 1)
        .arg(QDir::toNativeSeparators(file))
        .toStdString();
}

bool DocumentManager::ExecuteCommand(int commandId)
{
    auto* active = ActiveDocument();
    switch (commandId) {
    case CommandId::FileNew:
        NewDocument();
        return true;
    case CommandId::FileOpen: {
        const QString path = UserDialogs::Current().OpenFileName(DialogParent);
        if (!path.isEmpty())
            Open(path);
        return true;
    }
    case CommandId::FileClose:
        if (active)
            Close(*active);
        return true;
    case CommandId::FileSave:
        if (active)
            Save(*active);
        return true;
    case CommandId::FileSaveAs:
        if (active)
            SaveAs(*active);
        return true;
    case CommandId::WindowNew:
        if (active)
            NewWindow(*active);
        return true;
    default:
        break;
    }
    const QString file = RecentFileOf(commandId);
    if (file.isEmpty())
        return false;
    Open(file);
    return true;
}

} // namespace planova
