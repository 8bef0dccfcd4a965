#pragma once

#include "model/DataFile.h"
#include "support/TempDir.h"
#include "support/ViewSchoolYear.h"

#include <gtest/gtest.h>

#include <string>

namespace planova::test {

/// A temporary folder holding "school-year.dat", the school year from 1 April 2024, for the command-line
/// tests.
class SchoolYearFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        File = Folder.File("school-year.dat");
        WriteBytes(File, WriteDataFile(SchoolYearDocument(2024)));
    }

    /// A file name in the folder, for output.
    std::string Out(const std::string& name) const { return Folder.File(name); }

    TempDir Folder;
    std::string File;
};

} // namespace planova::test
