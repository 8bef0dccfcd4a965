#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"
#include "model/DateTime.h"
#include "model/PrintSettings.h"
#include "model/UndoHistory.h"

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace planova {

/// Where FindDayPosition puts a date.
enum class DayPositionOutcome
{
    EmptyList = 0,    ///< the list is empty
    Found = 1,        ///< a record with an equal date is at the position
    InsertBefore = 2, ///< the first record later than the date is at the position
    Append = 3,       ///< no record matched
};

struct DayPosition
{
    DayPositionOutcome Outcome;
    std::size_t Position;
};

/**
 * The planner document: every stored day, the ToDo list, all settings and the undo history.
 *
 * Plain data behind a small API that editors, painters and tools share: a day is read by its date
 * (a copy, or an empty day of that date) and written back whole; an item is read and written by
 * its index. Nothing of a reader's position is kept here: which day a window shows, its find hit
 * and its selection belong to the view, so two windows of one document never move each other.
 * Settings are plain members named by their data-file tags, the print settings in the member Print.
 * The constructor reads the program clock (Now()) for the dates that default
 * to "today".
 */
class CPlanovaDoc
{
public:
    static constexpr int ClassCount = 10;
    static constexpr int FontPointCount = 24;
    static constexpr int JikannwariCount = 36;

    CPlanovaDoc();

    // ---- Days -------------------------------------------------------------------------------
    /// A copy of the stored day of the date, or an empty day of that date when none is stored.
    CDayData Day(const DateTime& date) const;
    /// Stores the day under its calendar date (replacing the record of that date) and sets the modified flag.
    void PutDay(CDayData day);
    /// Changes the day of the date (a copy of the stored one, or an empty day) and stores it.
    template <typename Change> void UpdateDay(const DateTime& date, Change change)
    {
        CDayData day = Day(date);
        change(day);
        PutDay(std::move(day));
    }
    /// Removes the stored record of the date; false, changing nothing, when none is stored.
    bool RemoveDay(const DateTime& date);

    DayPosition FindDayPosition(const DateTime& date) const;
    /// The stored record of the date, or nullptr when none is stored (what painters read: no copy).
    const CDayData* FindStoredDay(const DateTime& date) const;
    const std::vector<CDayData>& DayList() const { return Days; }
    /// Appends a record as it stands, in file order (the data file reader's use; the list is not sorted).
    void AppendDayUnsorted(CDayData day);
    /// Makes room for this many stored days, so that appending them moves no record (the data file
    /// reader knows the count before it appends).
    void ReserveDays(std::size_t count) { Days.reserve(count); }

    // ---- ToDo -------------------------------------------------------------------------------
    const std::vector<CToDo>& ToDoList() const { return ToDos; }
    int ToDoCount() const { return static_cast<int>(ToDos.size()); }
    /// Item i; InvalidArgument when i is not an item index.
    const CToDo& ToDo(int index) const;
    /// Adds the item at the end of the list.
    void AppendToDo(CToDo item);
    /// Overwrites item i; InvalidArgument when i is not an item index.
    void ReplaceToDo(int index, CToDo item);
    /// Inserts the item before item i (i = the item count appends); InvalidArgument for any other i.
    void InsertToDo(int index, CToDo item);
    /// Removes item i; InvalidArgument when i is not an item index.
    void RemoveToDo(int index);

    // ---- Undo history -----------------------------------------------------------------------
    /// Starts recording undo steps with an empty history (what the first view of the document does);
    /// a document no view has opened (a tool run from the command line) records nothing.
    void InitUndoHistory();
    /**
     * Opens a step named for the command that makes it: every day and item written until the
     * matching EndUndoStep is one step; with settings, the settings are kept before and after too.
     * Steps nest: only the outermost one is recorded. A write outside any step is a step of its own.
     */
    void BeginUndoStep(std::string name, bool settings = false);
    void EndUndoStep();
    bool CanUndo() const { return History.UndoCount() > 0; }
    bool CanRedo() const { return History.RedoCount() > 0; }
    /// Takes back the newest step (redo brings it again); false, changing nothing, when there is none.
    bool Undo();
    bool Redo();
    const UndoHistory& Undos() const { return History; }

    /// One undo step for the lifetime of the scope.
    class UndoStepScope
    {
    public:
        UndoStepScope(CPlanovaDoc& document, std::string name, bool settings = false) : Document(document)
        {
            Document.BeginUndoStep(std::move(name), settings);
        }
        ~UndoStepScope() { Document.EndUndoStep(); }
        UndoStepScope(const UndoStepScope&) = delete;
        UndoStepScope& operator=(const UndoStepScope&) = delete;

    private:
        CPlanovaDoc& Document;
    };

    // ---- Modified flag ----------------------------------------------------------------------
    bool IsModified() const { return Modified; }
    /// Setting the flag counts as a change (settings are plain members that tell no one else).
    void SetModified(bool modified = true)
    {
        Modified = modified;
        if (modified)
            ++Changes;
    }
    /// Grows with every write of a day, an item or a setting, and with every undo and redo: a reader
    /// that kept the number knows whether the document changed since.
    std::uint64_t Revision() const { return Changes; }

    /// The days, items and settings without the undo history, recording nothing: what a recovery copy or
    /// a trial run needs. Not const only because the history steps aside while the rest is copied.
    CPlanovaDoc ContentCopy();
    /// The settings alone: the document without days, items and history, recording nothing.
    CPlanovaDoc SettingsOnlyCopy();
    /// Takes the settings of another document, keeping these days, items and history.
    void TakeSettings(const CPlanovaDoc& settings);

    /// What was written since the last TakeChanges: the dates of the days stored or removed (each
    /// once, in date order) and whether the ToDo list was written. A recovery journal appends just
    /// these. Inexact is set when the days cannot be told apart by date (the list is not in date
    /// order, or a record has no valid date): only the whole document describes the change then.
    struct ContentChanges
    {
        std::vector<DateTime> Days;
        bool ToDos = false;
        bool Inexact = false;
    };
    /// What changed since the previous call (or since the document was made), and starts anew.
    ContentChanges TakeChanges();

    // ---- Print settings ---------------------------------------------------------------------
    PrintSettings Print;

    // ---- Display settings (Birthday, Property, ToDoSort) ------------------------------------
    int BirthdayYear = 0;
    int BirthdayMonth = 0;
    int BirthdayDay = 0;
    int DspType = 0;
    int StartWeekday = 0;
    bool ToDoView = true;
    bool Biorhythm = false;
    std::string Shiyousya;
    int ToDoSort = 0;

    // ---- ToDo print flags -------------------------------------------------------------------
    bool ToDoGyouji = false;
    bool ToDoKigenn = false;
    bool ToDoHanni = false;

    /// Print font sizes in points, index = print type × 4 + paper.
    std::array<int, FontPointCount> FontPoint{};

    // ---- Weekly timetable -------------------------------------------------------------------
    /// Monday to Saturday by periods ① to ⑥: index (weekday − 1) × 6 + (period − 1).
    std::array<std::string, JikannwariCount> Jikannwari;
    bool JUwagaki = false;

    // ---- Class-hour count -------------------------------------------------------------------
    std::array<std::string, ClassCount> Class;
    std::array<int, ClassCount> Offset{};
    int HajimeYear = 0;
    int HajimeMonth = 0;
    int HajimeDay = 0;
    int OwariYear = 0;
    int OwariMonth = 0;
    int OwariDay = 0;
    bool Keisannsuru = false;

private:
    /// The record of the date and the ToDo list as they were, kept on their first write in the open step.
    void NoteDay(const DateTime& date);
    void NoteToDos();
    /// The document without its days, items and history: the settings an undo step keeps.
    std::shared_ptr<const CPlanovaDoc> SettingsCopy();
    /// Stores each part of the step as it was (before) or is again (after), recording nothing.
    void Apply(const UndoStep& step, bool after);
    /// Sets the modified flag and counts the change.
    void Touch() { SetModified(); }

    /// Binary search is exact only while the valid dates are strictly ascending and no invalid
    /// record is in the list; a file read in another order falls back to the linear walk.
    bool DayListOrdered() const { return DaysOrdered; }

    std::vector<CDayData> Days;
    bool DaysOrdered = true;
    std::vector<CToDo> ToDos;
    UndoHistory History;
    bool Recording = false;
    int StepDepth = 0;
    UndoStep OpenStep;
    /// The day numbers of the dates written since the last TakeChanges, and whether the list was.
    std::set<long long> ChangedDays;
    bool ChangedToDos = false;
    bool Modified = false;
    std::uint64_t Changes = 0;
};

/// The default print font sizes: print type × 4 + paper (A4, Bible, Mini, A5).
extern const std::array<int, CPlanovaDoc::FontPointCount> DefaultFontPoints;

} // namespace planova
