#pragma once
// The table of pictavo-cli's sub-commands. Each command lives in
// cli/commands/<Name>Command.cpp and is listed once in Commands.cpp.

#include "cli/Command.h"

#include <span>

namespace pictavo::cli {

std::span<const Command> allCommands();

}  // namespace pictavo::cli
