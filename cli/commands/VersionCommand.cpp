// pictavo-cli version (also --version): prints the program version.
#include "cli/Command.h"

namespace pictavo::cli {

namespace {

int run(const ParsedArgs& args) {
    if (!args.positional().isEmpty())
        return usageError("version", QStringLiteral("expected no arguments"));
    printOut(QStringLiteral("pictavo-cli 0.1.0"));
    return kSuccess;
}

}  // namespace

extern const Command kVersionCommand{"version",
                                     "print the program version",
                                     "usage: pictavo-cli version (or pictavo-cli --version)\n"
                                     "\n"
                                     "Prints the program version.",
                                     {},
                                     run};

}  // namespace pictavo::cli
