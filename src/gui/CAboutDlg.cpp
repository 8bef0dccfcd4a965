#include "gui/CAboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

// The resources live in a static library: they are registered by hand.
static void InitPlanovaResources()
{
    Q_INIT_RESOURCE(planova);
}

namespace planova {

namespace {

/// Room the window manager takes in a title bar for the icon and the window's buttons.
constexpr int TitleBarButtons = 120;

} // namespace

QIcon ApplicationIcon()
{
    static const bool registered = (InitPlanovaResources(), true);
    (void)registered;
    return QIcon(QStringLiteral(":/planova/planova.svg"));
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("バージョン情報 Planova"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    auto* text = new QLabel(QStringLiteral("Planova, Version 9.7.0.1"), this);
    text->setObjectName(QStringLiteral("VersionText"));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    // The title bar shows the whole title beside the window's buttons: the box is at least that wide.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + TitleBarButtons;
    setFixedSize(std::max(sizeHint().width(), titleWidth), sizeHint().height());
}

} // namespace planova
