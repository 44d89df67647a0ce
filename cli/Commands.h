#pragma once
// The list of pictavo-cli's commands, in the order the usage text gives them.

#include "cli/Command.h"

#include <span>

namespace pictavo::cli {

std::span<const Command* const> allCommands();

}  // namespace pictavo::cli
