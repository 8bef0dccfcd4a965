#include "gui/QtFindDialog.h"

#include "canvas/QtText.h"
#include "gui/DialogPlacement.h"
#include "gui/UserDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace planova {

QtFindDialog::QtFindDialog(QWidget* parent)
    : QDialog(parent), Search(new QLineEdit(this)), Replacement(new QLineEdit(this)),
      FromStart(new QCheckBox(QStringLiteral("データの最初から検索する"), this)),
      IgnoreWidth(new QCheckBox(QStringLiteral("全角／半角を区別しない"), this)),
      IgnoreKana(new QCheckBox(QStringLiteral("ひらがな／カタカナを区別しない"), this)),
      IgnoreCase(new QCheckBox(QStringLiteral("大文字／小文字を区別しない"), this)),
      ToDos(new QCheckBox(QStringLiteral("ToDoも検索"), this)),
      FindNext(new QPushButton(QStringLiteral("次を検索"), this)),
      FindPrevious(new QPushButton(QStringLiteral("前を検索"), this)),
      ReplaceOne(new QPushButton(QStringLiteral("置換"), this)),
      ReplaceAll(new QPushButton(QStringLiteral("全て置換"), this)),
      End(new QPushButton(QStringLiteral("終了"), this))
{
    setWindowTitle(QStringLiteral("検索・置換"));
    setModal(false);
    Search->setObjectName(QStringLiteral("SearchText1197"));
    Replacement->setObjectName(QStringLiteral("ReplaceText1198"));
    FromStart->setObjectName(QStringLiteral("FromStart1201"));
    ReplaceOne->setObjectName(QStringLiteral("Replace1199"));
    ReplaceAll->setObjectName(QStringLiteral("ReplaceAll1200"));

    auto* fields = new QGridLayout;
    auto* searchLabel = new QLabel(QStringLiteral("検索文字列："), this);
    auto* replaceLabel = new QLabel(QStringLiteral("置換文字列："), this);
    searchLabel->setBuddy(Search);
    replaceLabel->setBuddy(Replacement);
    fields->addWidget(searchLabel, 0, 0);
    fields->addWidget(Search, 0, 1);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(Replacement, 1, 1);
    fields->addWidget(FromStart, 2, 1);
    fields->addWidget(IgnoreWidth, 3, 1);
    fields->addWidget(IgnoreKana, 4, 1);
    fields->addWidget(IgnoreCase, 5, 1);
    fields->addWidget(ToDos, 6, 1);
    fields->setColumnMinimumWidth(1, 240);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {FindNext, FindPrevious, ReplaceOne, ReplaceAll, End})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    FindNext->setDefault(true);
    connect(FindNext, &QPushButton::clicked, this, [this] { RequestFindNext(false); });
    connect(FindPrevious, &QPushButton::clicked, this, [this] { RequestFindNext(true); });
    connect(ReplaceOne, &QPushButton::clicked, this, [this] { RequestReplace(false); });
    connect(ReplaceAll, &QPushButton::clicked, this, [this] { RequestReplace(true); });
    connect(End, &QPushButton::clicked, this, &QtFindDialog::EndDialog);
}

void QtFindDialog::Open(FindDialogMode mode)
{
    CurrentMode = mode;
    Search->clear();
    Replacement->clear();
    for (QCheckBox* box : {FromStart, IgnoreWidth, IgnoreKana, IgnoreCase, ToDos})
        box->setChecked(false);
    const bool replacing = CanReplaceIn(mode);
    Replacement->setEnabled(replacing);
    ReplaceOne->setEnabled(replacing);
    ReplaceAll->setEnabled(replacing);
    show();
    raise();
    activateWindow();
    Search->setFocus();
}

void QtFindDialog::MoveClearOf(const QRect& hit)
{
    if (!isVisible())
        return;
    const QScreen* screen = QGuiApplication::screenAt(hit.center());
    if (screen == nullptr)
        screen = this->screen();
    move(PlaceClearOf(frameGeometry(), hit, screen->availableGeometry()));
}

MatchOptions QtFindDialog::Options() const
{
    return {IgnoreWidth->isChecked(), IgnoreKana->isChecked(), IgnoreCase->isChecked()};
}

bool QtFindDialog::SearchesToDos() const
{
    return ToDos->isChecked();
}

std::optional<std::string> QtFindDialog::Cp932Of(QLineEdit& field)
{
    Cp932Text converted = ToCp932(field.text());
    if (converted.Ok)
        return std::move(converted.Bytes);
    ShowError(this, converted.Error);
    field.setFocus();
    field.setSelection(converted.Position, converted.Length);
    return std::nullopt;
}

void QtFindDialog::RequestFindNext(bool backward)
{
    const std::optional<std::string> search = Cp932Of(*Search);
    if (!search)
        return;
    const bool fromStart = FromStart->isChecked();
    FromStart->setChecked(false);
    emit FindNextRequested(*search, fromStart, backward);
}

void QtFindDialog::RequestReplace(bool all)
{
    if (!CanReplaceIn(CurrentMode))
        return;
    const std::optional<std::string> search = Cp932Of(*Search);
    if (!search)
        return;
    const std::optional<std::string> replacement = Cp932Of(*Replacement);
    if (!replacement)
        return;
    FromStart->setChecked(false);
    if (all)
        emit ReplaceAllRequested(*search, *replacement);
    else
        emit ReplaceRequested(*search, *replacement);
}

void QtFindDialog::EndDialog()
{
    if (CurrentMode == FindDialogClosed)
        return;
    CurrentMode = FindDialogClosed;
    hide();
    emit Ended();
}

void QtFindDialog::reject()
{
    EndDialog();
}

void QtFindDialog::closeEvent(QCloseEvent* event)
{
    EndDialog();
    event->accept();
}

} // namespace planova
