#include "cli/Commands.h"

namespace pictavo::cli {

// Add a command: define it in commands/, declare it here and list it below.
extern const Command kVersionCommand;
extern const Command kNewCommand;
extern const Command kDumpCommand;
extern const Command kSaveCommand;
extern const Command kImportCommand;
extern const Command kExportCommand;
extern const Command kCdExportCommand;
extern const Command kCheckCommand;
extern const Command kConvertCommand;

std::span<const Command* const> allCommands() {
    static const Command* const kCommands[] = {
        &kVersionCommand, &kNewCommand,      &kDumpCommand,  &kSaveCommand,    &kImportCommand,
        &kExportCommand,  &kCdExportCommand, &kCheckCommand, &kConvertCommand,
    };
    return kCommands;
}

}  // namespace pictavo::cli
