#pragma once

#include "support/CliRun.h"
#include "support/PopplerTools.h"
#include "support/SchoolYearFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

    /// A picture for the documentation: its file name (without ".png"), the options of its print and
    /// its resolution in pixels per inch.
    struct Picture
    {
        std::string Name;
        std::vector<std::string> Options;
        std::string Resolution;
    };

    /// The folder PLANOVA_PRINT_IMAGES names (docs/images when the pictures are renewed), or empty.
    static std::string PicturesFolder()
    {
        const char* folder = std::getenv("PLANOVA_PRINT_IMAGES");
        return folder == nullptr ? std::string() : std::string(folder);
    }

    /// Writes the first page of the PDF as `image`.png at the resolution (pixels per inch).
    static void WritePicture(const std::string& pdf, const std::string& resolution, const std::string& image)
    {
        Poppler("pdftoppm", {"-png", "-r", resolution, "-singlefile", pdf, image});
    }

    /// Prints the school-year file with the options shared by all pictures and each picture's own, and
    /// writes the first page of each as folder/Name.png.
    void WritePictures(const std::string& folder, const std::vector<std::string>& shared,
                       const std::vector<Picture>& pictures) const
    {
        for (const Picture& picture : pictures) {
            const std::string pdf = Out(picture.Name + ".pdf");
            std::vector<std::string> args{File};
            args.insert(args.end(), shared.begin(), shared.end());
            args.insert(args.end(), picture.Options.begin(), picture.Options.end());
            args.insert(args.end(), {"-o", pdf});
            const CliResult result = Print(args);
            ASSERT_EQ(result.Status, 0) << picture.Name << ": " << result.Err;
            WritePicture(pdf, picture.Resolution, folder + "/" + picture.Name);
        }
    }
};

} // namespace planova::test
