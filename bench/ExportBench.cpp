// iCalendar and CSV export of one and of twenty school years made by the tests' school-year fixture,
// side by side with writing the same document as a data file. The application shows a progress
// dialog only when an export runs longer than half a second; these figures say when that happens.

#include "export/CsvExport.h"
#include "export/ICalendarExport.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "support/ViewSchoolYear.h"

#include <benchmark/benchmark.h>

#include <map>

using namespace planova;

namespace {

const CPlanovaDoc& Document(int years)
{
    static std::map<int, CPlanovaDoc> documents;
    auto found = documents.find(years);
    if (found == documents.end()) {
        FixedNowScope clock(DateTime::FromDate(2025, 1, 10));
        found = documents.emplace(years, test::SchoolYearDocument(2005, years)).first;
    }
    return found->second;
}

const DateTime Stamp = DateTime::FromDateTime(2025, 1, 10, 3, 0, 0);

void ICalendar(benchmark::State& state)
{
    const CPlanovaDoc& document = Document(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = ICalendarText(document, {}, Stamp).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

void DayCsv(benchmark::State& state)
{
    const CPlanovaDoc& document = Document(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = DayCsvText(document, {}).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

void DataFile(benchmark::State& state)
{
    const CPlanovaDoc& document = Document(static_cast<int>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = WriteDataFile(document).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(ICalendar)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DayCsv)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFile)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
