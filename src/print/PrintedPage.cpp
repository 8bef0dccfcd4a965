#include "print/PrintedPage.h"

#include "model/FixedTexts.h"

namespace planova {

Rgb RgbOfColourValue(std::uint32_t value)
{
    return Rgb{static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
               static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

std::uint32_t ColourValueOf(Rgb colour)
{
    return colour.Red | (static_cast<std::uint32_t>(colour.Green) << 8) |
           (static_cast<std::uint32_t>(colour.Blue) << 16);
}

void SelectRulePen(Canvas& canvas, const PrintSettings& settings)
{
    canvas.SetPen(RgbOfColourValue(settings.PKeisenIro), settings.PKeisenFutosa);
    canvas.SetHollowBrush();
}

std::vector<std::string> PrintedToDoLines(const CPlanovaDoc& document, bool leaveOutRoutine)
{
    static const std::string Space = Cp932Literal("　");
    static const std::string Box = Cp932Literal("□");
    std::vector<std::string> lines;
    for (const CToDo& item : document.ToDoList()) {
        const std::string& code = item.GetJyuuyoudo();
        if (leaveOutRoutine && !code.empty() && code[0] == 'R')
            continue;
        lines.push_back((code.empty() ? Box : code) + Space + item.GetKennmei());
    }
    return lines;
}

int DrawTextLines(const PrintedPage& page, PageSide side, int u0, int u1, int first, int end,
                  const std::vector<std::string>& texts)
{
    const PageGeometry& g = page.Geometry;
    int line = first;
    for (const std::string& text : texts) {
        if (line >= end)
            break;
        Rect rect = g.UnitRect(side, u0, line, u1, line + 1);
        rect.Left += g.HL;
        rect.Right -= g.HL;
        page.Surface.DrawText(rect, text, TextSingleLine | TextVCenter);
        ++line;
    }
    return line;
}

} // namespace planova
