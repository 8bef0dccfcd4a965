#pragma once

#include "model/CellColours.h"
#include "dialogs/EntryDialog.h"

#include <array>
#include <span>
#include <string>

namespace planova {

/// The controls of the edit dialog that a mode shows, places or hides (buttons and radios apart).
enum class EntryControl
{
    Combo,      ///< time-table kind or importance
    Edit1,      ///< event, period label, memo or ToDo subject
    Edit2,      ///< plan or ToDo memo
    Edit3,      ///< content
    DatePicker, ///< ToDo deadline
    Label1,
    Label2,
    Label3,
    Label4,
    Count
};

constexpr int EntryControlCount = static_cast<int>(EntryControl::Count);

struct PixelSize
{
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect
{
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const PixelRect&) const = default;
};

struct ControlPlacement
{
    bool Shown = false;
    PixelRect Rect;
};

/// Where everything of the dialog sits for one mode and client size, in pixels of the client area.
struct EntryDialogPlacement
{
    PixelRect Ok;
    PixelRect Cancel;
    bool RadiosShown = false;
    std::array<PixelRect, CellColourCount> Radios;
    std::array<ControlPlacement, EntryControlCount> Controls;
    /// The bottom of the field area: the last field of the mode ends here.
    int FieldBottom = 0;
    /// Height of the combo box with its list dropped down (0 when the mode has no combo box).
    int ComboDroppedHeight = 0;

    const ControlPlacement& operator[](EntryControl control) const
    {
        return Controls[static_cast<std::size_t>(control)];
    }
};

/// The texts of a mode (UTF-8): title suffix, the four captions, the combo list.
struct EntryModeTexts
{
    /// True when the title starts with the day's title prefix.
    bool TitleHasPrefix;
    const char* Title;
    std::array<const char*, 4> Labels; ///< captions of Label1–Label4, nullptr when hidden
    std::span<const char* const> ComboList;
};

/// The texts of a mode; a mode outside 0–3 counts as 0.
const EntryModeTexts& TextsOfMode(int mode);

/// The window title (UTF-8): the day's prefix and the mode's title, or "ToDoの変更".
std::string EntryDialogTitle(const EntryDialogValues& values);

/// The smallest outer size of the dialog window.
constexpr PixelSize EntryDialogMinimumSize{310, 300};

/**
 * Places the controls for the client size. The buttons and radios keep their designed sizes;
 * the buttons sit in the lower right corner, every field runs from x 45 to 7 pixels from the right
 * edge and the last field of the mode reaches down to the buttons (period rows: to the colour
 * radios). The radios start at x 60, or right of the caption "枠内の色：" when the font needs it
 * wider (`colourCaptionWidth`, 0: as designed), and wrap into balanced rows when the eight do not
 * fit into the width.
 */
EntryDialogPlacement PlaceEntryDialog(int mode, PixelSize client, PixelSize button, PixelSize radio,
                                      int colourCaptionWidth = 0);

} // namespace planova
