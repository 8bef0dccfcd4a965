#include "gui/UserDialogs.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTreeView>

#include <algorithm>

namespace planova {
namespace {

std::unique_ptr<UserDialogs>& Installed()
{
    static std::unique_ptr<UserDialogs> dialogs = std::make_unique<UserDialogs>();
    return dialogs;
}

/// Runs a file dialog for one file; returns it, empty when cancelled. `filter` is the name filter
/// offered first and becomes the one chosen.
QString RunFileDialog(QWidget* parent, const QString& title, const QString& start, const QString& filters,
                      QFileDialog::AcceptMode mode, QString* filter = nullptr)
{
    QFileDialog dialog(parent, title, start, filters);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (filter != nullptr && !filter->isEmpty())
        dialog.selectNameFilter(*filter);
    const QScreen* screen = parent ? parent->screen() : dialog.screen();
    FitFileDialog(dialog, screen->availableGeometry());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (filter != nullptr)
        *filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
}

} // namespace

void FitFileDialog(QFileDialog& dialog, const QRect& room)
{
    dialog.resize(std::min(FileDialogSize.width(), room.width() * 9 / 10),
                  std::min(FileDialogSize.height(), room.height() * 85 / 100));
    dialog.setViewMode(QFileDialog::Detail);
    // Qt's own dialog (the platform's native one has no such view): the size, type and date columns
    // as wide as what they show, the name taking the rest.
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

QMessageBox::StandardButton UserDialogs::Ask(QWidget* parent, const MessageRequest& request)
{
    const QString caption = request.Caption.isEmpty() ? QStringLiteral("Planova") : request.Caption;
    QMessageBox box(request.Icon, caption, request.Text, QMessageBox::NoButton, parent);
    for (const auto& [button, text] : request.Buttons)
        box.addButton(button)->setText(text);
    if (request.Default != QMessageBox::NoButton)
        box.setDefaultButton(request.Default);
    box.exec();
    auto* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::Cancel;
}

QString UserDialogs::OpenFileName(QWidget* parent)
{
    return RunFileDialog(parent, QStringLiteral("開く"), QString(),
                         DataFileFilter() + QStringLiteral(";;すべてのファイル (*)"),
                         QFileDialog::AcceptOpen);
}

QString UserDialogs::SaveFileName(QWidget* parent, const QString& suggested)
{
    return RunFileDialog(parent, QStringLiteral("名前を付けて保存"), suggested, DataFileFilter(),
                         QFileDialog::AcceptSave);
}

QString UserDialogs::ExportFileName(QWidget* parent, const QString& title, const QString& suggested,
                                    const QStringList& filters, int& filter)
{
    QString selected = filters.value(filter);
    const QString path = RunFileDialog(parent, title, suggested, filters.join(QStringLiteral(";;")),
                                       QFileDialog::AcceptSave, &selected);
    filter = std::max(0, static_cast<int>(filters.indexOf(selected)));
    return path;
}

UserDialogs& UserDialogs::Current()
{
    return *Installed();
}

std::unique_ptr<UserDialogs> UserDialogs::Install(std::unique_ptr<UserDialogs> dialogs)
{
    auto previous = std::move(Installed());
    Installed() = dialogs ? std::move(dialogs) : std::make_unique<UserDialogs>();
    return previous;
}

void ShowInStatusBar(QWidget* parent, const QString& text)
{
    // Long enough to be read after a job that ran while the user looked elsewhere.
    constexpr int StatusMilliseconds = 10000;
    auto* window = parent ? qobject_cast<QMainWindow*>(parent->window()) : nullptr;
    if (window != nullptr)
        window->statusBar()->showMessage(text, StatusMilliseconds);
}

void ShowError(QWidget* parent, const QString& text)
{
    UserDialogs::Current().Ask(parent,
                               {QMessageBox::Warning, text, {{QMessageBox::Ok, "OK"}}, QMessageBox::Ok});
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text)
{
    return UserDialogs::Current().Ask(parent, {QMessageBox::Question,
                                               text,
                                               {{QMessageBox::Yes, QStringLiteral("はい(&Y)")},
                                                {QMessageBox::No, QStringLiteral("いいえ(&N)")},
                                                {QMessageBox::Cancel, QStringLiteral("キャンセル")}},
                                               QMessageBox::Yes});
}

QString DataFileFilter()
{
    return QStringLiteral("Planova Files (*.dat)");
}

} // namespace planova
