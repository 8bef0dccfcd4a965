#pragma once

#include "model/Outcome.h"

#include <functional>
#include <string>
#include <string_view>

namespace planova {

/// What the user is told when memory ran out: "メモリが足りないため、<action>できませんでした。" (UTF-8).
std::string OutOfMemoryMessage(std::string_view action);

/**
 * Runs a step that may need more memory than there is (reading, writing or printing a large
 * document): an allocation that fails inside it becomes the refusal OutOfMemoryMessage(action)
 * instead of ending the program. The step must leave nothing half done when it throws; steps that
 * write through the safe save do.
 */
Outcome GuardMemory(std::string_view action, const std::function<Outcome()>& step);

} // namespace planova
