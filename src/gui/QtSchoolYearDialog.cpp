#include "gui/QtSchoolYearDialog.h"

#include "gui/DialogFields.h"
#include "gui/InfoPane.h"
#include "gui/UserDialogs.h"
#include "canvas/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace planova {
namespace {

constexpr int StartId = 1113;
constexpr int EndId = 1114;
constexpr int OverwriteId = 1186;
constexpr int RuleSetsId = 1210;
constexpr int LocalHolidaysId = 1211;
constexpr int OwnDatesId = 1212;
/// Lines of own dates the field shows without scrolling.
constexpr int OwnDatesLines = 3;

} // namespace

QtSchoolYearDialog::QtSchoolYearDialog(QWidget* parent)
    : QDialog(parent), StartPicker(NewDatePicker(this, StartId)), EndPicker(NewDatePicker(this, EndId)),
      Overwrite(new QCheckBox(QStringLiteral("「予定」を「時間割」で上書きします。（OFFの場合は挿入します）"),
                              this)),
      Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setWindowTitle(QStringLiteral("データの自動作成"));
    SetControlId(*Overwrite, OverwriteId);
    auto* layout = new QVBoxLayout(this);

    auto* range = new QGroupBox(QStringLiteral("作成期間"), this);
    auto* rangeForm = new QFormLayout(range);
    rangeForm->addRow(QStringLiteral("開始日"), StartPicker);
    rangeForm->addRow(QStringLiteral("終了日"), EndPicker);
    layout->addWidget(range);

    layout->addWidget(new QLabel(Utf8Text(SchoolYearMonthDayNote), this));
    auto* rows = new QGridLayout;
    const auto controls = SchoolYearRowControlTable();
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const SchoolYearRowControls& control = controls[row];
        Switches[row] = new QCheckBox(Utf8Text(control.Label), this);
        SetControlId(*Switches[row], control.CheckId);
        FirstPickers[row] = NewDatePicker(this, control.FirstPicker);
        rows->addWidget(Switches[row], static_cast<int>(row), 0);
        rows->addWidget(FirstPickers[row], static_cast<int>(row), 1);
        if (control.LastPicker != 0) {
            LastPickers[row] = NewDatePicker(this, control.LastPicker);
            rows->addWidget(new QLabel(QStringLiteral("～"), this), static_cast<int>(row), 2);
            rows->addWidget(LastPickers[row], static_cast<int>(row), 3);
        }
        connect(Switches[row], &QCheckBox::clicked, this, &QtSchoolYearDialog::EnablePickers);
    }
    connect(Overwrite, &QCheckBox::clicked, this, &QtSchoolYearDialog::EnablePickers);
    rows->setColumnStretch(4, 1);
    layout->addLayout(rows);
    layout->addWidget(Overwrite);
    layout->addWidget(NewHolidayGroup());
    layout->addSpacing(8);
    layout->addWidget(new QLabel(Utf8Text(SchoolYearWarning), this));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QtSchoolYearDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QtSchoolYearDialog::reject);
    layout->addWidget(buttons);
}

QWidget* QtSchoolYearDialog::NewHolidayGroup()
{
    auto* group = new QGroupBox(QStringLiteral("休日"), this);
    auto* form = new QFormLayout(group);
    RuleSets = new QComboBox(group);
    SetControlId(*RuleSets, RuleSetsId);
    for (const HolidayRuleSetItem& item : HolidayRuleSetItems())
        RuleSets->addItem(Utf8Text(item.Label));
    form->addRow(QStringLiteral("祝日の規則"), RuleSets);

    LocalHolidays = new QComboBox(group);
    SetControlId(*LocalHolidays, LocalHolidaysId);
    LocalHolidays->setMaxVisibleItems(static_cast<int>(LocalHolidayItems().size()));
    auto* items = qobject_cast<QStandardItemModel*>(LocalHolidays->model());
    for (const LocalHolidayItem& item : LocalHolidayItems()) {
        LocalHolidays->addItem(Utf8Text(item.Text));
        // A prefecture heading is shown over its cities and cannot be chosen.
        if (item.Heading)
            items->item(LocalHolidays->count() - 1)->setFlags(Qt::NoItemFlags);
    }
    form->addRow(QStringLiteral("地域の休日"), LocalHolidays);

    OwnDates = new QPlainTextEdit(group);
    SetControlId(*OwnDates, OwnDatesId);
    OwnDates->setPlaceholderText(Utf8Text(OwnHolidaysHint));
    OwnDates->setTabChangesFocus(true);
    OwnDates->setFixedHeight(
        OwnDates->fontMetrics().lineSpacing() * OwnDatesLines +
        2 * (OwnDates->frameWidth() + static_cast<int>(OwnDates->document()->documentMargin())));
    form->addRow(QString(), OwnDates);
    connect(LocalHolidays, &QComboBox::currentIndexChanged, this, &QtSchoolYearDialog::EnableOwnDates);
    return group;
}

