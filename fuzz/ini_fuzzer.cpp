// Fuzz target of the settings file parser: any bytes parse, and what is
// written from them reads back to the same document (writing it again gives
// the same bytes).
#include "shell/settings/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using pictavo::IniDocument;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniDocument doc = IniDocument::parse(input);
    (void)doc.value(QStringLiteral("EnvSetting"), QStringLiteral("ThumbnailMaxSizeX"));
    (void)doc.setValue(QStringLiteral("RecentFileList"), QStringLiteral("RecentFile1"),
                       QString::fromUtf8(input.left(64)));
    const QByteArray first = doc.serialize();
    if (IniDocument::parse(first).serialize() != first) {
        std::fprintf(stderr, "a written settings file does not read back the same\n");
        std::abort();
    }
    return 0;
}
