#include "edit/Clipboard.h"

#include "support/Cp932Literals.h"
#include "support/Numbered.h"

#include <gtest/gtest.h>

using namespace planova;
using planova::test::Numbered;
using planova::test::Sj;

namespace {

const DateTime Now = DateTime::FromDate(2024, 6, 12);
constexpr int KindRow = 1;
constexpr int MemoRow = 12;
constexpr int PeriodCell(int row)
{
    return row + 2;
}

/// A day whose period row r has the label "L<tag><r>", plan "P…", content "C…" and colour r % 8.
CDayData NumberedDay(const std::string& tag)
{
    CDayData day;
    day.SetJitei("kind" + tag);
    day.SetGyouji("event" + tag);
    for (int r = 0; r < CDayData::RowCount; ++r) {
        day.SetJigenn(r, Numbered("L" + tag, r));
        day.SetYotei(r, Numbered("P" + tag, r));
        day.SetNaiyou(r, Numbered("C" + tag, r));
        day.SetIro(r, r % 8);
    }
    day.SetMemo("memo" + tag);
    return day;
}

struct RowTexts
{
    std::string Label, Plan, Content;
    int Colour;
    bool operator==(const RowTexts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RowTexts& row)
{
    return out << row.Label << "/" << row.Plan << "/" << row.Content << "/" << row.Colour;
}

RowTexts Row(const CDayData& day, int r)
{
    return {day.GetJigenn(r), day.GetYotei(r), day.GetNaiyou(r), day.GetIro(r)};
}

} // namespace

TEST(ClipboardTest, CellRowsGiveTheClipKinds)
{
    EXPECT_EQ(CellClipKind(0), ClipEmpty);
    EXPECT_EQ(CellClipKind(KindRow), ClipKindAndEvent);
    EXPECT_EQ(CellClipKind(PeriodCell(0)), ClipPeriodRow);
    EXPECT_EQ(CellClipKind(PeriodCell(9)), ClipPeriodRow);
    EXPECT_EQ(CellClipKind(MemoRow), ClipMemo);
}

TEST(ClipboardTest, CopyAndPasteOfAPeriodRowUnderTheOptions)
{
    struct Case
    {
        const char* Name;
        CopyOptions AtCopy;
        CopyOptions AtPaste;
        RowTexts Expected; // target row 5 of day "b" after copying row 3 of day "a"
    };
    const CopyOptions initial;
    CopyOptions withLabel;
    withLabel.CopyJigenn = true;
    CopyOptions planOnly;
    planOnly.CopyNaiyou = false;
    planOnly.CopyIro = false;
    const Case cases[] = {
        {"initial options keep the target's label", initial, initial, {"Lb5", "Pa3", "Ca3", 3}},
        {"with 時限 the label comes too", withLabel, withLabel, {"La3", "Pa3", "Ca3", 3}},
        {"only what both copy and paste take", planOnly, planOnly, {"Lb5", "Pa3", "Cb5", 5}},
        {"a field not taken empties the target when pasted", planOnly, initial, {"Lb5", "Pa3", "", 0}},
        {"label taken but not pasted", withLabel, initial, {"Lb5", "Pa3", "Ca3", 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ClipboardRecord clip;
        const CDayData source = NumberedDay("a");
        CopyCell(clip, c.AtCopy, source, PeriodCell(3), Now);
        EXPECT_EQ(clip.ClipKind, ClipPeriodRow);
        EXPECT_EQ(clip.ClipDate, Now);
        CDayData target = NumberedDay("b");
        PasteCell(clip, c.AtPaste, target, PeriodCell(5));
        EXPECT_EQ(Row(target, 5), c.Expected);
        EXPECT_EQ(Row(target, 4), Row(NumberedDay("b"), 4));
    }
}

TEST(ClipboardTest, AKindMismatchChangesNothing)
{
    const CopyOptions options;
    ClipboardRecord clip;
    CopyCell(clip, options, NumberedDay("a"), KindRow, Now);
    EXPECT_EQ(clip.ClipKind, ClipKindAndEvent);
    EXPECT_EQ(clip.ClipTexts[0], "kinda");
    EXPECT_EQ(clip.ClipTexts[1], "eventa");
    for (int row : {0, PeriodCell(0), PeriodCell(9), MemoRow}) {
        CDayData target = NumberedDay("b");
        PasteCell(clip, options, target, row);
        EXPECT_EQ(target, NumberedDay("b")) << "row " << row;
    }
    CDayData target = NumberedDay("b");
    PasteCell(clip, options, target, KindRow);
    EXPECT_EQ(target.GetJitei(), "kinda");
    EXPECT_EQ(target.GetGyouji(), "eventa");
}

TEST(ClipboardTest, CutEmptiesWhatItTakes)
{
    CopyOptions options;
    options.CopyYotei = false;
    ClipboardRecord clip;
    clip.ClipDate = Now;
    CDayData day = NumberedDay("a");
    CutCell(clip, options, day, PeriodCell(6));
    EXPECT_EQ(Row(day, 6), (RowTexts{"La6", "Pa6", "", 0}));
    EXPECT_EQ(clip.ClipTexts, (std::array<std::string, 3>{"", "", "Ca6"}));
    EXPECT_EQ(clip.ClipColor, 6);
    EXPECT_EQ(clip.ClipDate, Now); // cut does not touch the date

    // The memo is always taken, whatever the options.
    options = CopyOptions{};
    CutCell(clip, options, day, MemoRow);
    EXPECT_EQ(day.GetMemo(), "");
    EXPECT_EQ(clip.ClipKind, ClipMemo);
    CDayData other = NumberedDay("b");
    PasteCell(clip, options, other, MemoRow);
    EXPECT_EQ(other.GetMemo(), "memoa");
    PasteCell(clip, options, other, MemoRow); // the record stays: pasting again writes the same
    EXPECT_EQ(other.GetMemo(), "memoa");
}

TEST(ClipboardTest, TheColourCarriesOverFromTheLastRowTakenWithItsOption)
{
    CopyOptions noColour;
    noColour.CopyIro = false;
    const CopyOptions withColour;
    ClipboardRecord clip;

    CopyCell(clip, noColour, NumberedDay("a"), PeriodCell(3), Now);
    CDayData target = NumberedDay("b");
    PasteCell(clip, withColour, target, PeriodCell(5));
    EXPECT_EQ(target.GetIro(5), 0) << "no row was copied with 枠内の色 yet";

    CopyCell(clip, withColour, NumberedDay("a"), PeriodCell(7), Now); // colour 7
    CopyCell(clip, noColour, NumberedDay("a"), PeriodCell(2), Now);   // colour 2 not taken
    CopyCell(clip, noColour, NumberedDay("a"), MemoRow, Now);
    CopyCell(clip, noColour, NumberedDay("a"), PeriodCell(1), Now);
    PasteCell(clip, withColour, target, PeriodCell(5));
    EXPECT_EQ(Row(target, 5), (RowTexts{"Lb5", "Pa1", "Ca1", 7}));
}

TEST(ClipboardTest, AToDoItemIsCopiedWholeWithItsDeadline)
{
    CToDo item;
    item.SetKennmei(Sj("通知表"));
    item.SetKigenn(2024, 7, 19);
    item.SetJyuuyoudo("B2");
    item.SetMemo(Sj("所見\r\n出欠"));
    CopyOptions options;
    options.CopyYotei = false; // the options do not apply to items
    ClipboardRecord clip;
    CopyToDo(clip, item);
    EXPECT_EQ(clip.ClipKind, ClipToDo);
    EXPECT_EQ(ClippedToDo(clip), item);
    EXPECT_EQ(clip.PlainText, Sj("通知表\t2024/07/19\tB2\t所見\r\n出欠"));
}

TEST(ClipboardTest, PlainTextHoldsTheTakenTextsSeparatedByTabs)
{
    CDayData day = NumberedDay("a");
    day.SetMemo(Sj("一行目\r\n二行目"));
    CopyOptions withLabel;
    withLabel.CopyJigenn = true;
    CopyOptions eventOnly;
    eventOnly.CopyJitei = false;
    struct Case
    {
        const char* Name;
        CopyOptions Options;
        int Row;
        std::string Expected;
    };
    const Case cases[] = {
        {"a period row: plan and content", CopyOptions{}, PeriodCell(0), "Pa0\tCa0"},
        {"with the label", withLabel, PeriodCell(0), "La0\tPa0\tCa0"},
        {"kind and event", CopyOptions{}, KindRow, "kinda\teventa"},
        {"the event alone", eventOnly, KindRow, "eventa"},
        {"the memo keeps its line breaks", CopyOptions{}, MemoRow, Sj("一行目\r\n二行目")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ClipboardRecord clip;
        clip.PlainText = "earlier";
        CopyCell(clip, c.Options, day, c.Row, Now);
        EXPECT_EQ(clip.PlainText, c.Expected);
    }
}

TEST(ClipboardTest, EachGroupOfCopyOptionsKeepsOneOn)
{
    using Flag = bool CopyOptions::*;
    struct Case
    {
        const char* Name;
        std::vector<Flag> Toggles;
        CopyOptions Expected;
    };
    const auto options = [](bool jitei, bool gyouji, bool jigenn, bool yotei, bool naiyou, bool iro) {
        return CopyOptions{jitei, gyouji, jigenn, yotei, naiyou, iro};
    };
    const Case cases[] = {
        {"the initial options", {}, options(true, true, false, true, true, true)},
        {"時程 off", {&CopyOptions::CopyJitei}, options(false, true, false, true, true, true)},
        {"時程 stays on while 行事 is off",
         {&CopyOptions::CopyGyouji, &CopyOptions::CopyJitei},
         options(true, false, false, true, true, true)},
        {"行事 stays on while 時程 is off",
         {&CopyOptions::CopyJitei, &CopyOptions::CopyGyouji},
         options(false, true, false, true, true, true)},
        {"内容 stays on as the last of three",
         {&CopyOptions::CopyYotei, &CopyOptions::CopyNaiyou},
         options(true, true, false, false, true, true)},
        {"時限 on lets 予定 and 内容 go off",
         {&CopyOptions::CopyJigenn, &CopyOptions::CopyYotei, &CopyOptions::CopyNaiyou},
         options(true, true, true, false, false, true)},
        {"then 時限 stays on",
         {&CopyOptions::CopyJigenn, &CopyOptions::CopyYotei, &CopyOptions::CopyNaiyou,
          &CopyOptions::CopyJigenn},
         options(true, true, true, false, false, true)},
        {"枠内の色 simply toggles", {&CopyOptions::CopyIro}, options(true, true, false, true, true, false)},
        {"and back",
         {&CopyOptions::CopyIro, &CopyOptions::CopyIro},
         options(true, true, false, true, true, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CopyOptions actual;
        for (Flag flag : c.Toggles)
            ToggleCopyOption(actual, flag);
        EXPECT_EQ(actual, c.Expected);
    }
}
