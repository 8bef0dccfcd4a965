#pragma once

#include "model/CPlanovaDoc.h"
#include "model/DateTime.h"

#include <array>
#include <span>
#include <string>

namespace planova {

class PlannerView;

/// The two showings of the dialog "時数計算" (QtClassHourDialog).
enum class ClassHourMode
{
    Entry,  ///< names, offsets and dates are entered; button 1 reads "計算"
    Result, ///< the results are shown; button 1 reads "OK"
};

/// How the dialog looks in a mode.
struct ClassHourModeLook
{
    const char* OkCaption;
    bool CancelShown;
    bool SaveEnabled; ///< "設定を保存する"
};

ClassHourModeLook LookOf(ClassHourMode mode);

/// The controls of one class row: its caption "①：" … "⑩：" and its name, offset and result fields.
struct ClassHourRowControls
{
    const char* Label;
    int NameId;
    int OffsetId;
    int ResultId;
};

/// The ten class rows in order.
std::span<const ClassHourRowControls> ClassHourRowControlTable();

/// What the dialog shows and edits. Names are code page 932.
struct ClassHourValues
{
    ClassHourMode Mode = ClassHourMode::Entry;
    std::array<std::string, CPlanovaDoc::ClassCount> Names;
    std::array<int, CPlanovaDoc::ClassCount> Offsets{};
    std::array<int, CPlanovaDoc::ClassCount> Results{};
    DateTime Start;
    DateTime End;
    bool SaveSettings = false;
};

/**
 * Opening the count: the view's class names and offsets become the document's, and the dialog gets
 * them with results 0, the document's stored period (both dates become the shown day when either is
 * no calendar date), in entry mode.
 */
ClassHourValues StartClassHourCount(PlannerView& view);

/// Why "計算" cannot count (an invalid date or a start after the end), or empty.
std::string ClassHourRefusal(const ClassHourValues& values);

/**
 * "計算": the view takes the entered names and offsets, counts the class hours of the entered
 * period, and the values turn to result mode with each
 * result = offset + count.
 */
void CountIntoResults(PlannerView& view, ClassHourValues& values);

/**
 * "設定を保存する" (the result closed with "OK" and the box checked): the document keeps the view's
 * names and offsets and the counted period, and is marked modified.
 */
void SaveClassHourSettings(PlannerView& view, const ClassHourValues& counted);

} // namespace planova
