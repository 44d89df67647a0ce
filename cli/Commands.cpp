#include "cli/Commands.h"

namespace pictavo::cli {

// Add a command: declare its run function here and list it below.

std::span<const Command> allCommands() {
    static const Command kCommands[] = {
        {"version", "print the program version", [](const QStringList&) {
             printOut(QStringLiteral("pictavo-cli 0.1.0"));
             return int(kSuccess);
         }},
    };
    return kCommands;
}

}  // namespace pictavo::cli
