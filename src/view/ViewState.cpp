#include "view/ViewState.h"

namespace planova {

ViewPrintState CopyPrintSettings(const CPlanovaDoc& document)
{
    ViewPrintState print;
    static_cast<PrintSettings&>(print) = document;
    print.Keisannsuru = document.Keisannsuru;
    print.ToDoGyouji = document.ToDoGyouji;
    print.ToDoKigenn = document.ToDoKigenn;
    print.ToDoHanni = document.ToDoHanni;
    print.Biorhythm = document.Biorhythm;
    print.Shiyousya = document.Shiyousya;
    print.PrintFontSizes = document.FontPoint;
    print.ClassNames = document.Class;
    print.ClassOffsets = document.Offset;
    return print;
}

} // namespace planova
