// Load and save of a large planner file, side by side with pugixml parsing the same bytes into
// its DOM and serialising that DOM to memory. The summary at the end prints the ratios and the
// memory the loaded document holds against the file size.

#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "model/FixedTexts.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <malloc.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace planova;

namespace {

constexpr int SchoolYears = 20;
constexpr int DaysPerYear = 365;
constexpr int ToDoItems = 2000;

const char* const Subjects[] = {"国語", "数学", "英語",     "理科",       "社会",
                                "音楽", "美術", "保健体育", "技術・家庭", "道徳"};
const char* const Classes[] = {"1年1組", "1年2組", "2年1組", "2年3組", "3年2組", "3年4組"};
const char* const Contents[] = {
    "二次関数のグラフ（p.45～48）", "「走れメロス」心情の読み取り", "現在完了形の練習、単語テスト",
    "電流と磁界の実験、レポート",   "江戸時代の政治と社会、資料集", "合唱コンクール課題曲の練習",
    "期末テスト範囲の復習プリント", "バスケットボール技能テスト",
};
const char* const Memos[] = {
    "職員会議16:00～、学年会の資料を印刷しておく。",
    "部活動は自主練習。校外学習の引率者を確認。",
    "書類の締切。生徒指導部会は第二会議室。",
};
const char* const Events[] = {"", "", "", "", "避難訓練", "保護者会", "始業式", "体育大会"};

std::string Sj(const char* utf8)
{
    return Cp932Literal(utf8);
}

/// Twenty school years of days with every row filled, and 2,000 ToDo items.
CPlanovaDoc LargeDocument()
{
    FixedNowScope clock(DateTime::FromDate(2025, 1, 10));
    CPlanovaDoc document;
    const DateTime first = DateTime::FromDate(2005, 4, 1);
    for (int d = 0; d < SchoolYears * DaysPerYear; ++d) {
        document.LoadDay(first.AddDays(d));
        CDayData& day = document.WorkDay;
        day.SetStandardDay();
        const bool weekend = day.GetDate().DayOfWeek() == 0 || day.GetDate().DayOfWeek() == 6;
        day.SetJitei(weekend ? Text(FixedText::Holiday) : Text(FixedText::SchoolDay50));
        day.SetGyouji(Sj(Events[d % 8]));
        for (int row = 0; row < CDayData::RowCount; ++row) {
            day.SetYotei(row, Sj(Classes[(d + row) % 6]) + " " + Sj(Subjects[(d * 3 + row) % 10]));
            day.SetNaiyou(row, Sj(Contents[(d + row * 5) % 8]));
            day.SetIro(row, (d + row) % 8);
        }
        day.SetMemo(Sj(Memos[d % 3]));
        document.StoreDay();
    }
    for (int i = 0; i < ToDoItems; ++i) {
        document.WorkToDo.SetKennmei(Sj(Subjects[i % 10]) + Sj("の評価資料をまとめる ") + std::to_string(i));
        const DateTime deadline = first.AddDays(i * 3);
        document.WorkToDo.SetKigenn(deadline.Year(), deadline.Month(), deadline.Day());
        document.WorkToDo.SetJyuuyoudo(i % 3 == 0 ? "A1" : "B2");
        document.WorkToDo.SetMemo(Sj(Memos[i % 3]));
        document.StoreToDo(i);
    }
    return document;
}

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

/// Keeps each benchmark's time per iteration (the median with repetitions) for the summary.
class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With repetitions the median stands for the benchmark.
        for (const Run& run : runs) {
            if (!run.aggregate_name.empty() && run.aggregate_name != "median")
                continue;
            RealTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
            CpuTimes[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> RealTimes;
    std::map<std::string, double> CpuTimes;
};

/// Our time over the peer's time, 0 when either did not run.
double Ratio(const std::map<std::string, double>& times, const char* ours, const char* peer)
{
    const auto a = times.find(ours);
    const auto b = times.find(peer);
    return a == times.end() || b == times.end() ? 0.0 : a->second / b->second;
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
