#include "print/RefillPaper.h"

#include "print/PrintTypes.h"

#include <array>

namespace planova {

namespace {

// By paper type: A4, Bible, Mini, A5.
constexpr std::array<RefillPaper, PaperType::Count> Papers{{
    {210, 297, PrinterPaper::A4, 30, "Ａ４"},
    {95, 170, PrinterPaper::A5, 16, "バイブル"},
    {76, 126, PrinterPaper::JapanesePostcard, 16, "ミニ"},
    {148, 210, PrinterPaper::A5, 30, "Ａ５"},
}};

} // namespace

int PaperCode(PrinterPaper paper)
{
    switch (paper) {
    case PrinterPaper::A4:
        return 9;
    case PrinterPaper::A5:
        return 11;
    case PrinterPaper::JapanesePostcard:
        return 43;
    }
    return 9;
}

const RefillPaper& RefillPaperOf(int paperType)
{
    return Papers[paperType >= 0 && paperType < PaperType::Count ? paperType : PaperType::A4];
}

PrinterPaper PrinterPaperFor(const PrintSettings& settings)
{
    // The special refill paper carries A5 pages on A4 sheets.
    if (settings.PPaperType == PaperType::A5 && settings.PSennyoushi)
        return PrinterPaper::A4;
    return RefillPaperOf(settings.PPaperType).Printer;
}

bool IsPortrait(const PrintSettings& settings)
{
    return settings.PYoushiType == Orientation::Portrait;
}

} // namespace planova
