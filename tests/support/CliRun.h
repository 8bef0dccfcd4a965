#pragma once

#include <string>
#include <vector>

namespace planova::test {

/// What a program run printed, and how it ended.
struct CliResult
{
    int Status = -1; ///< exit status, −1 when the program could not run or did not exit normally
    std::string Out;
    std::string Err;
};

/// Runs the program with the arguments, without a shell, and collects its standard output and error.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& args);

} // namespace planova::test