void QtSchoolYearDialog::Start(const SchoolYearDialogValues& values)
{
    Values = values;
    StartPicker->setDate(ToQDate(values.Start));
    EndPicker->setDate(ToQDate(values.End));
    for (std::size_t row = 0; row < Switches.size(); ++row) {
        const SwitchedDates& dates = values.Rows[row];
        Switches[row]->setChecked(dates.On);
        FirstPickers[row]->setDate(ToQDate(dates.First));
        if (LastPickers[row] != nullptr)
            LastPickers[row]->setDate(ToQDate(dates.Last));
    }
    Overwrite->setChecked(values.Overwrite);
    const auto ruleSets = HolidayRuleSetItems();
    RuleSets->setCurrentIndex(static_cast<int>(
        std::ranges::find(ruleSets, values.RuleSet, &HolidayRuleSetItem::RuleSet) - ruleSets.begin()));
    LocalHolidays->setCurrentIndex(LocalHolidayItemIndex(values.LocalHolidays));
    OwnDates->setPlainText(QString::fromStdString(values.LocalHolidays.OwnDates));
    EnablePickers();
    EnableOwnDates();
    StartPicker->setFocus(Qt::OtherFocusReason);
}

SchoolYearDialogValues QtSchoolYearDialog::ReadControls() const
{
    SchoolYearDialogValues read = Values;
    read.Start = FromQDate(StartPicker->date());
    read.End = FromQDate(EndPicker->date());
    for (std::size_t row = 0; row < Switches.size(); ++row) {
        SwitchedDates& dates = read.Rows[row];
        dates.On = Switches[row]->isChecked();
        // The foundation day keeps the time of day it came with when its date is not changed.
        if (FirstPickers[row]->date() != ToQDate(dates.First))
            dates.First = FromQDate(FirstPickers[row]->date());
        if (LastPickers[row] != nullptr)
            dates.Last = FromQDate(LastPickers[row]->date());
    }
    read.Overwrite = Overwrite->isChecked();
    read.RuleSet = HolidayRuleSetItems()[static_cast<std::size_t>(RuleSets->currentIndex())].RuleSet;
    const LocalHolidayItem chosen =
        LocalHolidayItems()[static_cast<std::size_t>(LocalHolidays->currentIndex())];
    read.LocalHolidays.Source = chosen.Source;
    if (chosen.Source == LocalHolidaySource::Place)
        read.LocalHolidays.Place = chosen.Place;
    read.LocalHolidays.OwnDates = OwnDates->toPlainText().toStdString();
    return read;
}

void QtSchoolYearDialog::EnablePickers()
{
    const SchoolYearDialogValues read = ReadControls();
    for (std::size_t row = 0; row < Switches.size(); ++row) {
        const bool enabled = SchoolYearPickersEnabled(read, static_cast<SchoolYearRow>(row));
        FirstPickers[row]->setEnabled(enabled);
        if (LastPickers[row] != nullptr)
            LastPickers[row]->setEnabled(enabled);
    }
}

void QtSchoolYearDialog::EnableOwnDates()
{
    OwnDates->setEnabled(ReadControls().LocalHolidays.Source == LocalHolidaySource::OwnDates);
}

void QtSchoolYearDialog::accept()
{
    const SchoolYearDialogValues read = ReadControls();
    if (const std::string refusal = LocalHolidayChoiceRefusal(read.LocalHolidays); !refusal.empty()) {
        ShowFieldProblem(*OwnDates, Utf8Text(refusal));
        return;
    }
    if (const std::string refusal = SchoolYearDialogRefusal(read); !refusal.empty()) {
        ShowFieldProblem(*StartPicker, Utf8Text(refusal));
        return;
    }
    Values = read;
    QDialog::accept();
}

} // namespace planova
