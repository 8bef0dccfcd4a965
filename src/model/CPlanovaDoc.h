#pragma once

#include "model/CDayData.h"
#include "model/CToDo.h"
#include "model/DateTime.h"
#include "model/PrintSettings.h"
#include "model/UndoHistory.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
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

/// Position of the last find hit.
struct FindHitState
{
    bool Found = false;
    DateTime Date = DateTime::FromDayNumber(0.0);
    int Field = 0;
    int Column = -1;
    int Line = -1;
    std::string Text;
};

/**
 * The planner document: every stored day, the ToDo list, all settings and the undo history.
 *
 * Nobody else holds stored records: load a day or an item into WorkDay / WorkToDo, change the
 * copy and store it back. Settings are plain members named by their data-file tags (the print
 * settings through the PrintSettings base).
 * The constructor reads the program clock (Now()) for the dates that default to "today".
 */
class CPlanovaDoc : public PrintSettings
{
public:
    static constexpr int ClassCount = 10;
    static constexpr int FontPointCount = 24;
    static constexpr int JikannwariCount = 36;
    static constexpr int DefaultUndoCapacity = 10;

    CPlanovaDoc();

    // ---- Days -------------------------------------------------------------------------------
    CDayData WorkDay;

    /// WorkDay := a copy of the stored record of the date, or an empty day of that date.
    void LoadDay(const DateTime& date);
    /// Stores a copy of WorkDay under its date (replacing an equal date) and sets the modified flag.
    void StoreDay();
    DayPosition FindDayPosition(const DateTime& date) const;
    /// The stored record of the date, or nullptr when none is stored (what painters read; never moves
    /// WorkDay).
    const CDayData* FindStoredDay(const DateTime& date) const;
    const std::vector<CDayData>& DayList() const { return Days; }
    /// Appends a record as it stands, in file order (the data file reader's use; the list is not sorted).
    void AppendDayUnsorted(CDayData day);

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

    // ---- ToDo -------------------------------------------------------------------------------
    CToDo WorkToDo;
    int ToDoCount = 0;

    const std::vector<CToDo>& ToDoList() const { return ToDos; }
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
    /// WorkToDo := a copy of item i; InvalidArgument when i is not an item index.
    void LoadToDo(int index);
    /// Overwrites item i with WorkToDo, or appends when i is past the end (or the list is empty).
    void StoreToDo(int index);
    /// Removes item i; InvalidArgument when i is not an item index.
    void DeleteToDo(int index);

    // ---- Undo history -----------------------------------------------------------------------
    /// Sizes the history to the capacity with every slot empty (what a view does when it starts).
    void InitUndoHistory(int capacity = DefaultUndoCapacity);
    /// Appends the entry, dropping the oldest when the history is full; records nothing before a view has
    /// sized the history.
    void RecordUndo(UndoEntry entry);
    /// Appends a snapshot of WorkDay (UndoDay) or WorkToDo (UndoToDo, UndoAddedToDo).
    void RecordUndo(UndoKind kind);
    /// True when the history holds an entry.
    bool CanUndo() const { return History.Count() > 0; }
    /// Removes the newest entry and returns it (an empty entry when there is none).
    UndoEntry TakeUndo() { return History.TakeNewest(); }
    const UndoHistory& Undo() const { return History; }

    // ---- Find -------------------------------------------------------------------------------
    FindHitState FindHit;

    // ---- Modified flag ----------------------------------------------------------------------
    bool IsModified() const { return Modified; }
    void SetModified(bool modified = true) { Modified = modified; }

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
    /// Binary search is exact only while the valid dates are strictly ascending and no invalid
    /// record is in the list; a file read in another order falls back to the linear walk.
    bool DayListOrdered() const { return DaysOrdered; }

    std::vector<CDayData> Days;
    bool DaysOrdered = true;
    std::vector<CToDo> ToDos;
    UndoHistory History;
    bool Modified = false;
};

/// The default print font sizes: print type × 4 + paper (A4, Bible, Mini, A5).
extern const std::array<int, CPlanovaDoc::FontPointCount> DefaultFontPoints;

} // namespace planova
