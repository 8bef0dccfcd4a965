#pragma once

#include "model/Cp932Codec.h"

#include <string>

namespace planova::test {

/// Code page 932 bytes of a UTF-8 literal, for readable expectations in tests.
inline std::string Sj(const char* utf8)
{
    return Utf8ToCp932(utf8);
}

} // namespace planova::test
