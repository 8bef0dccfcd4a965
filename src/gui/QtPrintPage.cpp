#include "gui/QtPrintPage.h"

#include "gui/DialogFields.h"
#include "canvas/QtText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr int UserNameId = 1188;
constexpr int ResetId = 1140;

} // namespace

QtPrintPage::QtPrintPage(QWidget* parent)
    : QWidget(parent), UserName(new ModelTextEdit(this, UserNameId)),
      Reset(new QPushButton(QStringLiteral("初期化"), this))
{
    SetControlId(*Reset, ResetId);
    auto* page = new QVBoxLayout(this);
    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("使用者の氏名："), this));
    name->addWidget(UserName, 1);
    page->addLayout(name);

    auto* frame = new QGroupBox(QStringLiteral("印刷フォントサイズ"), this);
    auto* table = new QGridLayout(frame);
    for (int column = 0; column < FontSizeColumns; ++column)
        table->addWidget(
            new QLabel(Utf8Text(FontSizeColumnLabels()[static_cast<std::size_t>(column)]), frame), 0,
            column + 1, Qt::AlignCenter);
    for (int row = 0; row < FontSizeRows; ++row) {
        table->addWidget(new QLabel(Utf8Text(FontSizeRowLabels()[static_cast<std::size_t>(row)]), frame),
                         row + 1, 0);
        for (int column = 0; column < FontSizeColumns; ++column) {
            QLineEdit* size = NewNumberField(frame, FontSizeControlId(row, column), false);
            size->setMaxLength(2);
            size->setAlignment(Qt::AlignRight);
            size->setFixedWidth(size->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
            Sizes[static_cast<std::size_t>(FontSizeIndex(row, column))] = size;
            table->addWidget(size, row + 1, column + 1, Qt::AlignCenter);
        }
    }
    auto* reset = new QHBoxLayout;
    reset->addStretch();
    reset->addWidget(Reset);
    table->addLayout(reset, FontSizeRows + 1, 0, 1, FontSizeColumns + 1);
    page->addWidget(frame);
    page->addStretch();

    connect(Reset, &QPushButton::clicked, this, [this] { ShowSizes(DefaultFontPoints); });
}

void QtPrintPage::Fill(const PrintPageValues& values)
{
    UserName->SetModelText(values.UserName);
    ShowSizes(values.FontSizes);
}

void QtPrintPage::ShowSizes(const std::array<int, CPlanovaDoc::FontPointCount>& sizes)
{
    for (std::size_t i = 0; i < Sizes.size(); ++i)
        Sizes[i]->setText(QString::number(sizes[i]));
}

bool QtPrintPage::Read(PrintPageValues& values)
{
    PrintPageValues read;
    const std::optional<std::string> name = UserName->TakeModelText();
    if (!name)
        return false;
    read.UserName = *name;
    for (std::size_t i = 0; i < Sizes.size(); ++i) {
        const std::optional<int> size = TakeNumber(*Sizes[i], MinFontSize, MaxFontSize);
        if (!size)
            return false;
        read.FontSizes[i] = *size;
    }
    values = read;
    return true;
}

} // namespace planova
