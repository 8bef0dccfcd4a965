#include "gui/QtPrintDialog.h"

#include "canvas/QtText.h"
#include "gui/DialogFields.h"
#include "gui/InfoPane.h"
#include "gui/UserDialogs.h"
#include "print/PrintedPage.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QColorDialog>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace planova {

namespace C = PrintControl;

/// A number field with arrows: the text is free (the dialog model validates it), the arrows step as the model
/// says.
class NumberField : public QAbstractSpinBox
{
public:
    NumberField(int spinControl, QWidget* parent) : QAbstractSpinBox(parent), Spin(spinControl)
    {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        setAccelerated(true);
    }

    QLineEdit* Edit() const { return lineEdit(); }

    void stepBy(int steps) override
    {
        bool ok = false;
        const int value = text().trimmed().toInt(&ok);
        if (!ok)
            return;
        lineEdit()->setText(QString::number(PrintDialogModel::SpinStep(Spin, value, steps)));
    }

protected:
    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int Spin;
};

namespace {

QString Label(const PrintDialogModel* model, int control)
{
    if (model != nullptr)
        return Utf8Text(model->LabelOf(control));
    for (const PrintRadio& radio : PrintRadios()) {
        if (radio.Id == control)
            return Utf8Text(radio.Label);
    }
    for (const PrintCheck& check : PrintChecks()) {
        if (check.Id == control)
            return Utf8Text(check.Label);
    }
    return {};
}

bool IsRadio(int control)
{
    const auto radios = PrintRadios();
    return std::any_of(radios.begin(), radios.end(), [&](const PrintRadio& r) { return r.Id == control; });
}

QColor ColourOf(std::uint32_t value)
{
    const Rgb rgb = RgbOfColourValue(value);
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

} // namespace

QtPrintDialog::QtPrintDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("印刷"));
    setObjectName(QStringLiteral("QtPrintDialog"));

    // Four columns (the print types take two) over one row of choices and buttons, so the whole dialog
    // fits a 1024×600 screen with a task bar.
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildPaper());
    middle->addWidget(BuildPageOptions());
    middle->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(BuildAdjustment());
    right->addWidget(BuildDates());
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildPrintType(), 0, Qt::AlignTop);
    columns->addLayout(middle);
    columns->addLayout(right);

    auto* bottom = new QHBoxLayout;
    for (const int control : {C::CountHours, C::SaveSettings, C::PrinterDialog})
        bottom->addWidget(AddButton(control));
    bottom->addStretch();
    Ok = new QPushButton(QStringLiteral("印刷"), this);
    Ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    bottom->addWidget(Ok);
    bottom->addWidget(cancel);
    connect(Ok, &QPushButton::clicked, this, &QtPrintDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QtPrintDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
}

QWidget* QtPrintDialog::AddButton(int control)
{
    QAbstractButton* button =
        IsRadio(control) ? static_cast<QAbstractButton*>(new QRadioButton(Label(nullptr, control), this))
                         : new QCheckBox(Label(nullptr, control), this);
    // Radios of one group are exclusive through the model, not through Qt: a refused change can be taken
    // back.
    button->setAutoExclusive(false);
    button->setObjectName(QString::number(control));
    connect(button, &QAbstractButton::clicked, this, [this, control] { Changed(control); });
    Buttons[control] = button;
    return button;
}

NumberField* QtPrintDialog::AddNumber(int control)
{
    const auto numbers = PrintNumbers();
    const auto number =
        std::find_if(numbers.begin(), numbers.end(), [&](const PrintNumber& n) { return n.Id == control; });
    auto* field = new NumberField(number->SpinId, this);
    field->setObjectName(QString::number(control));
    field->setMinimumWidth(64);
    Numbers[control] = field;
    return field;
}

