#include "gui/QtEntryDialog.h"

#include "gui/DateField.h"
#include "gui/UserDialogs.h"
#include "canvas/QtText.h"
#include "dialogs/EntryDialogLayout.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

#include <algorithm>
#include <vector>

namespace planova {

namespace {

/// The client size the dialog opens with.
constexpr PixelSize StartSize{420, 340};
/// The designed size of the push buttons; a font that needs more gets more.
constexpr PixelSize DesignedButton{75, 23};

QDate ToQDate(const DateTime& value)
{
    return QDate(value.Year(), value.Month(), value.Day());
}

/// The picked date with the time of day the value came with (00:00 for an invalid value).
DateTime WithDate(const DateTime& original, QDate picked)
{
    if (!original.IsValid())
        return DateTime::FromDate(picked.year(), picked.month(), picked.day());
    return DateTime::FromDateTime(picked.year(), picked.month(), picked.day(), original.Hour(),
                                  original.Minute(), original.Second());
}

/// Selects the text from position, length UTF-16 units, and puts the focus there.
void SelectIn(QWidget& control, int position, int length)
{
    control.setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&control)) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    } else if (auto* combo = qobject_cast<QComboBox*>(&control)) {
        combo->lineEdit()->setSelection(position, length);
    }
}

} // namespace

QtEntryDialog::QtEntryDialog(QWidget* parent)
    : QDialog(parent), ComboBox(new QComboBox(this)), Deadline(new DateField(this)),
      Colours(new QButtonGroup(this)), Ok(new QPushButton(QStringLiteral("OK"), this)),
      Cancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    // The list entries are what the user picks from; typed texts are never added to them, and
    // no completion changes what is typed ("r2" stays lower case).
    ComboBox->setEditable(true);
    ComboBox->setInsertPolicy(QComboBox::NoInsert);
    ComboBox->setCompleter(nullptr);

    for (auto& edit : Edits) {
        edit = new QPlainTextEdit(this);
        edit->setTabChangesFocus(true);
        // A narrow margin lets one line fit into the one-line fields without a scroll bar.
        edit->document()->setDocumentMargin(2);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    for (auto& label : Labels)
        label = new QLabel(this);

    for (int k = 0; k < CellColourCount; ++k) {
        auto* radio = new QRadioButton(Utf8Text(CellColours[static_cast<std::size_t>(k)].Name), this);
        Radios[static_cast<std::size_t>(k)] = radio;
        Colours->addButton(radio, k);
    }

    Ok->setDefault(true);
    connect(Ok, &QPushButton::clicked, this, &QtEntryDialog::accept);
    connect(Cancel, &QPushButton::clicked, this, &QtEntryDialog::reject);

    setMinimumSize(EntryDialogMinimumSize.Width, EntryDialogMinimumSize.Height);
    resize(StartSize.Width, StartSize.Height);
}

bool QtEntryDialog::Run(EntryDialogValues& values)
{
    Start(values);
    if (exec() != QDialog::Accepted)
        return false;
    values = Values;
    return true;
}

