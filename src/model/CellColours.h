#pragma once

#include <array>
#include <cstdint>

namespace planova {

struct Rgb
{
    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;
    bool operator==(const Rgb&) const = default;
};

struct CellColour
{
    const char* Name; ///< UTF-8 label of the edit dialog's radio button
    Rgb Colour;
};

constexpr int CellColourCount = 8;

/// The cell colour table: index → name and fill colour, shared by screen, paper and the edit dialog.
constexpr std::array<CellColour, CellColourCount> CellColours{{
    {"白", {255, 255, 255}},
    {"青", {200, 255, 255}},
    {"赤", {255, 230, 230}},
    {"橙", {255, 170, 10}},
    {"緑", {200, 255, 200}},
    {"紫", {130, 100, 200}},
    {"黄", {255, 255, 100}},
    {"茶", {180, 80, 80}},
}};

/// The table entry of a colour index; an index outside 0–7 counts as 0.
constexpr const CellColour& CellColourAt(int index)
{
    return CellColours[index >= 0 && index < CellColourCount ? index : 0];
}

/// Text colours shared by screen and paper.
namespace TextColours {
constexpr Rgb Black{0, 0, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb FindHitBackground{255, 255, 0};
} // namespace TextColours

} // namespace planova
