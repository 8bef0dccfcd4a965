#pragma once

#include <QMessageBox>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QFileDialog;
class QWidget;

namespace planova {

/// A message box to show: its buttons carry their Japanese texts.
struct MessageRequest
{
    QMessageBox::Icon Icon = QMessageBox::Information;
    QString Text;
    std::vector<std::pair<QMessageBox::StandardButton, QString>> Buttons;
    QMessageBox::StandardButton Default = QMessageBox::NoButton;
    /// The window title; empty: "Planova".
    QString Caption = {};
};

/**
 * Every question and message the application puts to the user goes through here, so that tests
 * can answer them without a modal loop. The default implementation shows Qt dialogs.
 */
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;
    /// Shows the message and returns the button chosen (the Escape button when closed).
    virtual QMessageBox::StandardButton Ask(QWidget* parent, const MessageRequest& request);
    /// The file to open, empty when cancelled.
    virtual QString OpenFileName(QWidget* parent);
    /// The file to save to, empty when cancelled; `suggested` is the proposed name.
    virtual QString SaveFileName(QWidget* parent, const QString& suggested);
    /**
     * The file to write an export to, empty when cancelled. `filters` are offered ("iCalendar
     * (*.ics)"), the one at `filter` first; `filter` becomes the index of the one chosen.
     */
    virtual QString ExportFileName(QWidget* parent, const QString& title, const QString& suggested,
                                   const QStringList& filters, int& filter);

    /// The implementation in use.
    static UserDialogs& Current();
    /// Replaces the implementation (nullptr: the Qt dialogs again); returns the previous one.
    static std::unique_ptr<UserDialogs> Install(std::unique_ptr<UserDialogs> dialogs);
};

/// Shows an error with an OK button.
void ShowError(QWidget* parent, const QString& text);

/// Shows the text for a while in the status bar of the main window the widget is in (none: nowhere).
void ShowInStatusBar(QWidget* parent, const QString& text);

/// Asks a yes / no / cancel question with Japanese button texts.
QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text);

/// The file filter of data files.
QString DataFileFilter();

/// The size a file dialog opens at, where the screen has the room.
constexpr QSize FileDialogSize(900, 560);

/**
 * Sizes a file dialog so that its columns are readable: at FileDialogSize where the screen's free
 * area `room` has space (at most 90 % of its width and 85 % of its height), the detailed view with
 * the size, type and date columns as wide as their texts and the name column taking the rest.
 */
void FitFileDialog(QFileDialog& dialog, const QRect& room);

} // namespace planova
