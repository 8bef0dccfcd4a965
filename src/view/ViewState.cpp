#include "view/ViewState.h"

namespace planova {

ViewPrintState CopyPrintSettings(const CPlanovaDoc& document)
{
    ViewPrintState print;
    print.PrintType = document.PrintType;
    print.P_VL_Type = document.P_VL_Type;
    print.PYearType = document.PYearType;
    print.PYoushiType = document.PYoushiType;
    print.PPaperType = document.PPaperType;
    print.PPageType = document.PPageType;
    print.PFontSize = document.PFontSize;
    print.PKeisenFutosa = document.PKeisenFutosa;
    print.PKeisenIro = document.PKeisenIro;
    print.PDayTodo = document.PDayTodo;
    print.PDayKiroku = document.PDayKiroku;
    print.PKirokuDate = document.PKirokuDate;
    print.PKirokuTodo = document.PKirokuTodo;
    print.PKirokuTomorrow = document.PKirokuTomorrow;
    print.PKirokuCenterline = document.PKirokuCenterline;
    print.PKirokuCenterline1by3 = document.PKirokuCenterline1by3;
    print.PRoutineWork = document.PRoutineWork;
    print.PKirokuBunnrui = document.PKirokuBunnrui;
    print.PPageYohakuhidari = document.PPageYohakuhidari;
    print.PPageYohakumigi = document.PPageYohakumigi;
    print.PPageYohakuue = document.PPageYohakuue;
    print.PPageYohakushita = document.PPageYohakushita;
    print.PIdouMigi = document.PIdouMigi;
    print.PIdouSita = document.PIdouSita;
    print.PWaku = document.PWaku;
    print.PDialog = document.PDialog;
    print.PSennyoushi = document.PSennyoushi;
    print.PStartWeekday = document.PStartWeekday;
    print.PKatagawa = document.PKatagawa;
    print.PDateType = document.PDateType;
    print.PKenin = document.PKenin;
    print.PZerotoru = document.PZerotoru;
    print.WakunaiNuritubushi = document.WakunaiNuritubushi;
    print.Keisannsuru = document.Keisannsuru;
    print.ToDoGyouji = document.ToDoGyouji;
    print.ToDoKigenn = document.ToDoKigenn;
    print.ToDoHanni = document.ToDoHanni;
    print.Biorhythm = document.Biorhythm;
    print.Shiyousya = document.Shiyousya;
    print.PrintFontSizes = document.FontPoint;
    return print;
}

} // namespace planova
