#include "support/PopplerTools.h"

#include "support/CliRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

namespace planova::test {

std::string Poppler(const std::string& tool, const std::vector<std::string>& args)
{
    const CliResult result = RunProgram("/usr/bin/" + tool, args);
    EXPECT_EQ(result.Status, 0) << tool << ": " << result.Err;
    return result.Out;
}

std::string PdfInfoField(const std::string& pdf, const std::string& field)
{
    const std::string info = Poppler("pdfinfo", {pdf});
    const std::regex line("(^|\n)" + field + ":\\s*([^\n]*)");
    std::smatch match;
    return std::regex_search(info, match, line) ? match[2].str() : std::string();
}

std::pair<int, int> PdfPageSizeMm(const std::string& pdf)
{
    const std::string size = PdfInfoField(pdf, "Page size");
    double width = 0;
    double height = 0;
    std::istringstream(size) >> width;
    std::istringstream(size.substr(size.find('x') + 1)) >> height;
    return {static_cast<int>(std::lround(width * 25.4 / 72)),
            static_cast<int>(std::lround(height * 25.4 / 72))};
}

std::string PdfPageText(const std::string& pdf, int page)
{
    const std::string number = std::to_string(page);
    return Poppler("pdftotext", {"-f", number, "-l", number, pdf, "-"});
}

} // namespace planova::test
