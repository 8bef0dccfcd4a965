#pragma once

#include "gui/DocumentView.h"
#include "gui/OpenDocument.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QMdiArea;
class QWidget;

namespace planova {

class AppSettings;
class CChildFrame;
class RecentFileList;

/**
 * Keeps the open documents and their windows: new, open, save, save as, close, the save
 * question, the recent-file list and further windows on a document. Handles the file and
 * document-window commands.
 */
class DocumentManager : public QObject, public CommandTarget
{
    Q_OBJECT
public:
    /// Windows are added to `area`; questions are asked over `dialogParent`.
    DocumentManager(QMdiArea& area, AppSettings& settings, QWidget* dialogParent);
    ~DocumentManager() override;

    /// A new empty document "Planova<n>" in a new window.
    OpenDocument& NewDocument();
    /**
     * Opens the file in a new window, or brings up its window when it is open already.
     * A file that cannot be read gets a message with the reason and nothing changes (nullptr).
     */
    OpenDocument* Open(const QString& path);
    /// Takes over a document read from elsewhere (a recovery file) as a modified document; `damage`
    /// is what could not be read of it (OpenDocument::Damage).
    OpenDocument& Adopt(CPlanovaDoc document, const QString& path, const FileStamp& diskStamp,
                        const QString& damage = {});

    /// Tells the user what could not be read of a damaged file, and that it is kept as it is.
    void ShowDamage(const QString& damage);

    /// Saves to the document's file, or asks for a name when it has none or its file is damaged.
    /// False when not saved.
    bool Save(OpenDocument& document);
    /// Asks for a name and saves there. False when not saved.
    bool SaveAs(OpenDocument& document);
    /// Saves to the path; a failure gets a message with the reason and changes nothing. The damaged
    /// file a document was read from is refused.
    bool SaveTo(OpenDocument& document, const QString& path);

    /// Asks to save a modified document; false when the user cancels or saving fails.
    bool SaveModified(OpenDocument& document);
    /// Closes every window of the document after the save question; false when cancelled.
    bool Close(OpenDocument& document);
    /// Closes every document (the exit); false when the user cancelled one save question.
    bool CloseAll();

    /// Another window on the document ("新しいウィンドウを開く").
    CChildFrame& NewWindow(OpenDocument& document);

    /// The document of the current window, or nullptr.
    OpenDocument* ActiveDocument() const;
    CChildFrame* ActiveFrame() const;
    const std::vector<std::unique_ptr<OpenDocument>>& Documents() const { return Entries; }

    /// Tells every view of the document to redraw and updates the titles.
    void DocumentEdited(OpenDocument& document);
    /// Redraws every view of the document (a view changed what it shows).
    void RedrawViews(OpenDocument& document);

    // CommandTarget: the file commands, the recent files and "新しいウィンドウを開く".
    bool IsCommandEnabled(int commandId) const override;
    std::string CommandText(int commandId) const override;
    bool ExecuteCommand(int commandId) override;

signals:
    void DocumentsChanged();
    void TitlesChanged();
    void RecentFilesChanged();
    /// The document was saved to its own file.
    void DocumentSaved(int serial);
    /// The document's last window closed; the document is gone.
    void DocumentClosed(int serial);

private:
    OpenDocument& AddDocument(CPlanovaDoc document, const QString& path);
    CChildFrame& AddFrame(OpenDocument& document);
    void FrameDestroyed(OpenDocument& document, CChildFrame* frame);
    bool FrameMayClose(CChildFrame& frame);
    bool ConfirmOverwriteChanged(OpenDocument& document);
    OpenDocument* FindByPath(const QString& path) const;
    void AddRecent(const QString& path);
    void RemoveRecent(const QString& path);
    void UpdateTitles(OpenDocument& document);
    /// The file of a recent-file command (empty: no such entry).
    QString RecentFileOf(int commandId) const;

    QMdiArea& Area;
    AppSettings& Settings;
    QWidget* DialogParent;
    std::vector<std::unique_ptr<OpenDocument>> Entries;
    int NextUntitled = 1;
    int NextSerial = 1;
};

} // namespace planova
