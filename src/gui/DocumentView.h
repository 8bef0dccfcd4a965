#pragma once

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace planova {

class AppSettings;
class CPlanovaDoc;

/**
 * What a window's active widget offers to the menus, the toolbar and the shortcuts.
 * Commands carry their numeric identifiers; a command no target handles stays disabled,
 * and a disabled command is never executed from any source.
 */
class CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    /// Whether the command can run now.
    virtual bool IsCommandEnabled(int commandId) const = 0;
    /// The radio or check mark of the command (false when it has none).
    virtual bool IsCommandChecked(int commandId) const
    {
        (void)commandId;
        return false;
    }
    /// A menu text that replaces the table's text for now (empty: the table's text).
    virtual std::string CommandText(int commandId) const
    {
        (void)commandId;
        return {};
    }
    /// Runs the command; false when this target does not handle it.
    virtual bool ExecuteCommand(int commandId) = 0;
};

/**
 * The widget shown inside a document window. The document is owned by the application's document
 * manager and outlives every view of it.
 */
class DocumentView : public CommandTarget
{
public:
    /// Redraw from the document: another window or a tool changed it.
    virtual void RefreshFromDocument() = 0;

    /// Set by the document manager: the view calls it after it changed the document, so that every
    /// view of the document is refreshed and the window titles show the modified state.
    std::function<void()> OnDocumentEdited;
    /// Set by the document manager: the view calls it after it changed what it shows (a date, the
    /// view mode, the selection), so that every view of the document is redrawn as well.
    std::function<void()> OnViewChanged;

    /// Set by the document manager: the path of the document's file (empty while never saved).
    std::function<QString()> DocumentPath;
    /// Set by the document manager: the per-user settings, where dialogs remember choices (none: nothing
    /// is remembered).
    AppSettings* UserSettings = nullptr;
};

/// Creates the view widget of a document window (the widget derives from DocumentView).
QWidget* CreateDocumentView(CPlanovaDoc& document, QWidget* parent);

/// The DocumentView part of a widget made by CreateDocumentView (nullptr for any other widget).
DocumentView* AsDocumentView(QWidget* widget);

} // namespace planova
