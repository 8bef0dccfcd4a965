#pragma once

#include "support/CliRun.h"
#include "support/PdfInspect.h"
#include "support/SchoolYearFile.h"

#include <string>
#include <vector>

namespace planova::test {

/**
 * The school-year file of SchoolYearFileTest and `planova-cli print` to print it, for the command-line
 * tests of printing (PLANOVA_CLI names the program in those tests).
 */
class PrintCommandFixture : public SchoolYearFileTest
{
protected:
    /// Runs `planova-cli print` with the arguments.
    static CliResult Print(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> args{"print"};
        args.insert(args.end(), arguments.begin(), arguments.end());
        return RunProgram(PLANOVA_CLI, args);
    }

    /// Writes the first page of the PDF as `image`.png at the resolution (pixels per inch), for the docs.
    static void WritePicture(const std::string& pdf, const std::string& resolution, const std::string& image)
    {
        Poppler("pdftoppm", {"-png", "-r", resolution, "-singlefile", pdf, image});
    }
};

} // namespace planova::test