QGroupBox* QtPrintDialog::BuildPrintType()
{
    auto* group = new QGroupBox(QStringLiteral("印刷タイプ"), this);
    // The day and ToDo pages with their options on the left; the week, month, year and memo pages on the
    // right.
    auto* columns = new QHBoxLayout(group);
    auto* days = new QVBoxLayout;
    auto* others = new QVBoxLayout;
    columns->addLayout(days);
    columns->addLayout(others);
    const auto indented = [&](QVBoxLayout* column, std::initializer_list<int> controls) {
        auto* box = new QVBoxLayout;
        box->setContentsMargins(20, 0, 0, 0);
        for (const int control : controls)
            box->addWidget(AddButton(control));
        column->addLayout(box);
    };
    const auto options = [&](const char* title, std::initializer_list<int> controls, int perRow) {
        auto* box = new QGroupBox(Utf8Text(title), group);
        auto* grid = new QGridLayout(box);
        int index = 0;
        for (const int control : controls) {
            grid->addWidget(AddButton(control), index / perRow, index % perRow);
            ++index;
        }
        return box;
    };
    days->addWidget(AddButton(C::DayType));
    indented(days, {C::DayToDo, C::RecordSheet, C::RecordDate, C::RecordTomorrow, C::RecordToDo,
                    C::CentreLine, C::CentreThird, C::RoutineWork, C::Classification});
    days->addWidget(AddButton(C::ToDoType));
    indented(days, {C::ToDoEvents, C::ToDoOverdue, C::ToDoLater});
    days->addStretch();
    others->addWidget(AddButton(C::WeekType));
    others->addWidget(AddButton(C::MonthType));
    others->addWidget(options("週予定・月予定オプション", {C::Vertical, C::List}, 2));
    others->addWidget(options("開始曜日オプション", {C::SundayStart, C::MondayStart}, 2));
    others->addWidget(AddButton(C::YearType));
    others->addWidget(options("年間予定表オプション",
                              {C::OneMonth, C::TwoMonths, C::ThreeMonths, C::FourMonths, C::SixMonths}, 3));
    others->addWidget(AddButton(C::MemoType));
    others->addStretch();
    return group;
}

QGroupBox* QtPrintDialog::BuildPaper()
{
    auto* group = new QGroupBox(QStringLiteral("用紙のオプション"), this);
    auto* layout = new QGridLayout(group);
    layout->addWidget(AddButton(C::Portrait), 0, 0);
    layout->addWidget(AddButton(C::Landscape), 0, 1);
    layout->addWidget(AddButton(C::PaperA4), 1, 0);
    layout->addWidget(AddButton(C::PaperA5), 1, 1);
    layout->addWidget(AddButton(C::PaperBible), 2, 0);
    layout->addWidget(AddButton(C::PaperMini), 2, 1);
    layout->addWidget(AddButton(C::FillColours), 3, 0, 1, 2);
    layout->addWidget(AddButton(C::NoBiorhythm), 4, 0, 1, 2);
    return group;
}

QGroupBox* QtPrintDialog::BuildPageOptions()
{
    auto* group = new QGroupBox(QStringLiteral("印刷オプション"), this);
    auto* layout = new QVBoxLayout(group);
    for (const int control : {C::Spread, C::LeftPage, C::RightPage, C::OnePage, C::OneSide})
        layout->addWidget(AddButton(control));
    layout->addWidget(new QLabel(QStringLiteral("余白を多く取る側"), group));
    auto* margins = new QHBoxLayout;
    for (const int control : {C::MarginLeft, C::MarginRight, C::MarginTop, C::MarginBottom})
        margins->addWidget(AddButton(control));
    layout->addLayout(margins);
    layout->addWidget(AddButton(C::Approval));
    return group;
}

QGroupBox* QtPrintDialog::BuildAdjustment()
{
    auto* group = new QGroupBox(QStringLiteral("微調整"), this);
    auto* layout = new QFormLayout(group);
    layout->addRow(QStringLiteral("右に移動"), AddNumber(C::MoveRight));
    layout->addRow(QStringLiteral("下に移動"), AddNumber(C::MoveDown));
    layout->addRow(AddButton(C::Frame));
    layout->addRow(AddButton(C::SpecialPaper));
    layout->addRow(QStringLiteral("フォントサイズ"), AddNumber(C::FontSize));
    Colour = new QPushButton(QStringLiteral("罫線の色"), this);
    Colour->setObjectName(QString::number(C::RuleColour));
    connect(Colour, &QPushButton::clicked, this, &QtPrintDialog::ChooseColour);
    layout->addRow(Colour);
    layout->addRow(QStringLiteral("罫線の太さ"), AddNumber(C::RuleWidth));
    return group;
}

