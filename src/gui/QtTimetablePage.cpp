#include "gui/QtTimetablePage.h"

#include "gui/DialogFields.h"
#include "canvas/QtText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr int OverwriteId = 1104;

} // namespace

QtTimetablePage::QtTimetablePage(QWidget* parent)
    : QWidget(parent), Overwrite(new QCheckBox(QStringLiteral("「予定」に時間割を上書きする"), this))
{
    SetControlId(*Overwrite, OverwriteId);
    auto* page = new QVBoxLayout(this);
    auto* table = new QGridLayout;
    for (int weekday = 0; weekday < TimetableWeekdays; ++weekday)
        table->addWidget(
            new QLabel(Utf8Text(TimetableWeekdayLabels()[static_cast<std::size_t>(weekday)]), this), 0,
            weekday + 1, Qt::AlignCenter);
    for (int period = 0; period < TimetablePeriods; ++period)
        table->addWidget(
            new QLabel(Utf8Text(TimetablePeriodLabels()[static_cast<std::size_t>(period)]), this), period + 1,
            0);
    for (int k = 0; k < CPlanovaDoc::JikannwariCount; ++k) {
        auto* text = new ModelTextEdit(this, TimetableControlId(k));
        text->setMinimumWidth(text->fontMetrics().horizontalAdvance(QStringLiteral("国語国語")) + 12);
        Texts[static_cast<std::size_t>(k)] = text;
        const TimetableCell cell = TimetableCellOf(k);
        table->addWidget(text, cell.Period + 1, cell.Weekday + 1);
    }
    // Tab runs down each weekday's column, as the texts are numbered.
    for (std::size_t k = 1; k < Texts.size(); ++k)
        setTabOrder(Texts[k - 1], Texts[k]);
    page->addLayout(table);
    page->addWidget(Overwrite);
    page->addStretch();
}

void QtTimetablePage::Fill(const TimetablePageValues& values)
{
    for (std::size_t k = 0; k < Texts.size(); ++k)
        Texts[k]->SetModelText(values.Texts[k]);
    Overwrite->setChecked(values.Overwrite);
}

bool QtTimetablePage::Read(TimetablePageValues& values)
{
    TimetablePageValues read;
    for (std::size_t k = 0; k < Texts.size(); ++k) {
        std::optional<std::string> text = Texts[k]->TakeModelText();
        if (!text)
            return false;
        read.Texts[k] = std::move(*text);
    }
    read.Overwrite = Overwrite->isChecked();
    values = std::move(read);
    return true;
}

} // namespace planova
