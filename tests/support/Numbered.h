#pragma once

#include <string>

namespace planova::test {

/**
 * "L3", "v10": a prefix followed by a number. Built by appending, because GCC 12 at -O3 warns
 * falsely (-Wrestrict) about `"L" + std::to_string(n)`.
 */
inline std::string Numbered(std::string prefix, int number)
{
    return prefix.append(std::to_string(number));
}

} // namespace planova::test
