#pragma once

#include "model/PrintSettings.h"

namespace planova {

/// The sheets a printer is asked for.
enum class PrinterPaper
{
    A4,
    A5,
    JapanesePostcard,
};

/// The platform's paper-size code of a printer paper: A4 9, A5 11, Japanese postcard 43.
int PaperCode(PrinterPaper paper);

/// A refill page size and how it is printed.
struct RefillPaper
{
    int WidthMm; ///< of the page standing upright
    int HeightMm;
    PrinterPaper Printer; ///< the sheet requested from the printer
    int MarginBaseMm;     ///< m: the margins are m ÷ 2 and m ÷ 4, the centre gap m
    const char* Name;     ///< as the user knows it: "Ａ４", "バイブル", "ミニ", "Ａ５" (UTF-8)
};

/// The refill of a paper type; a value outside 0–3 is read as A4.
const RefillPaper& RefillPaperOf(int paperType);

/// The sheet requested for the settings: the refill's, except A4 for A5 refills on the special paper.
PrinterPaper PrinterPaperFor(const PrintSettings& settings);

/// Whether the sheet is requested upright ("縦置き"); landscape otherwise.
bool IsPortrait(const PrintSettings& settings);

} // namespace planova
