#include "dialogs/EntryDialogLayout.h"

#include "support/Cp932Literals.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace planova;
using planova::test::Sj;

namespace {

constexpr PixelSize Button{75, 23};
constexpr PixelSize Radio{33, 20};

std::vector<std::string> List(int mode)
{
    const auto list = TextsOfMode(mode).ComboList;
    return {list.begin(), list.end()};
}

} // namespace

TEST(EntryDialogLayoutTest, TitlesOfTheModes)
{
    const struct
    {
        int Mode;
        const char* Expected;
    } cases[] = {
        {EditKindAndEvent, "2012年 4月 1日の時程・行事の変更"},
        {EditPeriodRow, "2012年 4月 1日の時限・予定・内容の変更"},
        {EditMemo, "2012年 4月 1日のメモの変更"},
        {EditToDo, "ToDoの変更"},
    };
    for (const auto& c : cases) {
        EntryDialogValues values;
        values.EditMode = c.Mode;
        values.TitlePrefix = Sj("2012年 4月 1日");
        EXPECT_EQ(EntryDialogTitle(values), c.Expected);
    }
    // Inserting a period row opens the dialog without a day prefix.
    EntryDialogValues insert;
    insert.EditMode = EditPeriodRow;
    EXPECT_EQ(EntryDialogTitle(insert), "の時限・予定・内容の変更");
}

TEST(EntryDialogLayoutTest, ComboListsAndCaptions)
{
    EXPECT_EQ(List(EditKindAndEvent),
              (std::vector<std::string>{"50分時程", "45分時程", "休日", "振替休業日"}));
    EXPECT_EQ(List(EditToDo), (std::vector<std::string>{"A1", "B1", "C1", "A2", "B2", "C2", "A3", "B3", "C3",
                                                        "R0", "R1", "R2", "R3", "PJ"}));
    EXPECT_TRUE(List(EditPeriodRow).empty());
    EXPECT_TRUE(List(EditMemo).empty());

    const auto labels = [](int mode) {
        std::vector<std::string> texts;
        for (const char* label : TextsOfMode(mode).Labels)
            texts.push_back(label ? label : "-");
        return texts;
    };
    EXPECT_EQ(labels(EditKindAndEvent), (std::vector<std::string>{"時程：", "行事：", "-", "-"}));
    EXPECT_EQ(labels(EditPeriodRow), (std::vector<std::string>{"時限：", "予定：", "内容：", "枠内の色："}));
    EXPECT_EQ(labels(EditMemo), (std::vector<std::string>{"メモ：", "-", "-", "-"}));
    EXPECT_EQ(labels(EditToDo), (std::vector<std::string>{"件名：", "期限：", "重要：", "メモ："}));
}

TEST(EntryDialogLayoutTest, ButtonsAndRadiosSitAboveTheLowerRightCorner)
{
    for (PixelSize client : {PixelSize{400, 330}, PixelSize{900, 700}}) {
        const EntryDialogPlacement placement = PlaceEntryDialog(EditPeriodRow, client, Button, Radio);
        const int x = client.Width - 7;
        const int y = client.Height - 7;
        EXPECT_EQ(placement.Cancel, (PixelRect{x - 75, y - 23, 75, 23}));
        EXPECT_EQ(placement.Ok, (PixelRect{x - 150 - 37, y - 23, 75, 23}));
        EXPECT_EQ(placement.Radios[0], (PixelRect{60, y - 23 - 7 - 20, 33, 20}));
        EXPECT_EQ(placement.Radios[7], (PixelRect{60 + 7 * 36, y - 23 - 7 - 20, 33, 20}));
        EXPECT_EQ(placement.FieldBottom, y - 23 - 7 - 20 - 7);
    }
}