QGroupBox* QtPrintDialog::BuildDates()
{
    auto* group = new QGroupBox(QStringLiteral("日付表示のタイプ"), this);
    auto* layout = new QVBoxLayout(group);
    for (const int control : {C::DigitsDate, C::SlashDate, C::KanjiDate, C::StripZeros})
        layout->addWidget(AddButton(control));
    auto* range = new QFormLayout;
    for (const auto& [control, label] :
         {std::pair{C::StartDate, "印刷の開始"}, std::pair{C::EndDate, "印刷の終了"}}) {
        QDateEdit* date = NewDatePicker(this, control);
        connect(date, &QDateEdit::dateChanged, this, [this, id = control] {
            if (!Writing)
                Changed(id);
        });
        Dates[control] = date;
        range->addRow(Utf8Text(label), date);
    }
    layout->addLayout(range);
    return group;
}

QLineEdit& QtPrintDialog::NumberEdit(int control) const
{
    return *Numbers.at(control)->Edit();
}

PrintDialogReading QtPrintDialog::ReadControls() const
{
    PrintDialogReading reading;
    for (const PrintCheck& check : PrintChecks())
        reading.Checks[check.Id] = Buttons.at(check.Id)->isChecked();
    for (const auto& [control, field] : Numbers)
        reading.Numbers[control] = field->text().toStdString();
    reading.RuleColour = ColourValue;
    reading.Start = FromQDate(Dates.at(C::StartDate)->date());
    reading.End = FromQDate(Dates.at(C::EndDate)->date());
    return reading;
}

void QtPrintDialog::Changed(int control)
{
    if (Model == nullptr || Writing)
        return;
    if (const std::optional<FieldError> error = Model->OnControl(control, ReadControls())) {
        WriteButtons(); // the click is taken back; the texts stay as typed
        ShowFieldError(*error);
        return;
    }
    WriteControls();
}

void QtPrintDialog::ShowFieldError(const FieldError& error)
{
    ShowError(this, Utf8Text(error.Message));
    if (const auto field = Numbers.find(error.Control); field != Numbers.end()) {
        field->second->setFocus();
        field->second->selectAll();
    } else if (const auto date = Dates.find(error.Control); date != Dates.end()) {
        date->second->setFocus();
    }
}

void QtPrintDialog::WriteButtons()
{
    for (const auto& [control, button] : Buttons) {
        button->setChecked(Model->IsChecked(control));
        button->setEnabled(Model->IsEnabled(control));
        button->setText(Label(Model, control));
    }
    Ok->setEnabled(Model->IsEnabled(C::Ok));
}

void QtPrintDialog::WriteControls()
{
    Writing = true;
    WriteButtons();
    const PrintDialogReading shown = Model->Shown();
    for (const auto& [control, field] : Numbers)
        field->Edit()->setText(Utf8Text(shown.Numbers.at(control)));
    Dates.at(C::StartDate)->setDate(ToQDate(shown.Start));
    Dates.at(C::EndDate)->setDate(ToQDate(shown.End));
    ColourValue = shown.RuleColour;
    const QColor colour = ColourOf(ColourValue);
    Colour->setStyleSheet(
        QStringLiteral("QPushButton { border: 3px solid %1; padding: 3px; }").arg(colour.name()));
    Writing = false;
}

void QtPrintDialog::ChooseColour()
{
    const QColor chosen = QColorDialog::getColor(ColourOf(ColourValue), this, QStringLiteral("罫線の色"));
    if (!chosen.isValid())
        return;
    ColourValue =
        ColourValueOf(Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                          static_cast<std::uint8_t>(chosen.blue())});
    Changed(C::RuleColour);
}

void QtPrintDialog::Start(PrintDialogModel& model)
{
    Model = &model;
    WriteControls();
}

bool QtPrintDialog::Run(PrintDialogModel& model)
{
    Start(model);
    const bool confirmed = exec() == QDialog::Accepted;
    Model = nullptr;
    return confirmed;
}

void QtPrintDialog::accept()
{
    if (Model == nullptr)
        return;
    if (const std::optional<FieldError> error = Model->Confirm(ReadControls())) {
        ShowFieldError(*error);
        return;
    }
    QDialog::accept();
}

} // namespace planova
