#include "support/PrintCommandFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace planova {
namespace {

using test::CliResult;
using test::Poppler;

/// A page rendered in grey at 254 dpi: ten pixels per millimetre.
class GreyPage
{
public:
    GreyPage(const std::string& pdf, int page)
    {
        const std::string number = std::to_string(page);
        const std::string pgm = Poppler("pdftoppm", {"-gray", "-r", "254", "-f", number, "-l", number, pdf});
        std::istringstream header(pgm);
        std::string magic;
        int maximum = 0;
        header >> magic >> Width >> Height >> maximum;
        EXPECT_EQ(magic, "P5");
        Pixels = pgm.substr(static_cast<std::size_t>(header.tellg()) + 1);
        EXPECT_EQ(Pixels.size(), static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height));
    }

    /// The darkest grey within a pixel of the point (millimetres from the sheet's corner); 255 is white.
    int DarkestNear(double xMm, double yMm) const
    {
        int darkest = 255;
        const int cx = static_cast<int>(xMm * 10);
        const int cy = static_cast<int>(yMm * 10);
        for (int y = std::max(0, cy - 1); y <= std::min(Height - 1, cy + 1); ++y) {
            for (int x = std::max(0, cx - 1); x <= std::min(Width - 1, cx + 1); ++x)
                darkest = std::min(darkest, int(static_cast<unsigned char>(
                                                Pixels[static_cast<std::size_t>(y * Width + x)])));
        }
        return darkest;
    }

    int Width = 0;
    int Height = 0;

private:
    std::string Pixels;
};

/// The left edge, in points, of the first word of a page that holds the text; -1 when none does.
double WordLeft(const std::string& pdf, int page, const std::string& text)
{
    const std::string number = std::to_string(page);
    const std::string words = Poppler("pdftotext", {"-f", number, "-l", number, "-bbox", pdf, "-"});
    const std::regex word(R"re(<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    for (auto it = std::sregex_iterator(words.begin(), words.end(), word); it != std::sregex_iterator();
         ++it) {
        if ((*it)[2].str().find(text) != std::string::npos)
            return std::stod((*it)[1].str());
    }
    return -1;
}

class PrintImposeCommandTest : public test::PrintCommandFixture
{
protected:
    /// Seven Bible left pages, 10 to 16 June, imposed on A4.
    std::string ImposedWeek()
    {
        const std::string out = Out("imposed.pdf");
        const CliResult result = Print({File, "--type", "day", "--paper", "bible", "--orientation",
                                        "portrait", "--page", "left", "--from", "2024-06-10", "--to",
                                        "2024-06-16", "--set", "PDateType=1", "--impose", "a4", "-o", out});
        EXPECT_EQ(result.Status, 0) << result.Err;
        return out;
    }
};

// Seven refill pages are four refills (the last without a back), two to a sheet: two sheets, four sides.
TEST_F(PrintImposeCommandTest, SevenBiblePagesMakeTwoA4SheetsFrontAndBack)
{
    const std::string out = ImposedWeek();
    EXPECT_EQ(test::PdfInfoField(out, "Pages"), "4");
    EXPECT_EQ(test::PdfPageSizeMm(out), std::make_pair(210, 297));

    // Which day lies on which side, and where: the front has refills 1 and 2 left to right; seen from the
    // back, each back lies behind its front, so the order is mirrored. 297.6 points is the sheet's middle.
    constexpr double Middle = 297.6;
    struct Side
    {
        int Page;
        const char* LeftDay;
        const char* RightDay; // nullptr: the slot stays empty
    };
    const Side sides[] = {
        {1, "06/10", "06/12"}, // sheet 1, front
        {2, "06/13", "06/11"}, // sheet 1, back
        {3, "06/14", "06/16"}, // sheet 2, front
        {4, nullptr, "06/15"}, // sheet 2, back: the last refill has no back page
    };
    for (const Side& side : sides) {
        const std::string text = test::PdfPageText(out, side.Page);
        for (const char* day : {side.LeftDay, side.RightDay}) {
            if (day == nullptr)
                continue;
            const double left = WordLeft(out, side.Page, std::string("2024/") + day);
            ASSERT_GE(left, 0) << "page " << side.Page << " lacks " << day << "\n" << text;
            EXPECT_EQ(left < Middle, day == side.LeftDay)
                << "page " << side.Page << " " << day << " at " << left;
        }
        // Every day is on exactly one side.
        int days = 0;
        for (const char* day : {"06/10", "06/11", "06/12", "06/13", "06/14", "06/15", "06/16"})
            days += text.find(std::string("2024/") + day) != std::string::npos;
        EXPECT_EQ(days, (side.LeftDay ? 1 : 0) + (side.RightDay ? 1 : 0)) << "page " << side.Page << "\n"
                                                                          << text;
    }
}

