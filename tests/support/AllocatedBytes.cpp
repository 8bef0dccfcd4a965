#include "support/AllocatedBytes.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define PLANOVA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLANOVA_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef PLANOVA_ADDRESS_SANITIZER
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace planova::test {

std::size_t AllocatedBytes()
{
#ifdef PLANOVA_ADDRESS_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

} // namespace planova::test
