// Load and save of a large planner file, side by side with pugixml parsing the same bytes into
// its DOM and serialising that DOM to memory. The summary at the end prints the ratios and the
// memory the loaded document holds against the file size.

#include "LargeDocument.h"
#include "RecordingReporter.h"
#include "model/DataFile.h"
#include "model/DataFileArchive.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace planova;
using namespace planova::bench;

namespace {

const std::string& FileBytes()
{
    static const std::string bytes = WriteDataFile(LargeDocument());
    return bytes;
}

/// The tagged text without the length prefix: what pugixml is given.
const std::string& FileText()
{
    static const std::string text = ReadArchiveString(FileBytes());
    return text;
}

const CPlanovaDoc& LoadedDocument()
{
    static const CPlanovaDoc document = ReadDataFile(FileBytes());
    return document;
}

struct StringWriter : pugi::xml_writer
{
    std::string Out;
    void write(const void* data, size_t size) override { Out.append(static_cast<const char*>(data), size); }
};

const pugi::xml_document& PugiDocument()
{
    static const auto document = [] {
        auto parsed = std::make_unique<pugi::xml_document>();
        if (!parsed->load_buffer(FileText().data(), FileText().size()))
            std::abort();
        return parsed;
    }();
    return *document;
}

void BM_Load_Planova(benchmark::State& state)
{
    for (auto _ : state) {
        CPlanovaDoc document = ReadDataFile(FileBytes());
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileBytes().size()));
}

void BM_Load_Pugixml(benchmark::State& state)
{
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(FileText().data(), FileText().size()));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * FileText().size()));
}

void BM_Save_Planova(benchmark::State& state)
{
    const CPlanovaDoc& document = LoadedDocument();
    for (auto _ : state) {
        std::string bytes = WriteDataFile(document);
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_Save_Pugixml(benchmark::State& state)
{
    const pugi::xml_document& document = PugiDocument();
    for (auto _ : state) {
        StringWriter writer;
        document.save(writer, "", pugi::format_raw | pugi::format_no_declaration);
        benchmark::DoNotOptimize(writer.Out);
    }
}

BENCHMARK(BM_Load_Planova)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Pugixml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_Planova)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save_Pugixml)->Unit(benchmark::kMillisecond);

/// Bytes the allocator hands out now (small blocks and mapped ones).
std::size_t AllocatedBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::printf("file: %zu bytes, %d days, %d ToDo items\n", FileBytes().size(), SchoolYears * DaysPerYear,
                ToDoItems);

    const std::size_t before = AllocatedBytes();
    auto* measured = new CPlanovaDoc(ReadDataFile(FileBytes()));
    const std::size_t documentBytes = AllocatedBytes() - before;
    delete measured;

    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto line = [&](const char* what, const char* ours, const char* peer) {
        std::printf("%-30s %.2f wall, %.2f CPU (budget 1.50)\n", what, Ratio(reporter.RealTimes, ours, peer),
                    Ratio(reporter.CpuTimes, ours, peer));
    };
    std::printf("\n");
    line("load / pugixml parse:", "BM_Load_Planova", "BM_Load_Pugixml");
    line("save / pugixml serialisation:", "BM_Save_Planova", "BM_Save_Pugixml");
    std::printf("%-30s %zu bytes = %.2f x file size (budget 3.00)\n",
                "loaded document memory:", documentBytes,
                static_cast<double>(documentBytes) / static_cast<double>(FileBytes().size()));
    benchmark::Shutdown();
    return 0;
}
