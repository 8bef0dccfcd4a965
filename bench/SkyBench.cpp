// The information pane recomputes the whole sky twice a second on the user-interface thread:
// sun, moon with the iterative search for the new moon, five planets and the horizontal
// coordinates of all seven bodies. Budget: 0.1 % of one core at 2 Hz, that is 500 µs a refresh.

#include "sky/SkyReadout.h"

#include <benchmark/benchmark.h>

namespace {

using planova::DateTime;

constexpr double BudgetMicroseconds = 500.0;

/// The whole refresh of the pane.
void RefreshSky(benchmark::State& state)
{
    const double start = DateTime::FromDateTime(2024, 3, 1, 21, 0, 0).DayNumber();
    long long refresh = 0;
    for (auto _ : state) {
        // A new instant every refresh (whole seconds, as the clock gives them), walking 37 days in
        // steps of 1 h 17 min so the phases of the moon all come round.
        const DateTime now =
            DateTime::FromDayNumber(start + static_cast<double>(refresh % 700) * 4620.0 / 86400.0);
        benchmark::DoNotOptimize(planova::sky::ComputeSkyReadout(now));
        ++refresh;
    }
    state.counters["budget_us"] = BudgetMicroseconds;
}
BENCHMARK(RefreshSky)->Unit(benchmark::kMicrosecond);

/// The drawing prologue's share: the moon's age at 21:00 of the shown day.
void MoonAgeAt21(benchmark::State& state)
{
    const DateTime day = DateTime::FromDate(2024, 3, 1);
    int offset = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(planova::sky::MoonAgeAt21(day.AddDays(offset % 30)));
        ++offset;
    }
}
BENCHMARK(MoonAgeAt21)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
