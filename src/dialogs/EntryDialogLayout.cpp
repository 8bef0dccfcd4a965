#include "dialogs/EntryDialogLayout.h"

#include "model/Cp932Codec.h"

#include <algorithm>
#include <vector>

namespace planova {

namespace {

constexpr int Margin = 7;
constexpr int FieldLeft = 45;
constexpr int LabelLeft = 7;
constexpr int RadioLeft = 60;
constexpr int RadioGap = 3;
constexpr int RadioRowGap = 2;
constexpr int ColourCaptionWidth = 60; ///< the designed width of "枠内の色："
constexpr PixelSize LabelSize{30, 24};
constexpr int OneLineHeight = 24;
/// A field height that reaches down to the bottom of the field area.
constexpr int ToFieldBottom = -1;

struct FieldRule
{
    EntryControl Control;
    int Top;
    int Height;
};

struct LabelRule
{
    EntryControl Control;
    int Top;
    /// True when Top counts from the bottom of the field area.
    bool BelowFields;
    int Width;
};

struct ModeRules
{
    EntryModeTexts Texts;
    int ComboDroppedHeight;
    bool RadiosShown;
    std::vector<FieldRule> Fields;
    std::vector<LabelRule> Labels;
};

constexpr std::array<const char*, 4> KindList{"50分時程", "45分時程", "休日", "振替休業日"};
constexpr std::array<const char*, 14> ImportanceList{"A1", "B1", "C1", "A2", "B2", "C2", "A3",
                                                     "B3", "C3", "R0", "R1", "R2", "R3", "PJ"};

using C = EntryControl;

const std::array<ModeRules, 4>& Modes()
{
    static const std::array<ModeRules, 4> modes{{
        {{true, "の時程・行事の変更", {"時程：", "行事：", nullptr, nullptr}, KindList},
         100,
         false,
         {{C::Combo, 7, OneLineHeight}, {C::Edit1, 38, ToFieldBottom}},
         {{C::Label1, 10, false, LabelSize.Width}, {C::Label2, 41, false, LabelSize.Width}}},
        {{true, "の時限・予定・内容の変更", {"時限：", "予定：", "内容：", "枠内の色："}, {}},
         0,
         true,
         {{C::Edit1, 7, OneLineHeight}, {C::Edit2, 38, 72}, {C::Edit3, 117, ToFieldBottom}},
         {{C::Label1, 10, false, LabelSize.Width},
          {C::Label2, 41, false, LabelSize.Width},
          {C::Label3, 120, false, LabelSize.Width},
          {C::Label4, 10, true, ColourCaptionWidth}}},
        {{true, "のメモの変更", {"メモ：", nullptr, nullptr, nullptr}, {}},
         0,
         false,
         {{C::Edit1, 7, ToFieldBottom}},
         {{C::Label1, 10, false, LabelSize.Width}}},
        {{false, "ToDoの変更", {"件名：", "期限：", "重要：", "メモ："}, ImportanceList},
         70,
         false,
         {{C::Edit1, 7, OneLineHeight},
          {C::DatePicker, 38, OneLineHeight},
          {C::Combo, 69, OneLineHeight},
          {C::Edit2, 97, ToFieldBottom}},
         {{C::Label1, 10, false, LabelSize.Width},
          {C::Label2, 41, false, LabelSize.Width},
          {C::Label3, 72, false, LabelSize.Width},
          {C::Label4, 100, false, LabelSize.Width}}},
    }};
    return modes;
}

const ModeRules& RulesOfMode(int mode)
{
    return Modes()[static_cast<std::size_t>(mode >= EditKindAndEvent && mode <= EditToDo ? mode : 0)];
}

} // namespace

const EntryModeTexts& TextsOfMode(int mode)
{
    return RulesOfMode(mode).Texts;
}

std::string EntryDialogTitle(const EntryDialogValues& values)
{
    const EntryModeTexts& texts = TextsOfMode(values.EditMode);
    return texts.TitleHasPrefix ? Cp932ToUtf8Lenient(values.TitlePrefix) + texts.Title : texts.Title;
}

EntryDialogPlacement PlaceEntryDialog(int mode, PixelSize client, PixelSize button, PixelSize radio,
                                      int colourCaptionWidth)
{
    const ModeRules& rules = RulesOfMode(mode);
    const int right = client.Width - Margin;
    const int bottom = client.Height - Margin;
    EntryDialogPlacement placement;

    const int buttonTop = bottom - button.Height;
    placement.Cancel = {right - button.Width, buttonTop, button.Width, button.Height};
    placement.Ok = {right - 2 * button.Width - button.Width / 2, buttonTop, button.Width, button.Height};

    // The radios start right of their caption "枠内の色：" as wide as the font needs it; when the eight do
    // not fit into one row they take as many balanced rows as they need.
    const int radioLeft = std::max(RadioLeft, LabelLeft + colourCaptionWidth + RadioGap);
    const int radioStep = radio.Width + RadioGap;
    const int fitting =
        std::clamp((right - radioLeft + RadioGap) / std::max(1, radioStep), 1, CellColourCount);
    const int radioRows = (CellColourCount + fitting - 1) / fitting;
    const int perRow = (CellColourCount + radioRows - 1) / radioRows;
    const int radioTop = buttonTop - Margin - radioRows * radio.Height - (radioRows - 1) * RadioRowGap;
    for (int k = 0; k < CellColourCount; ++k)
        placement.Radios[static_cast<std::size_t>(k)] = {
            radioLeft + (k % perRow) * radioStep, radioTop + (k / perRow) * (radio.Height + RadioRowGap),
            radio.Width, radio.Height};
    placement.RadiosShown = rules.RadiosShown;
    placement.ComboDroppedHeight = rules.ComboDroppedHeight;

    placement.FieldBottom = (rules.RadiosShown ? radioTop : buttonTop) - Margin;
    const int fieldWidth = std::max(0, right - FieldLeft);
    for (const FieldRule& field : rules.Fields) {
        const int height = field.Height == ToFieldBottom ? placement.FieldBottom - field.Top : field.Height;
        placement.Controls[static_cast<std::size_t>(field.Control)] = {
            true, {FieldLeft, field.Top, fieldWidth, std::max(0, height)}};
    }
    for (const LabelRule& label : rules.Labels) {
        const int top = label.BelowFields ? placement.FieldBottom + label.Top : label.Top;
        placement.Controls[static_cast<std::size_t>(label.Control)] = {
            true, {LabelLeft, top, label.Width, LabelSize.Height}};
    }
    return placement;
}

} // namespace planova
