#include "cli/Commands.h"

namespace pictavo::cli {

// Add a command: declare its run function here and list it below.
int runConvert(const QStringList& args);
int runNew(const QStringList& args);
int runDump(const QStringList& args);
int runSave(const QStringList& args);
int runImport(const QStringList& args);
int runExport(const QStringList& args);
int runCdExport(const QStringList& args);
int runCheck(const QStringList& args);

std::span<const Command> allCommands() {
    static const Command kCommands[] = {
        {"version", "print the program version",
         [](const QStringList& args) {
             if (wantsHelp(args)) {
                 printOut(
                     QStringLiteral("usage: pictavo-cli version (or pictavo-cli --version)\n"
                                    "\nPrints the program version."));
                 return int(kSuccess);
             }
             printOut(QStringLiteral("pictavo-cli 0.1.0"));
             return int(kSuccess);
         }},
        {"new", "write a new, empty album", runNew},
        {"dump", "print an album as JSON", runDump},
        {"save", "read an album and write it again", runSave},
        {"import", "import files and folders into an album", runImport},
        {"export", "export an album as a web site", runExport},
        {"cd-export", "export an album as a CD photo album", runCdExport},
        {"check", "list the broken links of a written site", runCheck},
        {"convert", "convert image files into another format", runConvert},
    };
    return kCommands;
}

}  // namespace pictavo::cli
