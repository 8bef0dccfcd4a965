#pragma once

#include <cstdint>

namespace planova {

/**
 * The print settings, by their data-file tags: stored in the document and copied by each view
 * as its working copy for the print options.
 */
struct PrintSettings
{
    int PrintType = 0;
    int P_VL_Type = 0;
    int PYearType = 0;
    int PYoushiType = 0;
    int PPaperType = 0;
    int PPageType = 0;
    int PFontSize = 9;
    int PKeisenFutosa = 1;
    std::uint32_t PKeisenIro = 0;
    bool PDayTodo = false;
    bool PDayKiroku = true;
    bool PKirokuDate = true;
    bool PKirokuTodo = true;
    bool PKirokuTomorrow = true;
    bool PKirokuCenterline = true;
    /// Off: the centre line of the record sheet is drawn at the middle unless the user asks for a third.
    bool PKirokuCenterline1by3 = false;
    bool PRoutineWork = false;
    bool PKirokuBunnrui = false;
    bool PPageYohakuhidari = false;
    bool PPageYohakumigi = false;
    bool PPageYohakuue = false;
    bool PPageYohakushita = false;
    int PIdouMigi = 0;
    int PIdouSita = 0;
    bool PWaku = false;
    bool PDialog = false;
    bool PSennyoushi = false;
    int PStartWeekday = 0;
    bool PKatagawa = false;
    int PDateType = 0;
    bool PKenin = false;
    bool PZerotoru = false;
    bool WakunaiNuritubushi = false;
};

} // namespace planova
