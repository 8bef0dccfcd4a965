#pragma once

#include "gui/DocumentView.h"

#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QScrollArea;
class QScrollBar;
class QTimer;

namespace planova {

class DateTime;
class InfoPane;
class PlannerView;
class QtViewServices;
class ViewServices;
struct FindOrder;
struct MatchOptions;
struct ScreenDrawResult;
struct ScreenGeometry;

/**
 * The planner view of a document window: the information pane on the left and the day, week or
 * month planner with the optional ToDo pane to its right, drawn through the Qt-free PlannerView.
 * Timer 1 refreshes the pane's sky read-outs twice a second without redrawing the planner.
 *
 * Mouse buttons and the keys Enter and ←↑→↓ select and open cells and ToDo rows; the editing
 * commands run on the selection. The view only translates Qt's events: what they do is decided by
 * the Qt-free selection operations and the command table of src/edit.
 */
class CPlanovaView : public QWidget, public DocumentView
{
    Q_OBJECT
public:
    /// The document is owned elsewhere and outlives the view. Runs the view's initial update.
    CPlanovaView(CPlanovaDoc& document, QWidget* parent);
    ~CPlanovaView() override;

    bool IsCommandEnabled(int commandId) const override;
    bool IsCommandChecked(int commandId) const override;
    std::string CommandText(int commandId) const override;
    bool ExecuteCommand(int commandId) override;
    void RefreshFromDocument() override;

    /// The timer's work: computes the read-outs for now and writes the pane's fields; neither the
    /// calendar nor the planner is touched.
    void RefreshSky();

    /// Shows a date as if it had been chosen in the month calendar.
    void ShowDate(const DateTime& date);

    // Requests of the find dialog "検索・置換", which the main window sends to its active view.
    /// "次を検索" ("前を検索"): the view moves to the next hit, or tells the user "最後まで検索しました。"
    /// ("先頭まで検索しました。").
    void OnFindNext(const std::string& search, bool fromStart, const MatchOptions& options,
                    const FindOrder& order);
    /// "置換" of the current hit.
    void OnReplace(const std::string& search, const std::string& replacement, const MatchOptions& options);
    /// "全て置換" (with `toDos` over the ToDo items too); a refusal (an empty search text) is shown and
    /// changes nothing.
    void OnReplaceAll(const std::string& search, const std::string& replacement, const MatchOptions& options,
                      bool toDos);
    /// The dialog ended: the view has no dialog open and the document no hit.
    void OnFindEnded();
    /// Paints the view now and returns where the find hit's mark is on the screen (global
    /// coordinates); none when the hit is not shown.
    std::optional<QRect> FindMarkOnScreen();

    PlannerView& Planner() { return *View; }
    InfoPane* Information() const { return Pane; }
    /// The scroll area that holds the information pane.
    QScrollArea* InformationScroller() const { return PaneScroller; }
    QScrollBar* ToDoScrollBar() const { return ScrollBar; }
    QTimer* SkyTimer() const { return Timer; }
    /// How many times the planner has been painted (the timer must not add to it).
    int PaintCount() const { return Paints; }
    /// How many times the view was told to redraw from the document.
    int RefreshCount() const { return Refreshes; }

    /// The dialogs the view's commands run (not owned; they must outlive their use); nullptr: the real
    /// Qt dialogs.
    void SetDialogs(ViewServices* dialogs);

    /// Shows the cell context menu at a screen position and returns the chosen item (nullptr: none).
    using PopupRunner = std::function<QAction*(QMenu& menu, const QPoint& screenPosition)>;
    /// Replaces how the cell context menu is shown (tests look at the menu instead); empty: QMenu::exec.
    void SetPopupRunner(PopupRunner runner);

    /// The refresh period of the read-outs in milliseconds.
    static constexpr int SkyRefreshMilliseconds = 500;

protected:
    /// Enter and the arrow keys reach the view before the main window's shortcuts while it takes them.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    /// The platform's context-menu request after a right click is ignored: the press opened the menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    /// The wheel over the ToDo pane scrolls it.
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// The information pane runs the whole height of the view and scrolls when it is taller.
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnCalendarSelection();
    void OnScrollAction(int action);
    void OnScrollReleased();
    /// Writes the view's values into its controls: the calendar date, the scroll position, the 21:00 moon
    /// age.
    void WriteFormData();
    void PlaceScrollBar(const ScreenDrawResult& drawn);
    /// The window's sizes the planner is laid out for.
    ScreenGeometry Geometry() const;
    /// Ends a command that changed what the planner shows: the layout step now, the paint when the widget
    /// is next painted.
    void Redraw();
    /// Ends input or a command: the form data are written and every view of the document redrawn,
    /// this one last; a changed document also updates the window titles.
    void Finish(bool documentChanged);
    ViewServices& Dialogs();
    void ShowCellMenu(const QPoint& screenPosition);

    std::unique_ptr<PlannerView> View;
    InfoPane* Pane = nullptr;
    QScrollArea* PaneScroller = nullptr;
    QScrollBar* ScrollBar = nullptr;
    QTimer* Timer = nullptr;
    ViewServices* ExternalDialogs = nullptr;
    std::unique_ptr<QtViewServices> OwnDialogs;
    PopupRunner Popup;
    int WheelAngle = 0; ///< wheel rotation not yet a whole notch
    int Paints = 0;
    int Refreshes = 0;
    /// Where the last paint drew the find mark, in the view's coordinates.
    std::optional<QRect> FindMark;
};

} // namespace planova
