#include "gui/UserDialogs.h"

#include <QFileDialog>
#include <QPushButton>

#include <algorithm>

namespace planova {
namespace {

std::unique_ptr<UserDialogs>& Installed()
{
    static std::unique_ptr<UserDialogs> dialogs = std::make_unique<UserDialogs>();
    return dialogs;
}

} // namespace

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
    return QFileDialog::getOpenFileName(parent, QStringLiteral("開く"), QString(),
                                        DataFileFilter() + QStringLiteral(";;すべてのファイル (*)"));
}

QString UserDialogs::SaveFileName(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("名前を付けて保存"), suggested,
                                        DataFileFilter());
}

QString UserDialogs::ExportFileName(QWidget* parent, const QString& title, const QString& suggested,
                                    const QStringList& filters, int& filter)
{
    QString selected = filters.value(filter);
    const QString path =
        QFileDialog::getSaveFileName(parent, title, suggested, filters.join(QStringLiteral(";;")), &selected);
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
