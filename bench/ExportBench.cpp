// iCalendar, CSV and Excel export of one and of twenty school years made by the tests' school-year
// fixture, side by side with writing the same document as a data file. The application shows a
// progress dialog only when an export runs longer than half a second; these figures say when that
// happens. The CSV is measured per byte against the data file text (the counters' bytes); the
// workbook, which goes through a file of libxlsxwriter's, against saving the data file to disk, and
// against its own floor: deflating the XML it holds as libxlsxwriter's zip writer does. The summary
// at the end prints the ratios.

#include "RecordingReporter.h"
#include "export/CsvExport.h"
#include "export/ExportFile.h"
#include "export/ICalendarExport.h"
#include "export/WorkbookExport.h"
#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/SafeSave.h"
#include "support/ViewSchoolYear.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

using namespace planova;
using namespace planova::bench;

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

/// The entries of a zip container, unpacked: for a workbook, the XML parts libxlsxwriter printed.
std::vector<std::string> ZipEntries(const std::string& zip)
{
    const auto byte = [&](std::size_t at) {
        return static_cast<std::size_t>(static_cast<unsigned char>(zip.at(at)));
    };
    const auto u16 = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8; };
    const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
    const std::size_t end = zip.rfind("PK\x05\x06"); // the end of the central directory
    if (end == std::string::npos)
        throw std::runtime_error("not a zip container");
    std::vector<std::string> entries;
    std::size_t entry = u32(end + 16);
    for (std::size_t count = u16(end + 10); count > 0; --count) {
        if (u32(entry) != 0x02014b50)
            throw std::runtime_error("damaged central directory");
        const std::size_t packed = u32(entry + 20);
        const std::size_t local = u32(entry + 42);
        const std::size_t data = local + 30 + u16(local + 26) + u16(local + 28);
        std::string text(u32(entry + 24), '\0');
        if (u16(entry + 10) == 0) {
            text = zip.substr(data, packed);
        } else {
            z_stream stream{};
            inflateInit2(&stream, -MAX_WBITS);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zip.data() + data));
            stream.avail_in = static_cast<uInt>(packed);
            stream.next_out = reinterpret_cast<Bytef*>(text.data());
            stream.avail_out = static_cast<uInt>(text.size());
            const int result = inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
            if (result != Z_STREAM_END)
                throw std::runtime_error("damaged zip entry");
        }
        entries.push_back(std::move(text));
        entry += 46 + u16(entry + 28) + u16(entry + 30) + u16(entry + 32);
    }
    return entries;
}

/// Deflates a text as a zip entry is written: raw deflate with zlib's default memory and strategy at
/// the level given, and the CRC-32 the entry carries. Returns the deflated size.
std::size_t DeflateEntry(const std::string& text, int level, std::string& out)
{
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    out.resize(deflateBound(&stream, text.size()));
    auto* in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.next_in = in;
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const std::size_t size = stream.total_out;
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw std::runtime_error("deflate");
    benchmark::DoNotOptimize(crc32(0, in, static_cast<uInt>(text.size())));
    return size;
}

/**
 * The workbook's floor: its XML parts deflated as libxlsxwriter's zip writer deflates them, at the
 * level given (libxlsxwriter asks for zlib's default, 6, and offers no other). The counters give the
 * XML bytes and the deflated bytes.
 */
void WorkbookDeflate(benchmark::State& state)
{
    const std::vector<std::string> parts =
        ZipEntries(WorkbookBytes(Document(static_cast<int>(state.range(0))), {}));
    const int level = static_cast<int>(state.range(1));
    std::string out;
    std::size_t xml = 0;
    std::size_t deflated = 0;
    for (auto _ : state) {
        xml = 0;
        deflated = 0;
        for (const std::string& part : parts) {
            xml += part.size();
            deflated += DeflateEntry(part, level, out);
        }
    }
    state.counters["bytes"] = static_cast<double>(xml);
    state.counters["deflated"] = static_cast<double>(deflated);
}

} // namespace

BENCHMARK(ICalendar)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DayCsv)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFile)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(WorkbookSave)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFileSave)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(WorkbookDeflate)->Args({20, 6})->Args({20, 1})->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto line = [&](const char* what, const char* ours, const char* peer, double scale,
                          const char* budget) {
        const double wall = Ratio(reporter.RealTimes, ours, peer);
        if (wall > 0)
            std::printf("%-48s %5.2f wall, %5.2f CPU%s\n", what, wall * scale,
                        Ratio(reporter.CpuTimes, ours, peer) * scale, budget);
    };
    // Per byte: the CSV's time per byte over the data file text's time per byte.
    const double perByte = static_cast<double>(WriteDataFile(Document(20)).size()) /
                           static_cast<double>(DayCsvText(Document(20), {}).size());
    std::printf("\ntwenty school years:\n");
    line("CSV text / data file text, per byte:", "DayCsv/20", "DataFile/20", perByte, " (budget 2)");
    line("workbook save / data file save:", "WorkbookSave/20", "DataFileSave/20", 1, " (budget 5)");
    line("deflate of its XML, level 6 / data file save:", "WorkbookDeflate/20/6", "DataFileSave/20", 1, "");
    line("deflate of its XML, level 1 / data file save:", "WorkbookDeflate/20/1", "DataFileSave/20", 1, "");
    line("workbook save / deflate of its XML, level 6:", "WorkbookSave/20", "WorkbookDeflate/20/6", 1, "");
    benchmark::Shutdown();
    return 0;
}
