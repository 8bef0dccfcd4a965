// iCalendar, CSV and Excel export of one and of twenty school years made by the tests' school-year
// fixture, side by side with writing the same document as a data file. The application shows a
// progress dialog only when an export runs longer than half a second; these figures say when that
// happens. The CSV is measured per byte against the data file text (the counters' bytes); the
// workbook, which goes through a file of libxlsxwriter's, against saving the data file to disk.

#include "export/CsvExport.h"
#include "export/ExportFile.h"
#include "export/ICalendarExport.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"
#include "support/ViewSchoolYear.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <stdexcept>

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

const std::string SavedPath = (std::filesystem::temp_directory_path() / "planova-export-bench").string();

void Check(const Outcome& outcome)
{
    if (!outcome.Ok)
        throw std::runtime_error(outcome.Error);
}

/// The workbook written to a file with the safe save, as the export command writes it.
void WorkbookSave(benchmark::State& state)
{
    const CPlanovaDoc& document = Document(static_cast<int>(state.range(0)));
    const ExportRequest request{ExportFormat::Workbook, {}, Stamp};
    for (auto _ : state)
        Check(ExportToFile(document, request, SavedPath + ".xlsx"));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(SavedPath + ".xlsx"));
}

/// The data file written to a file with the safe save, as "上書き保存" writes it.
void DataFileSave(benchmark::State& state)
{
    const CPlanovaDoc& document = Document(static_cast<int>(state.range(0)));
    for (auto _ : state)
        Check(SafeSave(SavedPath + ".dat", WriteDataFile(document)));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(SavedPath + ".dat"));
}

} // namespace

BENCHMARK(ICalendar)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DayCsv)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFile)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(WorkbookSave)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFileSave)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
