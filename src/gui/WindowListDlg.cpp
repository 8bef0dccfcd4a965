#include "gui/WindowListDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace planova {

WindowListDlg::WindowListDlg(QMdiArea& area, std::function<void(QMdiSubWindow&)> save, QWidget* parent)
    : QDialog(parent), Area(area), SaveWindow(std::move(save)), Windows(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("ウィンドウ"));
    auto* activate = new QPushButton(QStringLiteral("アクティブ化(&A)"), this);
    auto* saveButton = new QPushButton(QStringLiteral("保存(&S)"), this);
    auto* close = new QPushButton(QStringLiteral("ウィンドウを閉じる(&C)"), this);
    auto* done = new QPushButton(QStringLiteral("OK"), this);
    activate->setDefault(true);

    connect(activate, &QPushButton::clicked, this, [this] {
        ActivateSelected();
        accept();
    });
    connect(Windows, &QListWidget::itemDoubleClicked, this, [this] {
        ActivateSelected();
        accept();
    });
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (auto* window = Selected())
            SaveWindow(*window);
        Fill();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        if (auto* window = Selected())
            window->close();
        Fill();
    });
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QVBoxLayout;
    for (auto* button : {activate, saveButton, close, done})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Windows, 1);
    layout->addLayout(buttons);
    Fill();
}

void WindowListDlg::Fill()
{
    Windows->clear();
    const auto windows = Area.subWindowList();
    for (auto* window : windows) {
        QString title = window->windowTitle();
        title.replace(QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
        auto* item = new QListWidgetItem(title, Windows);
        item->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject*>(window)));
        if (window == Area.currentSubWindow())
            Windows->setCurrentItem(item);
    }
}

QMdiSubWindow* WindowListDlg::Selected() const
{
    auto* item = Windows->currentItem();
    return item ? qobject_cast<QMdiSubWindow*>(item->data(Qt::UserRole).value<QObject*>()) : nullptr;
}

void WindowListDlg::ActivateSelected()
{
    if (auto* window = Selected())
        Area.setActiveSubWindow(window);
}

} // namespace planova
