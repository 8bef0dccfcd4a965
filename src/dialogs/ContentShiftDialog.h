#pragma once

#include "calendar/ContentShift.h"
#include "model/DateTime.h"

#include <span>
#include <string>

namespace planova {

class CPlanovaDoc;

/// What the dialog "「内容」の繰り上げ・繰り下げ" (QtContentShiftDialog) shows and edits.
struct ContentShiftValues
{
    ShiftDirection Direction = ShiftDirection::Earlier;
    DateTime Start;
    DateTime End;
    /// Code page 932 once confirmed; while the dialog is open only whether it is empty counts.
    std::string ClassName;
};

/// A direction button: its control, the direction it stands for and its caption.
struct ShiftDirectionButton
{
    int ControlId;
    ShiftDirection Direction;
    const char* Label;
};

/// "繰り上げ（前倒し）" and "繰り下げ（先送り）".
std::span<const ShiftDirectionButton> ShiftDirectionButtons();

/// The dialog opens on "繰り上げ（前倒し）" with both dates on the view's shown day and no class name.
ContentShiftValues ContentShiftDefaults(const DateTime& shownDay);

/// Why OK is disabled now (an empty class name, a start after the end), or empty when it is enabled.
std::string ContentShiftRefusal(const ContentShiftValues& values);

/// The dialog's note above its buttons: the move is one step of "元に戻す".
constexpr const char* ContentShiftWarning = "「内容」を移動します。「元に戻す」で取り消せます。";

} // namespace planova
