#include "dialogs/PrintDialog.h"

#include "print/PrintTypes.h"

#include <gtest/gtest.h>

#include <functional>

namespace planova {
namespace {

namespace C = PrintControl;

const DateTime Today = DateTime::FromDate(2024, 6, 12);

ViewPrintState DefaultView()
{
    CPlanovaDoc document;
    return CopyPrintSettings(document);
}

/// Clicks a control whose reading is what the dialog shows, changed by `edit`.
std::optional<FieldError> Click(PrintDialogModel& dialog, int control,
                                const std::function<void(PrintDialogReading&)>& edit = {})
{
    PrintDialogReading reading = dialog.Shown();
    if (edit)
        edit(reading);
    return dialog.OnControl(control, reading);
}

/// Toggles a check box as the user does: the reading holds its new state.
void Toggle(PrintDialogModel& dialog, int control, bool on)
{
    ASSERT_FALSE(Click(dialog, control, [&](PrintDialogReading& r) { r.Checks[control] = on; }));
}

TEST(PrintDialogTest, EnableRules)
{
    struct Case
    {
        const char* Name;
        std::vector<int> Clicks;                 ///< radio buttons clicked in order
        std::vector<std::pair<int, bool>> Ticks; ///< check boxes set
        int Control;
        bool Enabled;
    };
    const Case cases[] = {
        {"day: record sheet options", {C::DayType}, {}, C::RecordToDo, true},
        {"day without record sheet", {C::DayType}, {{C::RecordSheet, false}}, C::RecordToDo, false},
        {"third with centre line", {C::DayType}, {{C::CentreLine, true}}, C::CentreThird, true},
        {"third without centre line", {C::DayType}, {{C::CentreLine, false}}, C::CentreThird, false},
        {"third without record sheet", {C::DayType}, {{C::RecordSheet, false}}, C::CentreThird, false},
        {"third on the memo sheet", {C::MemoType}, {}, C::CentreThird, false},
        {"classification on A4 day", {C::DayType, C::PaperA4}, {}, C::Classification, true},
        {"classification on A5 memo", {C::MemoType, C::PaperA5}, {}, C::Classification, true},
        {"classification on Bible", {C::DayType, C::PaperBible}, {}, C::Classification, false},
        {"classification on Mini memo", {C::MemoType, C::PaperMini}, {}, C::Classification, false},
        {"classification on week", {C::WeekType}, {}, C::Classification, false},
        {"count hours on day", {C::DayType}, {}, C::CountHours, true},
        {"count hours on week", {C::WeekType}, {}, C::CountHours, true},
        {"count hours on month", {C::MonthType}, {}, C::CountHours, false},
        {"layout on month", {C::MonthType}, {}, C::List, true},
        {"layout on day", {C::DayType}, {}, C::Vertical, false},
        {"start weekday on ToDo", {C::ToDoType}, {}, C::MondayStart, true},
        {"ToDo options on ToDo", {C::ToDoType}, {}, C::ToDoOverdue, true},
        {"ToDo options on day", {C::DayType}, {}, C::ToDoEvents, false},
        {"months on year", {C::YearType}, {}, C::SixMonths, true},
        {"months on week", {C::WeekType}, {}, C::OneMonth, false},
        {"spread on year", {C::YearType}, {}, C::Spread, false},
        {"right page on year", {C::YearType}, {}, C::RightPage, false},
        {"one page on year", {C::YearType}, {}, C::OnePage, true},
        {"fill colours on memo", {C::MemoType}, {}, C::FillColours, false},
        {"centre line on memo", {C::MemoType}, {}, C::CentreLine, true},
        {"one side without special paper", {C::Spread}, {}, C::OneSide, true},
        {"one side on special paper", {C::LeftPage}, {{C::SpecialPaper, true}}, C::OneSide, false},
        {"A4 on special paper", {}, {{C::SpecialPaper, true}}, C::PaperA4, false},
        {"landscape on special paper", {}, {{C::SpecialPaper, true}}, C::Landscape, false},
        {"spread on special paper", {}, {{C::SpecialPaper, true}}, C::Spread, false},
        {"printer dialog when printing", {}, {}, C::PrinterDialog, true},
    };
    for (const Case& c : cases) {
        PrintDialogModel dialog(DefaultView(), Today, false);
        for (const int radio : c.Clicks)
            ASSERT_FALSE(Click(dialog, radio)) << c.Name;
        for (const auto& [control, on] : c.Ticks)
            Toggle(dialog, control, on);
        EXPECT_EQ(dialog.IsEnabled(c.Control), c.Enabled) << c.Name;
    }
    EXPECT_FALSE(PrintDialogModel(DefaultView(), Today, true).IsEnabled(C::PrinterDialog)); // in preview
}

TEST(PrintDialogTest, ApprovalLineOnlyForTheA4LandscapeOnePageMondayWeek)
{
    const std::vector<int> approval{C::WeekType, C::Vertical, C::Landscape,
                                    C::PaperA4,  C::OnePage,  C::MondayStart};
    PrintDialogModel dialog(DefaultView(), Today, false);
    for (const int radio : approval)
        ASSERT_FALSE(Click(dialog, radio));
    EXPECT_TRUE(dialog.IsEnabled(C::Approval));
    Toggle(dialog, C::Approval, true);

    // Changing any one of them disables it again; its value is kept.
    for (const int other : {C::MonthType, C::List, C::Portrait, C::PaperA5, C::Spread, C::SundayStart}) {
        PrintDialogModel changed = dialog;
        ASSERT_FALSE(Click(changed, other));
        EXPECT_FALSE(changed.IsEnabled(C::Approval)) << other;
        EXPECT_TRUE(changed.Values().PKenin) << other;
    }
}

TEST(PrintDialogTest, RadioMarksFollowTheValues)
{
    PrintDialogModel dialog(DefaultView(), Today, false);
    EXPECT_TRUE(dialog.IsChecked(C::DayType));
    EXPECT_TRUE(dialog.IsChecked(C::Landscape)); // a new document prints landscape
    EXPECT_TRUE(dialog.IsChecked(C::PaperA4));
    EXPECT_TRUE(dialog.IsChecked(C::Spread));
    EXPECT_TRUE(dialog.IsChecked(C::DigitsDate));
    EXPECT_FALSE(dialog.IsChecked(C::Vertical)); // the layout is marked for week and month only
    ASSERT_FALSE(Click(dialog, C::MonthType));
    EXPECT_TRUE(dialog.IsChecked(C::Vertical));
    EXPECT_FALSE(dialog.IsChecked(C::DayType));

    ASSERT_FALSE(Click(dialog, C::YearType)); // a year planner is one page
    EXPECT_EQ(dialog.Values().PPageType, PageType::One);
    EXPECT_TRUE(dialog.IsChecked(C::OnePage));
}

TEST(PrintDialogTest, FontSizeFollowsThePrintTypeAndPaper)
{
    PrintDialogModel dialog(DefaultView(), Today, false);
    EXPECT_EQ(dialog.Values().PFontSize, 9); // day, A4
    ASSERT_FALSE(Click(dialog, C::WeekType));
    EXPECT_EQ(dialog.Values().PFontSize, 7);
    ASSERT_FALSE(Click(dialog, C::PaperMini));
    EXPECT_EQ(dialog.Values().PFontSize, 4);
    ASSERT_FALSE(Click(dialog, C::MemoType));
    EXPECT_EQ(dialog.Values().PFontSize, 16);

    // A size typed for day on A4, then week chosen: the field shows the week's size; the typed size
    // is kept as the day's, and comes back with the day planner.
    ASSERT_FALSE(Click(dialog, C::DayType));
    ASSERT_FALSE(Click(dialog, C::PaperA4));
    ASSERT_FALSE(Click(dialog, C::WeekType, [](PrintDialogReading& r) { r.Numbers[C::FontSize] = "12"; }));
    EXPECT_EQ(dialog.Values().PFontSize, 7);
    ASSERT_FALSE(Click(dialog, C::DayType));
    EXPECT_EQ(dialog.Values().PFontSize, 12);
    EXPECT_EQ(dialog.Values().PrintFontSizes[0], 12);
}

TEST(PrintDialogTest, ClickingARadioKeepsWhatWasTyped)
{
    PrintDialogModel dialog(DefaultView(), Today, false);
    ASSERT_FALSE(Click(dialog, C::PaperA5, [](PrintDialogReading& r) {
        r.Numbers.insert_or_assign(C::MoveRight, "-12");
        r.Numbers.insert_or_assign(C::RuleWidth, "3");
    }));
    EXPECT_EQ(dialog.Values().PIdouMigi, -12);
    EXPECT_EQ(dialog.Values().PKeisenFutosa, 3);
    EXPECT_EQ(dialog.Values().PPaperType, PaperType::A5);
}

TEST(PrintDialogTest, CoupledOptions)
{
    {
        PrintDialogModel dialog(DefaultView(), Today, false);
        Toggle(dialog, C::DayToDo, true);
        EXPECT_FALSE(dialog.Values().PKirokuTodo);
        Toggle(dialog, C::RecordToDo, true);
        EXPECT_FALSE(dialog.Values().PDayTodo);
    }
    {
        PrintDialogModel dialog(DefaultView(), Today, false);
        ASSERT_TRUE(dialog.Values().PKirokuTomorrow);
        Toggle(dialog, C::CountHours, true);
        EXPECT_FALSE(dialog.Values().PKirokuTomorrow);
        Toggle(dialog, C::RecordTomorrow, true);
        EXPECT_FALSE(dialog.Values().Keisannsuru);
    }
    {
        ViewPrintState view = DefaultView();
        view.Keisannsuru = true;
        view.PKirokuTomorrow = true;
        EXPECT_FALSE(
            PrintDialogModel(view, Today, false).Values().PKirokuTomorrow); // switched off on opening
    }
    {
        ViewPrintState view = DefaultView(); // A4, landscape, spread
        view.PKatagawa = true;
        PrintDialogModel dialog(view, Today, false);
        Toggle(dialog, C::SpecialPaper, true);
        EXPECT_EQ(dialog.Values().PPaperType, PaperType::A5);
        EXPECT_EQ(dialog.Values().PYoushiType, Orientation::Portrait);
        EXPECT_EQ(dialog.Values().PPageType, PageType::Left);
        EXPECT_FALSE(dialog.Values().PKatagawa);
        EXPECT_TRUE(dialog.IsChecked(C::PaperA5));
    }
    {
        // Bible stays Bible, a right page stays a right page.
        ViewPrintState view = DefaultView();
        view.PPaperType = PaperType::Bible;
        view.PPageType = PageType::Right;
        PrintDialogModel dialog(view, Today, false);
        Toggle(dialog, C::SpecialPaper, true);
        EXPECT_EQ(dialog.Values().PPaperType, PaperType::Bible);
        EXPECT_EQ(dialog.Values().PPageType, PageType::Right);
    }
}

TEST(PrintDialogTest, DateLabelsAndTheDates)
{
    PrintDialogModel dialog(DefaultView(), Today, false);
    EXPECT_EQ(dialog.LabelOf(C::SlashDate), "2014/01/01");
    EXPECT_EQ(dialog.LabelOf(C::KanjiDate), "2014年01月01日");
    Toggle(dialog, C::StripZeros, true);
    EXPECT_EQ(dialog.LabelOf(C::SlashDate), "2014/1/1");
    EXPECT_EQ(dialog.LabelOf(C::KanjiDate), "2014年 1月 1日");
    EXPECT_EQ(dialog.LabelOf(C::DigitsDate), "20140101");

    EXPECT_EQ(dialog.Values().PrintStartDate, Today);
    EXPECT_EQ(dialog.Values().PrintEndDate, Today);
    EXPECT_TRUE(dialog.IsEnabled(C::Ok));
    ASSERT_FALSE(Click(dialog, C::EndDate, [](PrintDialogReading& r) { r.End = Today.AddDays(-1); }));
    EXPECT_FALSE(dialog.IsEnabled(C::Ok));
    EXPECT_TRUE(dialog.Confirm(dialog.Shown()).has_value());
    ASSERT_FALSE(Click(dialog, C::StartDate, [](PrintDialogReading& r) { r.Start = Today.AddDays(-1); }));
    EXPECT_TRUE(dialog.IsEnabled(C::Ok)); // equal dates
}

TEST(PrintDialogTest, AJobOfMoreThanTheMostPagesIsRefusedBeforePrinting)
{
    struct Case
    {
        const char* Name;
        int TypeControl;
        DateTime End;        ///< from Today (12 June 2024)
        const char* Message; ///< empty: accepted
    };
    const Case cases[] = {
        // A page a day: Today and 4,999 days after it are 5,000 pages.
        {"5,000 day pages", C::DayType, Today.AddDays(4999), ""},
        {"5,001 day pages", C::DayType, Today.AddDays(5000),
         "印刷するページが多すぎます (5001 ページ。一度に印刷できるのは 5000 "
         "ページまでです)。期間を短くしてください。"},
        // A page a week: 34,999 days after Today are 34,999 / 7 + 1 = 5,000 pages.
        {"5,000 week pages", C::WeekType, Today.AddDays(34999), ""},
        {"5,001 week pages", C::WeekType, Today.AddDays(35000), "(5001 ページ"},
        // A page a month: June 2024 to January 2441 are 7 + 416 × 12 + 1 = 5,000 pages.
        {"5,000 month pages", C::MonthType, DateTime::FromDate(2441, 1, 1), ""},
        {"5,001 month pages", C::MonthType, DateTime::FromDate(2441, 2, 1), "(5001 ページ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        PrintDialogModel dialog(DefaultView(), Today, false);
        ASSERT_FALSE(Click(dialog, c.TypeControl));
        PrintDialogReading reading = dialog.Shown();
        reading.End = c.End;
        const std::optional<FieldError> error = dialog.Confirm(reading);
        if (std::string(c.Message).empty()) {
            EXPECT_FALSE(error);
            continue;
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->Control, C::EndDate);
        EXPECT_NE(error->Message.find(c.Message), std::string::npos) << error->Message;
    }
}

TEST(PrintDialogTest, NumberFieldsAreValidated)
{
    struct Case
    {
        int Control;
        const char* Text;
        const char* Message; ///< empty: accepted
    };
    const Case cases[] = {
        {C::MoveRight, "51", "-50 から 50 までの整数を入力してください。"},
        {C::MoveRight, "-50", ""},
        {C::MoveDown, "-51", "-50 から 50 までの整数を入力してください。"},
        {C::MoveDown, " +7 ", ""},
        {C::FontSize, "0", "1 から 50 までの整数を入力してください。"},
        {C::FontSize, "50", ""},
        {C::RuleWidth, "11", "1 から 10 までの整数を入力してください。"},
        {C::RuleWidth, "abc", "整数を入力してください。"},
        {C::RuleWidth, "", "整数を入力してください。"},
        {C::MoveRight, "1.5", "整数を入力してください。"},
        {C::MoveRight, "99999999999999", "整数を入力してください。"},
    };
    for (const Case& c : cases) {
        PrintDialogModel dialog(DefaultView(), Today, false);
        const PrintDialogValues before = dialog.Values();
        PrintDialogReading reading = dialog.Shown();
        reading.Numbers[c.Control] = c.Text;
        reading.Checks[C::PrinterDialog] = true;
        const std::optional<FieldError> error = dialog.Confirm(reading);
        if (std::string(c.Message).empty()) {
            EXPECT_FALSE(error) << c.Text;
            continue;
        }
        ASSERT_TRUE(error) << c.Text;
        EXPECT_EQ(error->Control, c.Control) << c.Text;
        EXPECT_EQ(error->Message, c.Message) << c.Text;
        EXPECT_FALSE(dialog.Values().PDialog) << "nothing is taken over: " << c.Text;
        EXPECT_EQ(dialog.Values().PIdouMigi, before.PIdouMigi);
    }
}

TEST(PrintDialogTest, SpinControls)
{
    struct Case
    {
        int Spin;
        int Value;
        int Steps;
        int Result;
    };
    const Case cases[] = {
        {C::MoveRightSpin, 0, 1, 1},    {C::MoveRightSpin, 50, 1, 50}, {C::MoveRightSpin, -50, -1, -50},
        {C::MoveDownSpin, 0, 1, -1}, // its upper arrow lowers the value
        {C::MoveDownSpin, -50, 1, -50}, {C::MoveDownSpin, 50, -1, 50}, {C::FontSizeSpin, 1, -1, 1},
        {C::FontSizeSpin, 9, 2, 11},    {C::RuleWidthSpin, 10, 1, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrintDialogModel::SpinStep(c.Spin, c.Value, c.Steps), c.Result) << c.Spin << " " << c.Value;
}

TEST(PrintDialogTest, PrintingHandsTheOptionsToTheViewAndTheJob)
{
    CPlanovaDoc document;
    document.SetModified(false);
    ViewPrintState view = CopyPrintSettings(document);
    view.Biorhythm = false; // the display shows the biorhythm
    PrintDialogModel dialog(view, Today, false);
    ASSERT_FALSE(Click(dialog, C::MemoType));
    Toggle(dialog, C::NoBiorhythm, true);
    ASSERT_FALSE(dialog.Confirm(dialog.Shown()));

    const ViewPrintState job = AcceptPrintDialog(dialog, view, document);
    EXPECT_EQ(view.PrintType, PrintType::Memo);
    EXPECT_EQ(view.PrintStartDate, Today);
    EXPECT_FALSE(view.Biorhythm); // the display keeps its setting
    EXPECT_TRUE(job.Biorhythm);   // the whole job prints without the biorhythm
    EXPECT_EQ(job.PrintType, PrintType::Memo);
    EXPECT_EQ(document.Print.PrintType, PrintType::Day); // not saved
    EXPECT_FALSE(document.IsModified());
}

TEST(PrintDialogTest, SavingWritesTheOptionsIntoTheDocument)
{
    CPlanovaDoc document;
    document.SetModified(false);
    ViewPrintState view = CopyPrintSettings(document);
    PrintDialogModel dialog(view, Today, false);
    ASSERT_FALSE(Click(dialog, C::PaperBible));
    Toggle(dialog, C::CountHours, true);
    Toggle(dialog, C::NoBiorhythm, true);
    Toggle(dialog, C::SaveSettings, true);
    ASSERT_FALSE(dialog.Confirm(dialog.Shown()));
    AcceptPrintDialog(dialog, view, document);

    EXPECT_EQ(document.Print.PPaperType, PaperType::Bible);
    EXPECT_EQ(document.Print.PFontSize, 6);
    EXPECT_TRUE(document.Keisannsuru);
    EXPECT_FALSE(document.Biorhythm); // the choice for printing is not the display setting
    EXPECT_EQ(document.FontPoint, dialog.Values().PrintFontSizes);
    EXPECT_TRUE(document.IsModified());
}

} // namespace
} // namespace planova
