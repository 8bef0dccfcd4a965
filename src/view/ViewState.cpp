#include "view/ViewState.h"

#include <utility>

namespace planova {

namespace {

/// The print options the document keeps beside its print settings: the view's member and the document's.
constexpr std::pair<bool ViewPrintState::*, bool CPlanovaDoc::*> PrintFlags[] = {
    {&ViewPrintState::Keisannsuru, &CPlanovaDoc::Keisannsuru},
    {&ViewPrintState::ToDoGyouji, &CPlanovaDoc::ToDoGyouji},
    {&ViewPrintState::ToDoKigenn, &CPlanovaDoc::ToDoKigenn},
    {&ViewPrintState::ToDoHanni, &CPlanovaDoc::ToDoHanni},
};

} // namespace

ViewPrintState CopyPrintSettings(const CPlanovaDoc& document)
{
    ViewPrintState print;
    static_cast<PrintSettings&>(print) = document.Print;
    for (const auto& [view, stored] : PrintFlags)
        print.*view = document.*stored;
    print.Biorhythm = document.Biorhythm;
    print.Shiyousya = document.Shiyousya;
    print.PrintFontSizes = document.FontPoint;
    print.ClassNames = document.Class;
    print.ClassOffsets = document.Offset;
    return print;
}

void StorePrintSettings(const ViewPrintState& print, CPlanovaDoc& document)
{
    document.Print = print;
    for (const auto& [view, stored] : PrintFlags)
        document.*stored = print.*view;
    document.FontPoint = print.PrintFontSizes;
}

} // namespace planova
