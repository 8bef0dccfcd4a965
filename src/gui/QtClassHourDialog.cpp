#include "gui/QtClassHourDialog.h"

#include "gui/DialogFields.h"
#include "gui/InfoPane.h"
#include "canvas/QtText.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr int StartId = 1144;
constexpr int EndId = 1145;
constexpr int SaveId = 1176;

} // namespace

QtClassHourDialog::QtClassHourDialog(QWidget* parent)
    : QDialog(parent), StartPicker(NewDatePicker(this, StartId)), EndPicker(NewDatePicker(this, EndId)),
      Save(new QCheckBox(QStringLiteral("設定を保存する"), this)), Ok(new QPushButton(this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setWindowTitle(QStringLiteral("時数計算"));
    SetControlId(*Save, SaveId);
    SetControlId(*Ok, 1);
    SetControlId(*Cancel, 2);
    auto* layout = new QVBoxLayout(this);
    auto* table = new QGridLayout;
    int column = 1;
    for (const char* heading : {"学級名", "オフセット値", "計算結果"})
        table->addWidget(new QLabel(Utf8Text(heading), this), 0, column++, Qt::AlignCenter);
    const auto rows = ClassHourRowControlTable();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        table->addWidget(new QLabel(Utf8Text(rows[i].Label), this), row, 0);
        Names[i] = new ModelTextEdit(this, rows[i].NameId);
        Offsets[i] = NewNumberField(this, rows[i].OffsetId, true);
        Results[i] = new QLineEdit(this);
        SetControlId(*Results[i], rows[i].ResultId);
        Results[i]->setReadOnly(true);
        Results[i]->setEnabled(false);
        for (QLineEdit* number : {Offsets[i], Results[i]}) {
            number->setAlignment(Qt::AlignRight);
            number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
        }
        Names[i]->setMinimumWidth(Names[i]->fontMetrics().horizontalAdvance(QStringLiteral("３年１組国語")) +
                                  16);
        table->addWidget(Names[i], row, 1);
        table->addWidget(Offsets[i], row, 2);
        table->addWidget(Results[i], row, 3);
    }
    layout->addLayout(table);

    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(QStringLiteral("開始日："), this));
    dates->addWidget(StartPicker);
    dates->addSpacing(12);
    dates->addWidget(new QLabel(QStringLiteral("終了日："), this));
    dates->addWidget(EndPicker);
    dates->addStretch();
    layout->addLayout(dates);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Save);
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Cancel);
    layout->addLayout(buttons);
    Ok->setDefault(true);
    connect(Ok, &QPushButton::clicked, this, &QtClassHourDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &QtClassHourDialog::reject);
}

void QtClassHourDialog::Start(const ClassHourValues& values)
{
    Values = values;
    for (std::size_t i = 0; i < Names.size(); ++i) {
        Names[i]->SetModelText(values.Names[i]);
        Offsets[i]->setText(QString::number(values.Offsets[i]));
        Results[i]->setText(QString::number(values.Results[i]));
    }
    StartPicker->setDate(ToQDate(values.Start));
    EndPicker->setDate(ToQDate(values.End));
    Save->setChecked(values.SaveSettings);
    const ClassHourModeLook look = LookOf(values.Mode);
    Ok->setText(Utf8Text(look.OkCaption));
    Cancel->setVisible(look.CancelShown);
    Save->setEnabled(look.SaveEnabled);
    Names.front()->setFocus(Qt::OtherFocusReason);
}

bool QtClassHourDialog::ReadEntries(ClassHourValues& values)
{
    for (std::size_t i = 0; i < Names.size(); ++i) {
        std::optional<std::string> name = Names[i]->TakeModelText();
        if (!name)
            return false;
        const std::optional<int> offset = TakeNumber(*Offsets[i]);
        if (!offset)
            return false;
        values.Names[i] = std::move(*name);
        values.Offsets[i] = *offset;
    }
    values.Start = FromQDate(StartPicker->date());
    values.End = FromQDate(EndPicker->date());
    if (const std::string refusal = ClassHourRefusal(values); !refusal.empty()) {
        ShowFieldProblem(*StartPicker, Utf8Text(refusal));
        return false;
    }
    return true;
}

void QtClassHourDialog::accept()
{
    ClassHourValues read = Values;
    // What is typed into the shown result is not used; only whether to save the settings.
    if (Values.Mode == ClassHourMode::Entry && !ReadEntries(read))
        return;
    read.SaveSettings = Save->isChecked();
    Values = read;
    QDialog::accept();
}

} // namespace planova
