// Keeping a document safe after each edit, on a twenty-year document: what the window pays after one
// cell edit and what the writing thread pays, against one save of the document by the user — by the
// journal (the change taken, then appended with fsync) and by the whole copy (a copy, then the
// recovery file's safe save), which still writes the journal's base. And what the undo history
// holds after 1,000 single-cell edits and after one "データの自動作成" of a school year.

#include "LargeDocument.h"

#include "calendar/SchoolYear.h"
#include "gui/RecoveryStore.h"
#include "model/DataFileSave.h"
#include "model/RecoveryJournal.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace planova;

CPlanovaDoc& Large()
{
    static CPlanovaDoc document = [] {
        CPlanovaDoc built = bench::LargeDocument();
        built.InitUndoHistory();
        return built;
    }();
    return document;
}

void EditOneCell(CPlanovaDoc& document, int n)
{
    document.UpdateDay(DateTime::FromDate(2015, 6, 1).AddDays(n % 300),
                       [&](CDayData& day) { day.SetYotei(3, "edit " + std::to_string(n)); });
}

/// The journal, the window's part: the edit and what it changed, taken for the writing thread.
void BM_EditAndJournalEntry(benchmark::State& state)
{
    CPlanovaDoc& document = Large();
    document.TakeChanges();
    int n = 0;
    for (auto _ : state) {
        EditOneCell(document, ++n);
        auto entry = TakeJournalEntry(document);
        benchmark::DoNotOptimize(entry);
    }
}
BENCHMARK(BM_EditAndJournalEntry)->Unit(benchmark::kMillisecond);

/// The journal, both parts: one cell edit, its entry taken, encoded and appended with fsync to the
/// journal of the recovery file (what the budget of one save is for).
void BM_JournalAfterOneEdit(benchmark::State& state)
{
    QTemporaryDir folder;
    RecoveryStore store(folder.path());
    store.Start();
    CPlanovaDoc& document = Large();
    QString error;
    document.TakeChanges();
    if (!store.Save(1, document.ContentCopy(), QString(), QStringLiteral("Planova1"), FileStamp(), QString(),
                    error))
        state.SkipWithError(error.toStdString().c_str());
    int n = 0;
    std::size_t entryBytes = 0;
    for (auto _ : state) {
        EditOneCell(document, ++n);
        const auto entry = TakeJournalEntry(document);
        const std::string framed = entry ? EncodeJournalEntry(*entry) : std::string();
        entryBytes = framed.size();
        if (!entry || !store.Append(1, framed, error))
            state.SkipWithError("the journal was not appended");
    }
    state.counters["entry_bytes"] = static_cast<double>(entryBytes);
}
BENCHMARK(BM_JournalAfterOneEdit)->Unit(benchmark::kMillisecond);

/// The whole copy, the window's part: the edit and the copy of the document's state for the writing thread.
void BM_EditAndRecoveryCopy(benchmark::State& state)
{
    CPlanovaDoc& document = Large();
    int n = 0;
    for (auto _ : state) {
        EditOneCell(document, ++n);
        CPlanovaDoc copy = document.ContentCopy();
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_EditAndRecoveryCopy)->Unit(benchmark::kMillisecond);

/// The whole copy, the writing thread's part: the recovery file and its description, each by the safe save.
void BM_RecoveryFileWrite(benchmark::State& state)
{
    QTemporaryDir folder;
    RecoveryStore store(folder.path());
    store.Start();
    CPlanovaDoc copy = Large().ContentCopy();
    QString error;
    for (auto _ : state) {
        if (!store.Save(1, copy, QString(), QStringLiteral("Planova1"), FileStamp(), QString(), error))
            state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_RecoveryFileWrite)->Unit(benchmark::kMillisecond);

/// The budget: one save of the document to the user's file.
void BM_OneSave(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("year.dat")).toStdString();
    for (auto _ : state) {
        const Outcome saved = SaveDataFile(path, Large());
        if (!saved.Ok)
            state.SkipWithError(saved.Error.c_str());
    }
}
BENCHMARK(BM_OneSave)->Unit(benchmark::kMillisecond);

/// The history's bytes after 1,000 single-cell edits, each its own step.
void BM_UndoMemoryThousandEdits(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        CPlanovaDoc document = Large().ContentCopy();
        document.InitUndoHistory();
        state.ResumeTiming();
        // Texts no other benchmark wrote, so that every edit changes its cell.
        for (int n = 0; n < 1000; ++n)
            EditOneCell(document, 1000000 + n);
        state.counters["history_MB"] = static_cast<double>(document.Undos().Bytes()) / (1024.0 * 1024.0);
        state.counters["steps"] = document.Undos().UndoCount();
    }
}
BENCHMARK(BM_UndoMemoryThousandEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

/// The history's bytes after one school year made over a year of the twenty, as one step.
void BM_UndoMemoryMakeYear(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        CPlanovaDoc document = Large().ContentCopy();
        document.InitUndoHistory();
        SchoolYearParameters parameters =
            SchoolYearParameters::Defaults(DateTime::FromDate(2015, 4, 1), true);
        state.ResumeTiming();
        {
            const CPlanovaDoc::UndoStepScope step(document, "データの自動作成");
            MakeSchoolYear(document, parameters);
        }
        state.counters["history_MB"] = static_cast<double>(document.Undos().Bytes()) / (1024.0 * 1024.0);
        state.counters["days_in_step"] = static_cast<double>(document.Undos().NextUndo().Days.size());
    }
}
BENCHMARK(BM_UndoMemoryMakeYear)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
