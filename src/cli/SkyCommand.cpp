#include "cli/CliCommands.h"

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
    DateTime at = Now();
    if (!args.empty()) {
        if (args.size() != 2 || args[0] != "--at") {
            std::cerr << "usage: planova-cli sky [--at \"YYYY-MM-DD HH:MM:SS\"]\n";
            return ExitUsage;
        }
        const std::optional<DateTime> parsed = ParseIsoDateTime(args[1]);
        if (!parsed) {
            std::cerr
                << "planova-cli: 日時「" << args[1]
                << "」が正しくありません。\"YYYY-MM-DD HH:MM:SS\" の形で実在する日時を指定してください。\n";
            return ExitBadInput;
        }
        at = *parsed;
    }
    std::cout << ToJson(sky::ComputeSkyReadout(at), sky::MoonAgeAt21(at)).dump(2) << "\n";
    return ExitOk;
}

} // namespace planova::cli
