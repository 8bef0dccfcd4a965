#include "support/CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <regex>

namespace {

using SkyRun = planova::test::CliResult;

/// Runs `planova-cli sky` with the arguments.
SkyRun RunSky(const std::vector<std::string>& args)
{
    std::vector<std::string> all{"sky"};
    all.insert(all.end(), args.begin(), args.end());
    return planova::test::RunProgram(PLANOVA_CLI, all);
}

const char* const NumberKeys[] = {"julianDay",    "sunLongitude",  "sunDistance",  "sunAzimuth",
                                  "sunAltitude",  "moonLongitude", "moonLatitude", "moonAzimuth",
                                  "moonAltitude", "moonAge",       "moonAgeAt21"};

} // namespace

TEST(SkyCommandTest, ReadOutAtAGivenLocalTime)
{
    const SkyRun run = RunSky({"--at", "2024-03-01 21:00:00"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json sky = nlohmann::json::parse(run.Out);

    EXPECT_EQ(sky.at("julianDay").get<double>(), 2460371.0);
    EXPECT_EQ(sky.at("siderealTime"), "7:57:17");
    EXPECT_EQ(sky.at("solarTime"), "21:00:00");
    EXPECT_NEAR(sky.at("sunLongitude").get<double>(), 341.39, 0.005);
    EXPECT_NEAR(sky.at("sunDistance").get<double>(), 0.99095, 0.000005);
    EXPECT_NEAR(sky.at("sunAltitude").get<double>(), -41.18, 0.01);
    EXPECT_NEAR(sky.at("moonLongitude").get<double>(), 226.58, 0.005);
    EXPECT_NEAR(sky.at("moonLatitude").get<double>(), 357.34, 0.01); // southern, as 360 + β
    EXPECT_NEAR(sky.at("moonAge").get<double>(), 20.54, 0.005);
    EXPECT_EQ(sky.at("moonAgeAt21"), sky.at("moonAge")); // the instant is 21:00 itself

    // Numbers are printed in full, not rounded to the pane's fifteen digits.
    EXPECT_EQ(sky.at("sunLongitude").get<double>(), 341.3907330619586);

    const auto& planets = sky.at("planets");
    ASSERT_EQ(planets.size(), 5u);
    const char* names[] = {"水星", "金星", "火星", "木星", "土星"};
    const double longitudes[] = {343.3, 317.1, 313.3, 41.4, 340.0};
    for (std::size_t k = 0; k < 5; ++k) {
        const auto& planet = planets.at(k);
        EXPECT_EQ(planet.at("name"), names[k]);
        const double lambda = planet.at("geocentricLongitude").get<double>();
        EXPECT_NEAR(std::fmod(lambda + 360.0, 360.0), longitudes[k], 0.05) << names[k];
        for (const char* key : {"geocentricLatitude", "azimuth", "altitude"})
            EXPECT_TRUE(planet.at(key).is_number_float()) << names[k] << " " << key;
    }
}

TEST(SkyCommandTest, MoonAgeAt21IsThatOfTheGivenDay)
{
    const SkyRun run = RunSky({"--at", "2024-03-10 18:00:00"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json sky = nlohmann::json::parse(run.Out);
    EXPECT_NEAR(sky.at("moonAge").get<double>(), 29.42, 0.005);    // minutes before the new moon
    EXPECT_NEAR(sky.at("moonAgeAt21").get<double>(), 0.12, 0.005); // three hours after it
}

TEST(SkyCommandTest, WithoutATimeItReadsTheClock)
{
    const SkyRun run = RunSky({});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json sky = nlohmann::json::parse(run.Out);
    for (const char* key : NumberKeys)
        EXPECT_TRUE(sky.at(key).is_number()) << key;
    const std::regex clock(R"(\d{1,2}:\d{2}:\d{2})");
    EXPECT_TRUE(std::regex_match(sky.at("solarTime").get<std::string>(), clock));
    EXPECT_TRUE(std::regex_match(sky.at("siderealTime").get<std::string>(), clock));
    EXPECT_GT(sky.at("julianDay").get<double>(), 2460000.0);
}

TEST(SkyCommandTest, BadTimesAndUsageAreRefused)
{
    struct Case
    {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"--at", "2024-02-30 12:00:00"}, 1}, // no such day
        {{"--at", "2024-03-01 24:00:00"}, 1},
        {{"--at", "2024-03-01T21:00:00"}, 1},
        {{"--at", "2024-3-1 21:00:00"}, 1},
        {{"--at", ""}, 1},
        {{"--at"}, 2},
        {{"--when", "2024-03-01 21:00:00"}, 2},
        {{"--at", "2024-03-01 21:00:00", "extra"}, 2},
    };
    for (const Case& c : cases) {
        const SkyRun run = RunSky(c.args);
        const std::string shown = c.args.size() > 1 ? c.args[1] : c.args[0];
        EXPECT_EQ(run.Status, c.status) << shown;
        EXPECT_TRUE(run.Out.empty()) << shown;
        EXPECT_FALSE(run.Err.empty()) << shown;
        if (c.status == 1) {
            EXPECT_NE(run.Err.find("日時「" + shown + "」"), std::string::npos) << run.Err;
        }
    }
}