void QtEntryDialog::Start(const EntryDialogValues& values)
{
    Values = values;
    ApplyStartRule(Values);
    const EntryModeTexts& texts = TextsOfMode(Values.EditMode);
    setWindowTitle(QString::fromStdString(EntryDialogTitle(Values)));
    for (std::size_t n = 0; n < Labels.size(); ++n)
        Labels[n]->setText(texts.Labels[n] ? Utf8Text(texts.Labels[n]) : QString());

    ComboBox->clear();
    for (const char* entry : texts.ComboList)
        ComboBox->addItem(Utf8Text(entry));
    StartCombo = EditText(Values.ComboText);
    ComboBox->setCurrentIndex(ComboBox->findText(StartCombo, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    ComboBox->setEditText(StartCombo);

    const std::array<const std::string*, 3> texts3{&Values.Text1, &Values.Text2, &Values.Text3};
    for (std::size_t n = 0; n < Edits.size(); ++n) {
        StartEdits[n] = EditText(*texts3[n]);
        Edits[n]->setPlainText(StartEdits[n]);
    }

    Deadline->SetDate(Values.DateValue.IsValid() ? ToQDate(Values.DateValue) : ToQDate(Now()));
    StartDeadline = Deadline->text();

    Radios[static_cast<std::size_t>(
               Values.ColorIndex >= 1 && Values.ColorIndex < CellColourCount ? Values.ColorIndex : 0)]
        ->setChecked(true);

    Started = true;
    PlaceControls();
    OrderFocus();
}

void QtEntryDialog::OrderFocus()
{
    // Tab follows the fields from top to bottom, then the colours and the buttons; the first
    // field has the focus when the dialog opens.
    const EntryDialogPlacement placement = PlaceEntryDialog(Values.EditMode, {width(), height()}, {}, {});
    std::vector<EntryControl> fields;
    for (EntryControl control : {EntryControl::Combo, EntryControl::Edit1, EntryControl::Edit2,
                                 EntryControl::Edit3, EntryControl::DatePicker}) {
        if (placement[control].Shown)
            fields.push_back(control);
    }
    std::sort(fields.begin(), fields.end(),
              [&](EntryControl a, EntryControl b) { return placement[a].Rect.Top < placement[b].Rect.Top; });
    std::vector<QWidget*> chain;
    for (EntryControl control : fields)
        chain.push_back(&Control(static_cast<int>(control)));
    chain.insert(chain.end(), Radios.begin(), Radios.end());
    chain.push_back(Ok);
    chain.push_back(Cancel);
    for (std::size_t n = 1; n < chain.size(); ++n)
        setTabOrder(chain[n - 1], chain[n]);
    chain.front()->setFocus(Qt::OtherFocusReason);
}

QWidget& QtEntryDialog::Control(int number) const
{
    const auto control = static_cast<EntryControl>(number);
    switch (control) {
    case EntryControl::Combo:
        return *ComboBox;
    case EntryControl::Edit1:
    case EntryControl::Edit2:
    case EntryControl::Edit3:
        return *Edits[static_cast<std::size_t>(control) - static_cast<std::size_t>(EntryControl::Edit1)];
    case EntryControl::DatePicker:
        return *Deadline;
    default:
        return *Labels[static_cast<std::size_t>(control) - static_cast<std::size_t>(EntryControl::Label1)];
    }
}

void QtEntryDialog::PlaceControls()
{
    if (!Started)
        return;
    PixelSize button = DesignedButton;
    for (const QPushButton* push : {Ok, Cancel}) {
        button.Width = std::max(button.Width, push->sizeHint().width());
        button.Height = std::max(button.Height, push->sizeHint().height());
    }
    PixelSize radio;
    for (const QRadioButton* colour : Radios) {
        radio.Width = std::max(radio.Width, colour->sizeHint().width());
        radio.Height = std::max(radio.Height, colour->sizeHint().height());
    }
    const int colourCaption = Labels[3]->sizeHint().width();
    const EntryDialogPlacement placement =
        PlaceEntryDialog(Values.EditMode, {width(), height()}, button, radio, colourCaption);

    const auto place = [](QWidget& widget, const PixelRect& rect) {
        widget.setGeometry(rect.Left, rect.Top, rect.Width, rect.Height);
    };
    place(*Ok, placement.Ok);
    place(*Cancel, placement.Cancel);
    for (int k = 0; k < CellColourCount; ++k) {
        place(*Radios[static_cast<std::size_t>(k)], placement.Radios[static_cast<std::size_t>(k)]);
        Radios[static_cast<std::size_t>(k)]->setVisible(placement.RadiosShown);
    }
    for (int n = 0; n < EntryControlCount; ++n) {
        const auto control = static_cast<EntryControl>(n);
        const ControlPlacement& where = placement[control];
        QWidget& widget = Control(n);
        PixelRect rect = where.Rect;
        // A caption keeps its designed size unless the font needs more room for it.
        if (control >= EntryControl::Label1)
            rect.Width = std::max(rect.Width, widget.sizeHint().width());
        place(widget, rect);
        widget.setVisible(where.Shown);
    }
    if (placement.ComboDroppedHeight > 0) {
        const int row = std::max(1, ComboBox->view()->sizeHintForRow(0));
        const int closed = placement[EntryControl::Combo].Rect.Height;
        ComboBox->setMaxVisibleItems(std::max(1, (placement.ComboDroppedHeight - closed) / row));
    }
}

void QtEntryDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PlaceControls();
}

void QtEntryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    KeepOuterMinimumSize();
}

void QtEntryDialog::KeepOuterMinimumSize()
{
    // The limit is on the window's outer size; Qt limits the client area, so the frame is taken off.
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(std::max(0, EntryDialogMinimumSize.Width - frame.width()),
                   std::max(0, EntryDialogMinimumSize.Height - frame.height()));
}

bool QtEntryDialog::ReadFields(EntryDialogValues& values)
{
    struct TextField
    {
        std::string EntryDialogValues::*Member;
        QWidget* Control;
        QString Shown;
        QString Start;
    };
    const std::array<TextField, 4> fields{{
        {&EntryDialogValues::ComboText, ComboBox, ComboBox->currentText(), StartCombo},
        {&EntryDialogValues::Text1, Edits[0], Edits[0]->toPlainText(), StartEdits[0]},
        {&EntryDialogValues::Text2, Edits[1], Edits[1]->toPlainText(), StartEdits[1]},
        {&EntryDialogValues::Text3, Edits[2], Edits[2]->toPlainText(), StartEdits[2]},
    }};
    for (const TextField& field : fields) {
        // An unchanged field gives back its bytes exactly, even bytes that could not be shown.
        if (field.Shown == field.Start)
            continue;
        Cp932Text converted = ToCp932(field.Shown);
        if (!converted.Ok) {
            ShowError(this, converted.Error);
            SelectIn(*field.Control, converted.Position, converted.Length);
            return false;
        }
        values.*field.Member = std::move(converted.Bytes);
    }
    // A deadline left as it was shown keeps its value exactly (an invalid one included); a
    // changed one must name a date, and is never turned into another.
    if (Deadline->text() != StartDeadline) {
        const QString problem = Deadline->Problem();
        if (!problem.isEmpty()) {
            ShowError(this, problem);
            Deadline->setFocus(Qt::OtherFocusReason);
            Deadline->selectAll();
            return false;
        }
        values.DateValue = WithDate(Values.DateValue, Deadline->Date());
    }
    values.ColorIndex = Colours->checkedId();
    return true;
}

void QtEntryDialog::accept()
{
    EntryDialogValues read = Values;
    if (!ReadFields(read))
        return;
    Values = read;
    QDialog::accept();
}

} // namespace planova
