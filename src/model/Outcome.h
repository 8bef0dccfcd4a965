#pragma once

#include <string>

namespace planova {

/**
 * The outcome of an operation on a file or of a school tool: done, or refused with a Japanese
 * reason. A refused operation has changed nothing (a failed save leaves the previous file, a refused
 * tool leaves the document).
 */
struct Outcome
{
    bool Ok = true;
    std::string Error;

    static Outcome Done() { return {}; }
    static Outcome Refused(std::string reason) { return {false, std::move(reason)}; }
};

} // namespace planova