// Bible upright: the two pieces are 95 × 170 mm at (6.67, 63.5) and (108.33, 63.5). Cut marks, 1 to 6 mm
// away from the corners along the edges, are printed on the fronts only.
TEST_F(PrintImposeCommandTest, CutMarksOutsideTheCornersOnTheFront)
{
    const std::string out = ImposedWeek();
    const GreyPage front(out, 1);
    const GreyPage back(out, 2);
    ASSERT_EQ(front.Width, 2100);
    struct Spot
    {
        const char* Name;
        double X;
        double Y;
        bool Mark;
    };
    const Spot spots[] = {
        {"top left, across", 3.5, 63.5, true},          {"top left, down", 6.67, 60.0, true},
        {"between the pieces, top", 105.0, 63.5, true}, {"bottom right, down", 203.33, 237.0, true},
        {"bottom right, across", 207.0, 233.5, true},   {"beside the marks", 3.5, 60.0, false},
        {"above the marks", 6.67, 50.0, false},
    };
    for (const Spot& spot : spots) {
        if (spot.Mark)
            EXPECT_LT(front.DarkestNear(spot.X, spot.Y), 160) << spot.Name;
        else
            EXPECT_GT(front.DarkestNear(spot.X, spot.Y), 240) << spot.Name;
        EXPECT_GT(back.DarkestNear(spot.X, spot.Y), 240) << spot.Name << " on the back";
    }
}

TEST_F(PrintImposeCommandTest, RefusedWithoutWritingAnything)
{
    struct Case
    {
        std::vector<std::string> Args;
        int Status;
        const char* Message;
    };
    const Case cases[] = {
        {{"--paper", "a4", "--impose", "a4"}, 1, "Ａ４のリフィルはＡ４用紙に面付けできません。"},
        {{"--paper", "bible", "--impose", "a3"}, 1, "--impose は a4 のいずれかです: a3"},
        {{"--paper", "bible", "--impose"}, 2, "--impose"},
    };
    const std::string out = Out("never.pdf");
    for (const Case& c : cases) {
        std::vector<std::string> args{File,   "--type",     "day", "--from", "2024-06-10",
                                      "--to", "2024-06-11", "-o",  out};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const CliResult result = Print(args);
        EXPECT_EQ(result.Status, c.Status) << c.Message;
        EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
        EXPECT_FALSE(std::filesystem::exists(out)) << c.Message;
    }
}

// Writes docs/images/impose-bible-a4.png, the front of the first sheet, when PLANOVA_PRINT_IMAGES names a
// folder.
TEST_F(PrintImposeCommandTest, DocumentationImages)
{
    const std::string folder = PicturesFolder();
    if (folder.empty())
        GTEST_SKIP() << "set PLANOVA_PRINT_IMAGES to a folder to write the picture of an imposed sheet";
    WritePicture(ImposedWeek(), "80", folder + "/impose-bible-a4");
}

} // namespace
} // namespace planova
