// Find over twenty years of days: FindNext walking every hit of a common word from the first day
// to the last, and one full pass for a word that is nowhere, side by side with memmem over the
// bytes of the same 33 fields of every day. FindNext tries character boundaries only, so it must
// stay near memmem: the budget for the pass without a hit is 1.1 times memmem when matching exactly,
// and 3 times memmem with width, kana and case folded.

#include "LargeDocument.h"
#include "RecordingReporter.h"
#include "edit/DayFields.h"
#include "edit/FindReplace.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace planova;
using namespace planova::bench;

namespace {

CPlanovaDoc& Document()
{
    static CPlanovaDoc document = LargeDocument();
    return document;
}

/// A subject in every tenth plan.
const std::string& CommonWord()
{
    static const std::string word = Sj("国語");
    return word;
}

/// An event no day holds.
const std::string& MissingWord()
{
    static const std::string word = Sj("修学旅行");
    return word;
}

/// Every difference find can ignore.
constexpr MatchOptions Folding{true, true, true};

/// What "次を検索" reports, pressed again and again from the first day: the number of hits.
int FindEveryHit(const CPlanovaDoc& document, const std::string& word, const MatchOptions& options = {})
{
    FindHitState hit;
    DateTime start = document.DayList().front().GetDate();
    bool fromStart = true;
    int hits = 0;
    while (FindNext(document, hit, start, word, fromStart, options)) {
        ++hits;
        start = hit.Date;
        fromStart = false;
    }
    return hits;
}

/// The fields holding the word's bytes somewhere, by memmem over every field of every day.
int MemmemFields(const CPlanovaDoc& document, const std::string& word)
{
    int fields = 0;
    for (const CDayData& day : document.DayList()) {
        for (int field = 1; field <= LastDayField; ++field) {
            const std::string& text = DayFieldText(day, field);
            if (memmem(text.data(), text.size(), word.data(), word.size()) != nullptr)
                ++fields;
        }
    }
    return fields;
}

void BM_FindNext_EveryHit(benchmark::State& state)
{
    int hits = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hits = FindEveryHit(Document(), CommonWord()));
    state.counters["hits"] = hits;
}

void BM_Memmem_EveryHit(benchmark::State& state)
{
    int fields = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(fields = MemmemFields(Document(), CommonWord()));
    state.counters["hits"] = fields;
}

void BM_FindNext_EveryHit_Folding(benchmark::State& state)
{
    int hits = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(hits = FindEveryHit(Document(), CommonWord(), Folding));
    state.counters["hits"] = hits;
}

void FindNoHit(benchmark::State& state, const MatchOptions& options)
{
    const CPlanovaDoc& document = Document();
    const DateTime first = document.DayList().front().GetDate();
    FindHitState hit;
    for (auto _ : state) {
        ResetFindHit(hit);
        benchmark::DoNotOptimize(FindNext(document, hit, first, MissingWord(), true, options));
    }
}

void BM_FindNext_NoHit(benchmark::State& state)
{
    FindNoHit(state, {});
}

void BM_FindNext_NoHit_Folding(benchmark::State& state)
{
    FindNoHit(state, Folding);
}

void BM_Memmem_NoHit(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MemmemFields(Document(), MissingWord()));
}

BENCHMARK(BM_FindNext_EveryHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memmem_EveryHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_EveryHit_Folding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_NoHit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNext_NoHit_Folding)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memmem_NoHit)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("document: %zu days, %d hits of the common word, %d fields holding it\n",
                Document().DayList().size(), FindEveryHit(Document(), CommonWord()),
                MemmemFields(Document(), CommonWord()));
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto line = [&](const char* what, const char* ours, const char* peer, const char* budget) {
        std::printf("%-32s %.2f wall, %.2f CPU%s\n", what, Ratio(reporter.RealTimes, ours, peer),
                    Ratio(reporter.CpuTimes, ours, peer), budget);
    };
    std::printf("\n");
    line("every hit / memmem:", "BM_FindNext_EveryHit", "BM_Memmem_EveryHit", "");
    line("every hit, folding / memmem:", "BM_FindNext_EveryHit_Folding", "BM_Memmem_EveryHit", "");
    line("no hit / memmem:", "BM_FindNext_NoHit", "BM_Memmem_NoHit", " (budget 1.10)");
    line("no hit, folding / memmem:", "BM_FindNext_NoHit_Folding", "BM_Memmem_NoHit", " (budget 3.00)");
    benchmark::Shutdown();
    return 0;
}
