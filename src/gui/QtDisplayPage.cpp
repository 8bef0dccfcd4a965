#include "gui/QtDisplayPage.h"

#include "gui/DialogFields.h"
#include "canvas/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace planova {
namespace {

constexpr std::array BirthdayFields{1105, 1106, 1107};
constexpr std::array BirthdayUnits{"年", "月", "日"};
constexpr int ShowToDoFirstId = 1111;
constexpr int NoBiorhythmId = 1187;

/// Captions of the radio groups' frames.
const char* GroupTitle(DisplayRadioGroup group)
{
    switch (group) {
    case DisplayRadioGroup::FirstView:
        return "最初に表示する予定表";
    case DisplayRadioGroup::WeekStart:
        return "週・月予定表の始まり";
    case DisplayRadioGroup::SortKey:
        break;
    }
    return "ToDoのソート基準";
}

} // namespace

QtDisplayPage::QtDisplayPage(QWidget* parent)
    : QWidget(parent), ShowToDoFirst(new QCheckBox(QStringLiteral("最初にＴｏＤｏを表示する："), this)),
      NoBiorhythm(new QCheckBox(QStringLiteral("バイオリズムを表示しない"), this))
{
    SetControlId(*ShowToDoFirst, ShowToDoFirstId);
    SetControlId(*NoBiorhythm, NoBiorhythmId);
    // The check box's caption ends in a colon: the box stands after it.
    ShowToDoFirst->setLayoutDirection(Qt::RightToLeft);

    auto* page = new QVBoxLayout(this);
    auto* birthday = new QHBoxLayout;
    birthday->addWidget(new QLabel(QStringLiteral("生年月日："), this));
    for (std::size_t i = 0; i < Birthday.size(); ++i) {
        Birthday[i] = NewNumberField(this, BirthdayFields[i], false);
        Birthday[i]->setMaxLength(i == 0 ? 4 : 2);
        Birthday[i]->setFixedWidth(Birthday[i]->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                                   12);
        birthday->addWidget(Birthday[i]);
        birthday->addWidget(new QLabel(Utf8Text(BirthdayUnits[i]), this));
    }
    birthday->addStretch();
    page->addLayout(birthday);

    std::map<DisplayRadioGroup, QGroupBox*> frames;
    for (const DisplayRadio& radio : DisplayRadios()) {
        QGroupBox*& frame = frames[radio.Group];
        if (frame == nullptr) {
            frame = new QGroupBox(Utf8Text(GroupTitle(radio.Group)), this);
            frame->setLayout(new QHBoxLayout);
            Groups[radio.Group] = new QButtonGroup(this);
        }
        auto* button = new QRadioButton(Utf8Text(radio.Label), frame);
        SetControlId(*button, radio.ControlId);
        Groups[radio.Group]->addButton(button, radio.ControlId);
        frame->layout()->addWidget(button);
    }
    page->addWidget(frames[DisplayRadioGroup::FirstView]);
    page->addWidget(frames[DisplayRadioGroup::WeekStart]);
    auto* toDo = new QHBoxLayout;
    toDo->addWidget(ShowToDoFirst);
    toDo->addStretch();
    page->addLayout(toDo);
    page->addWidget(frames[DisplayRadioGroup::SortKey]);
    page->addWidget(NoBiorhythm);
    page->addStretch();

    for (const auto& [group, buttons] : Groups)
        connect(buttons, &QButtonGroup::idClicked, this, &QtDisplayPage::ClickRadio);
}

void QtDisplayPage::Fill(const DisplayPageValues& values)
{
    Values = values;
    const std::array numbers{values.BirthYear, values.BirthMonth, values.BirthDay};
    for (std::size_t i = 0; i < Birthday.size(); ++i)
        Birthday[i]->setText(QString::number(numbers[i]));
    ShowToDoFirst->setChecked(values.ShowToDoFirst);
    NoBiorhythm->setChecked(values.NoBiorhythm);
    ShowRadios();
}

void QtDisplayPage::ClickRadio(int controlId)
{
    ClickDisplayRadio(Values, controlId);
    ShowRadios();
}

void QtDisplayPage::ShowRadios()
{
    // A member outside its group's values (a hand-made file) checks no button of the group.
    for (const auto& [group, buttons] : Groups) {
        buttons->setExclusive(false);
        for (QAbstractButton* button : buttons->buttons())
            button->setChecked(IsDisplayRadioChecked(Values, buttons->id(button)));
        buttons->setExclusive(true);
    }
}

bool QtDisplayPage::Read(DisplayPageValues& values)
{
    std::array<int*, 3> members{&Values.BirthYear, &Values.BirthMonth, &Values.BirthDay};
    for (std::size_t i = 0; i < Birthday.size(); ++i) {
        const std::optional<int> number = TakeNumber(*Birthday[i]);
        if (!number)
            return false;
        *members[i] = *number;
    }
    Values.ShowToDoFirst = ShowToDoFirst->isChecked();
    Values.NoBiorhythm = NoBiorhythm->isChecked();
    values = Values;
    return true;
}

} // namespace planova
