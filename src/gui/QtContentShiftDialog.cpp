#include "gui/QtContentShiftDialog.h"

#include "gui/DialogFields.h"
#include "gui/InfoPane.h"
#include "canvas/QtText.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr int StartId = 1183;
constexpr int EndId = 1184;
constexpr int ClassNameId = 1182;

} // namespace

QtContentShiftDialog::QtContentShiftDialog(QWidget* parent)
    : QDialog(parent), Direction(new QButtonGroup(this)), StartPicker(NewDatePicker(this, StartId)),
      EndPicker(NewDatePicker(this, EndId)), ClassName(new ModelTextEdit(this, ClassNameId)),
      Why(new QLabel(this)), Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setWindowTitle(QStringLiteral("「内容」の繰り上げ・繰り下げ"));
    auto* layout = new QVBoxLayout(this);
    auto* directions = new QHBoxLayout;
    for (const ShiftDirectionButton& button : ShiftDirectionButtons()) {
        auto* push = new QPushButton(Utf8Text(button.Label), this);
        SetControlId(*push, button.ControlId);
        push->setCheckable(true);
        Direction->addButton(push, static_cast<int>(button.Direction));
        directions->addWidget(push);
    }
    layout->addLayout(directions);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("開始日："), StartPicker);
    form->addRow(QStringLiteral("終了日："), EndPicker);
    form->addRow(QStringLiteral("学級名："), ClassName);
    layout->addLayout(form);
    Why->setStyleSheet(QStringLiteral("color: #b00000"));
    Why->setWordWrap(true);
    layout->addWidget(Why);
    layout->addWidget(new QLabel(Utf8Text(ContentShiftWarning), this));

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(Cancel, QDialogButtonBox::RejectRole);
    Ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QtContentShiftDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QtContentShiftDialog::reject);
    layout->addWidget(buttons);

    connect(Direction, &QButtonGroup::idClicked, this, &QtContentShiftDialog::Update);
    connect(StartPicker, &QDateEdit::dateChanged, this, &QtContentShiftDialog::Update);
    connect(EndPicker, &QDateEdit::dateChanged, this, &QtContentShiftDialog::Update);
    connect(ClassName, &QLineEdit::textChanged, this, &QtContentShiftDialog::Update);
}

void QtContentShiftDialog::Start(const ContentShiftValues& values)
{
    Values = values;
    Direction->button(static_cast<int>(values.Direction))->setChecked(true);
    StartPicker->setDate(ToQDate(values.Start));
    EndPicker->setDate(ToQDate(values.End));
    ClassName->SetModelText(values.ClassName);
    Update();
    ClassName->setFocus(Qt::OtherFocusReason);
}

ContentShiftValues QtContentShiftDialog::ReadControls() const
{
    ContentShiftValues read = Values;
    read.Direction = static_cast<ShiftDirection>(Direction->checkedId());
    read.Start = FromQDate(StartPicker->date());
    read.End = FromQDate(EndPicker->date());
    // Only whether a name is typed counts until OK converts it.
    read.ClassName = ClassName->text().toStdString();
    return read;
}

void QtContentShiftDialog::Update()
{
    const ContentShiftValues read = ReadControls();
    Direction->button(static_cast<int>(read.Direction))->setChecked(true);
    const std::string refusal = ContentShiftRefusal(read);
    Ok->setEnabled(refusal.empty());
    Why->setText(Utf8Text(refusal));
}

void QtContentShiftDialog::accept()
{
    ContentShiftValues read = ReadControls();
    if (!ContentShiftRefusal(read).empty())
        return;
    std::optional<std::string> name = ClassName->TakeModelText();
    if (!name)
        return;
    read.ClassName = std::move(*name);
    Values = read;
    QDialog::accept();
}

} // namespace planova
