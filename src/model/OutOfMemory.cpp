#include "model/OutOfMemory.h"

#include <new>

namespace planova {

std::string OutOfMemoryMessage(std::string_view action)
{
    return "メモリが足りないため、" + std::string(action) + "できませんでした。";
}

Outcome GuardMemory(std::string_view action, const std::function<Outcome()>& step)
{
    try {
        return step();
    } catch (const std::bad_alloc&) {
        return Outcome::Refused(OutOfMemoryMessage(action));
    }
}

} // namespace planova