TEST(EntryDialogLayoutTest, RadiosStayRightOfTheirCaptionAndWrapInANarrowDialog)
{
    constexpr PixelSize wide{600, 330};
    constexpr PixelSize narrow{302, 270}; // the smallest client a window frame leaves
    constexpr PixelSize radio{40, 20};
    constexpr int caption = 66; // "枠内の色：" as the font needs it
    const struct
    {
        const char* Name;
        PixelSize Client;
        int Caption;
        int Left;
        int PerRow;
    } cases[] = {
        {"designed caption", wide, 0, 60, 8},
        {"caption narrower than the design", wide, 40, 60, 8},
        {"wider caption", wide, caption, 7 + caption + 3, 8},
        {"narrow dialog: two rows of four", narrow, caption, 7 + caption + 3, 4},
        {"very narrow dialog: three rows", PixelSize{240, 300}, caption, 7 + caption + 3, 3},
    };
    for (const auto& c : cases) {
        const EntryDialogPlacement placement =
            PlaceEntryDialog(EditPeriodRow, c.Client, Button, radio, c.Caption);
        const int rows = (CellColourCount + c.PerRow - 1) / c.PerRow;
        const int buttonTop = c.Client.Height - 7 - Button.Height;
        const int firstTop = buttonTop - 7 - rows * radio.Height - (rows - 1) * 2;
        for (int k = 0; k < CellColourCount; ++k) {
            const PixelRect& r = placement.Radios[static_cast<std::size_t>(k)];
            EXPECT_EQ(r.Left, c.Left + (k % c.PerRow) * (radio.Width + 3)) << c.Name << " radio " << k;
            EXPECT_EQ(r.Top, firstTop + (k / c.PerRow) * (radio.Height + 2)) << c.Name << " radio " << k;
        }
        // The caption stands beside the first row; the content field ends above the radios.
        EXPECT_EQ(placement[EntryControl::Label4].Rect.Top, firstTop + 3) << c.Name;
        EXPECT_EQ(placement.FieldBottom, firstTop - 7) << c.Name;
        if (c.Client.Width >= 300) {
            EXPECT_LE(placement.Radios[7].Right(), c.Client.Width - 7) << c.Name;
        }
    }
}

TEST(EntryDialogLayoutTest, FieldsOfEachModeStretchRightAndTheLastOneDown)
{
    constexpr PixelSize client{400, 330};
    constexpr int W = 400 - 7 - 45;
    constexpr int buttonsB = 330 - 7 - 23 - 7;
    constexpr int radiosB = buttonsB - 20 - 7;
    using Place = std::optional<PixelRect>;
    const struct
    {
        int Mode;
        bool Radios;
        std::array<Place, EntryControlCount> Expected; ///< Combo, Edit1–3, DatePicker, Label1–4
    } cases[] = {
        {EditKindAndEvent,
         false,
         {PixelRect{45, 7, W, 24}, PixelRect{45, 38, W, buttonsB - 38}, Place{}, Place{}, Place{},
          PixelRect{7, 10, 30, 24}, PixelRect{7, 41, 30, 24}, Place{}, Place{}}},
        {EditPeriodRow,
         true,
         {Place{}, PixelRect{45, 7, W, 24}, PixelRect{45, 38, W, 72}, PixelRect{45, 117, W, radiosB - 117},
          Place{}, PixelRect{7, 10, 30, 24}, PixelRect{7, 41, 30, 24}, PixelRect{7, 120, 30, 24},
          PixelRect{7, radiosB + 10, 60, 24}}},
        {EditMemo,
         false,
         {Place{}, PixelRect{45, 7, W, buttonsB - 7}, Place{}, Place{}, Place{}, PixelRect{7, 10, 30, 24},
          Place{}, Place{}, Place{}}},
        {EditToDo,
         false,
         {PixelRect{45, 69, W, 24}, PixelRect{45, 7, W, 24}, PixelRect{45, 97, W, buttonsB - 97}, Place{},
          PixelRect{45, 38, W, 24}, PixelRect{7, 10, 30, 24}, PixelRect{7, 41, 30, 24},
          PixelRect{7, 72, 30, 24}, PixelRect{7, 100, 30, 24}}},
    };
    for (const auto& c : cases) {
        const EntryDialogPlacement placement = PlaceEntryDialog(c.Mode, client, Button, Radio);
        EXPECT_EQ(placement.RadiosShown, c.Radios) << c.Mode;
        for (int control = 0; control < EntryControlCount; ++control) {
            const ControlPlacement& place = placement.Controls[static_cast<std::size_t>(control)];
            const Place& expected = c.Expected[static_cast<std::size_t>(control)];
            EXPECT_EQ(place.Shown, expected.has_value()) << "mode " << c.Mode << " control " << control;
            if (expected) {
                EXPECT_EQ(place.Rect, *expected) << "mode " << c.Mode << " control " << control;
            }
        }
    }
    EXPECT_EQ(PlaceEntryDialog(EditKindAndEvent, client, Button, Radio).ComboDroppedHeight, 100);
    EXPECT_EQ(PlaceEntryDialog(EditToDo, client, Button, Radio).ComboDroppedHeight, 70);
}

TEST(EntryDialogLayoutTest, AClientTooSmallGivesNoNegativeSizes)
{
    const EntryDialogPlacement placement = PlaceEntryDialog(EditPeriodRow, {20, 20}, Button, Radio);
    for (const ControlPlacement& place : placement.Controls) {
        EXPECT_GE(place.Rect.Width, 0);
        EXPECT_GE(place.Rect.Height, 0);
    }
}
