#include "export/ExportFile.h"
#include "export/WorkbookExport.h"
#include "export/WorkbookSheet.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace planova;
using namespace planova::test;

namespace {

/// Points the temporary folder (where libxlsxwriter's file goes) at a folder of the test's own.
class TemporaryFolderScope
{
public:
    explicit TemporaryFolderScope(const std::filesystem::path& folder)
    {
        if (const char* previous = std::getenv("TMPDIR"))
            Previous = previous;
        setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TemporaryFolderScope()
    {
        if (Previous.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", Previous.c_str(), 1);
    }

private:
    std::string Previous;
};

bool IsEmpty(const std::filesystem::path& folder)
{
    return std::filesystem::directory_iterator(folder) == std::filesystem::directory_iterator();
}

} // namespace

TEST(WorkbookExportTest, WrittenWithTheSafeSaveLeavingNoTemporaryFile)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    TempDir temporary;
    TempDir out;
    const TemporaryFolderScope scope(temporary.Path());
    const std::string path = out.File("year.xlsx");
    const ExportRequest request{ExportFormat::Workbook, {DateTime::FromDate(2024, 6, 1), {}}, {}};

    const Outcome written = ExportToFile(document, request, path);
    ASSERT_TRUE(written.Ok) << written.Error;
    EXPECT_EQ(ReadBytes(path).substr(0, 4), std::string("PK\x03\x04", 4)) << "a zip container";
    EXPECT_TRUE(IsEmpty(temporary.Path()));

    // A stop asked for halfway leaves the written workbook as it was, and no temporary file.
    const std::string before = ReadBytes(path);
    const Outcome stopped =
        ExportToFile(document, request, path, [](std::size_t done, std::size_t) { return done < 20; });
    EXPECT_FALSE(stopped.Ok);
    EXPECT_EQ(stopped.Error, ExportStoppedReason);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_TRUE(IsEmpty(temporary.Path()));
}

TEST(WorkbookExportTest, ATemporaryFolderThatIsNoFolderRefusesTheExport)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    TempDir out;
    const std::string path = out.File("year.xlsx");
    WriteBytes(path, "before");
    const TemporaryFolderScope scope(out.Path() / "no-such-folder");

    const Outcome written = ExportToFile(document, {ExportFormat::Workbook, {}, {}}, path);
    EXPECT_FALSE(written.Ok);
    EXPECT_EQ(written.Error.rfind("一時ファイルを置くフォルダー (環境変数 TMPDIR) を使えません: ", 0), 0u)
        << written.Error;
    EXPECT_EQ(ReadBytes(path), "before");
}

TEST(WorkbookExportTest, ACountingPeriodThatIsNoPeriodIsRefused)
{
    const CPlanovaDoc document = SchoolYearDocument(2024);
    // The range starts after the document's stored end of the count.
    const ExportRange range{DateTime::FromDate(document.OwariYear + 1, 1, 1), {}};
    try {
        WorkbookBytes(document, range);
        ADD_FAILURE() << "not refused";
    } catch (const ExportError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("授業時数の計算期間: 開始日", 0), 0u) << error.what();
    }
}

TEST(WorkbookExportTest, ColumnWidthsCountFullWidthCharactersTwice)
{
    const std::pair<const char*, double> cases[] = {
        {"", 0},
        {"A1", 2},
        {"国語", 4},           // two full-width characters
        {"1-2 国語", 8},       // four narrow, two wide
        {"ｺｸｺﾞ", 4},           // half-width katakana is narrow
        {"é", 1},              // two-byte characters are narrow
        {"長い行\r\n短い", 6}, // the longest line
        {"短い\n長い一行", 8},
    };
    for (const auto& [text, width] : cases)
        EXPECT_EQ(WorkbookSheet::DisplayWidth(text), width) << text;
}
