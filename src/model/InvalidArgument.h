#pragma once

#include <stdexcept>
#include <string>

namespace planova {

/// The invalid-argument error: an index out of range or a malformed data file.
/// It ends the current command or file load; nothing has been changed by the failing step.
class InvalidArgument : public std::invalid_argument
{
public:
    explicit InvalidArgument(const std::string& what) : std::invalid_argument(what) {}
};

} // namespace planova
