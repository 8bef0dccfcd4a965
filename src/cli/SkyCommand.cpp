#include "cli/CliCommands.h"

#include "cli/Arguments.h"
#include "cli/CliDates.h"

#include "model/Clock.h"
#include "model/Cp932Codec.h"
#include "model/DateTime.h"
#include "sky/SkyReadout.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

namespace planova::cli {
namespace {

nlohmann::ordered_json ToJson(const sky::SkyReadout& r, double moonAgeAt21)
{
    nlohmann::ordered_json planets = nlohmann::ordered_json::array();
    for (const sky::Planet planet : sky::AllPlanets) {
        const sky::PlanetReadout& p = r.Planets[static_cast<std::size_t>(planet)];
        planets.push_back({{"name", Cp932ToUtf8(sky::PlanetName(planet))},
                           {"geocentricLongitude", p.GeocentricLongitude},
                           {"geocentricLatitude", p.GeocentricLatitude},
                           {"azimuth", p.Azimuth},
                           {"altitude", p.Altitude}});
    }
    return {{"julianDay", r.JulianDayNow},       {"siderealTime", r.SiderealTimeText},
            {"solarTime", r.SolarTimeText},      {"sunLongitude", r.SunLongitudeNow},
            {"sunDistance", r.SunDistanceNow},   {"sunAzimuth", r.SunAzimuthNow},
            {"sunAltitude", r.SunAltitudeNow},   {"moonLongitude", r.MoonLongitudeNow},
            {"moonLatitude", r.MoonLatitudeNow}, {"moonAzimuth", r.MoonAzimuthNow},
            {"moonAltitude", r.MoonAltitudeNow}, {"moonAge", r.MoonAgeNow},
            {"moonAgeAt21", moonAgeAt21},        {"planets", planets}};
}

} // namespace

int RunSky(const CommandArgs& args)
{
    return RunCommand([&] {
        DateTime at = Now();
        ArgumentReader reader(args, ArgumentReader::ReadsNoDataFile);
        while (!reader.AtEnd()) {
            const std::string& arg = reader.Take();
            if (arg != "--at")
                throw CommandError::Usage("不明な引数です: " + arg);
            reader.Once(arg, arg);
            const std::string& text = reader.Value(arg);
            const std::optional<DateTime> parsed = ParseIsoDateTime(text);
            if (!parsed)
                throw CommandError::BadInput(
                    "日時「" + text +
                    "」が正しくありません。\"YYYY-MM-DD HH:MM:SS\" の形で実在する日時を指定してください。");
            at = *parsed;
        }
        std::cout << ToJson(sky::ComputeSkyReadout(at), sky::MoonAgeAt21(at)).dump(2) << "\n";
        return static_cast<int>(ExitOk);
    });
}

} // namespace planova::cli
