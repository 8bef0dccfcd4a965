// Generating one school year into a document that already holds twenty, against loading and
// storing the same 365 days by reading and writing each day alone. The generator's budget is five times
// the bare load/store walk; the ratio is printed after the runs. The stepwise run the application
// uses (a copy of the days from the start on, each day written as it is done) is measured beside it.

#include "calendar/DateWalk.h"
#include "calendar/SchoolYear.h"
#include "model/CPlanovaDoc.h"
#include "model/FixedTexts.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace planova;

constexpr int FirstHeldYear = 2000;
constexpr int HeldYears = 20;
constexpr double Budget = 5.0;

SchoolYearParameters SchoolYear(int startYear)
{
    SchoolYearParameters parameters =
        SchoolYearParameters::Defaults(DateTime::FromDate(startYear, 4, 1), false);
    parameters.Days.FoundationDayOn = true;
    parameters.Days.FoundationDay = {6, 1};
    return parameters;
}

/// Twenty generated school years (7,305 days) with a filled timetable.
const CPlanovaDoc& HeldDocument()
{
    static const CPlanovaDoc document = [] {
        CPlanovaDoc built;
        for (std::size_t i = 0; i < built.Jikannwari.size(); ++i)
            built.Jikannwari[i] = Cp932Literal("学級") + std::to_string(i % 6 + 1);
        for (int year = FirstHeldYear; year < FirstHeldYear + HeldYears; ++year)
            MakeSchoolYear(built, SchoolYear(year));
        return built;
    }();
    return document;
}

/// Argument 0: the next school year (new days after the held ones); 1: a held year made again.
int TargetYear(const benchmark::State& state)
{
    return state.range(0) == 0 ? FirstHeldYear + HeldYears : FirstHeldYear + HeldYears / 2;
}

/// Runs the work on a fresh copy of the held document in every iteration; copying it and
/// freeing it afterwards are not timed.
template <typename Work> void OnHeldDocument(benchmark::State& state, Work work)
{
    for (auto _ : state) {
        state.PauseTiming();
        CPlanovaDoc document = HeldDocument();
        state.ResumeTiming();
        work(document);
        benchmark::DoNotOptimize(document.DayList().size());
        state.PauseTiming();
        {
            CPlanovaDoc discard = std::move(document);
        }
        state.ResumeTiming();
    }
}

void LoadStoreOnly(benchmark::State& state)
{
    const SchoolYearParameters parameters = SchoolYear(TargetYear(state));
    OnHeldDocument(state, [&](CPlanovaDoc& document) {
        ForEachDate(parameters.Start, parameters.End,
                    [&](const DateTime& date) { document.UpdateDay(date, [](CDayData&) {}); });
    });
}

void MakeOneSchoolYear(benchmark::State& state)
{
    const SchoolYearParameters parameters = SchoolYear(TargetYear(state));
    OnHeldDocument(state, [&](CPlanovaDoc& document) { MakeSchoolYear(document, parameters); });
}

void MakeOneSchoolYearStepwise(benchmark::State& state)
{
    const SchoolYearParameters parameters = SchoolYear(TargetYear(state));
    OnHeldDocument(state, [&](CPlanovaDoc& document) {
        MakeSchoolYearStepwise(document, parameters, [](int, int) { return true; });
    });
}

BENCHMARK(LoadStoreOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(MakeOneSchoolYear)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(MakeOneSchoolYearStepwise)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

/// The console output, followed by the generator's time as a multiple of the bare walk.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                Times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const char* arg : {"0", "1"}) {
            const auto base = Times.find(std::string("LoadStoreOnly/") + arg);
            const auto made = Times.find(std::string("MakeOneSchoolYear/") + arg);
            if (base == Times.end() || made == Times.end() || base->second <= 0)
                continue;
            const double ratio = made->second / base->second;
            std::printf("%s: generator %.0f us, read/write only %.0f us, ratio %.2f (budget %.1f) %s\n",
                        arg[0] == '0' ? "next school year" : "held school year made again", made->second,
                        base->second, ratio, Budget, ratio <= Budget ? "within budget" : "OVER BUDGET");
            const auto stepwise = Times.find(std::string("MakeOneSchoolYearStepwise/") + arg);
            if (stepwise != Times.end())
                std::printf("    stepwise %.0f us, ratio %.2f to the walk\n", stepwise->second,
                            stepwise->second / base->second);
        }
    }

private:
    std::map<std::string, double> Times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("document: %zu stored days\n", HeldDocument().DayList().size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
