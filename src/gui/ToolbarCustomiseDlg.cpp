#include "gui/ToolbarCustomiseDlg.h"

#include "gui/CommandActions.h"
#include "canvas/QtText.h"
#include "edit/CommandTable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace planova {
namespace {

/// Commands that can sit on the toolbar: every command with a fixed text but the customising.
bool Offered(const CommandInfo& command)
{
    const bool recent = command.Id >= CommandId::RecentFile1 &&
                        command.Id < CommandId::RecentFile1 + CommandId::RecentFileCount;
    return !recent && !command.Text.empty() && command.Id != CommandId::ToolbarCustomise;
}

QString PlainText(std::string_view text)
{
    QString plain = Utf8Text(text);
    return plain.remove(QLatin1Char('&'));
}

} // namespace

ToolbarCustomiseDlg::ToolbarCustomiseDlg(const std::vector<int>& shown, QWidget* parent)
    : QDialog(parent), Commands(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("カスタマイズ"));
    for (const auto& command : planova::Commands()) {
        if (!Offered(command))
            continue;
        auto* item = new QListWidgetItem(PlainText(command.Text), Commands);
        item->setData(Qt::UserRole, command.Id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    }
    Tick(shown);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    auto* reset = buttons->addButton(QStringLiteral("既定に戻す(&R)"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, [this] { Tick(CommandActions::DefaultToolbarCommands()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ツール バー「標準」に表示するコマンド:"), this));
    layout->addWidget(Commands, 1);
    layout->addWidget(buttons);
    resize(360, 480);
}

void ToolbarCustomiseDlg::Tick(const std::vector<int>& shown)
{
    for (int row = 0; row < Commands->count(); ++row) {
        auto* item = Commands->item(row);
        const bool on =
            std::find(shown.begin(), shown.end(), item->data(Qt::UserRole).toInt()) != shown.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<int> ToolbarCustomiseDlg::Chosen() const
{
    std::vector<int> chosen;
    for (int row = 0; row < Commands->count(); ++row)
        if (Commands->item(row)->checkState() == Qt::Checked)
            chosen.push_back(Commands->item(row)->data(Qt::UserRole).toInt());
    return chosen;
}

} // namespace planova
