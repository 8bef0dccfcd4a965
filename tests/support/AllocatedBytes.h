#pragma once

#include <cstddef>

namespace planova::test {

/**
 * The bytes the allocator hands out now: mallinfo2's small blocks and mapped ones, as the data file
 * benchmark measures. Under AddressSanitizer, which replaces the allocator and leaves mallinfo2 at
 * zero, the sanitizer's own count of allocated bytes.
 */
std::size_t AllocatedBytes();

} // namespace planova::test
