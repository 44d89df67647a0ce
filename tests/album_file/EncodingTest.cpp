// Texts of files written in a Windows code page, and the capacity rule for
// texts that grow when they become UTF-8.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

// The title comes before lan.save and the caption after it: the whole file
// is decoded as one.
TEST(AlbumFileEncoding, ValidUtf8OrTheCharsetLanSaveNamesOrWindows1252) {
    const struct {
        const char* lanSave;  // nullptr: no lan.save line
        QByteArray text;
        QString expected;
    } cases[] = {
        // 0x81 is undefined in Windows-1252: kept as U+0081 rather than dropped.
        {nullptr, "Caf\xE9 \x80 \x93q\x94 \x81",
         QStringLiteral("Caf\u00e9 \u20ac \u201cq\u201d \u0081")},
        {" windows-1251 ", "\xCF\xF0\xE8\xE2\xE5\xF2",
         QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442")},
        {"windows-1251", "\xC3\xA9t\xC3\xA9", QStringLiteral("\u00e9t\u00e9")},
        {"no-such-charset", "\xE9t\xE9", QStringLiteral("\u00e9t\u00e9")},
        {"UTF-16LE", "\xE9t\xE9", QStringLiteral("\u00e9t\u00e9")},
        {"windows-1251//IGNORE", "\xE9t\xE9", QStringLiteral("\u00e9t\u00e9")},
        {"utf-8", "\xE9t\xE9", QStringLiteral("\u00e9t\u00e9")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lanSave ? c.lanSave : "none");
        const QByteArray lanSave = c.lanSave ? "lan.save=" + QByteArray(c.lanSave) + "\r\n" : "";
        Album album;
        ASSERT_TRUE(parseAlbum(album, "version=3\r\nobject=websiteproperty\r\ngen.title=" + c.text +
                                          "\r\n" + lanSave + "object=folder\r\ncaption=" + c.text +
                                          "\r\n")
                        .ok());
        EXPECT_EQ(album.website.general.title.get(), c.expected);
        EXPECT_EQ(album.tree.root()->caption, c.expected);
    }
}

TEST(AlbumFileEncoding, FixedFieldsKeepWholeCharactersWithinCapacity) {
    // 200 Cyrillic letters: 200 bytes in windows-1251, 400 in UTF-8; the
    // 255-byte title keeps 127 letters (254 bytes).
    const QByteArray file = test::textAlbum({"object=websiteproperty", "lan.save=cp1251",
                                             ("gen.title=" + std::string(200, '\xE4')).c_str()});
    Album album;
    ASSERT_TRUE(parseAlbum(album, file).ok());
    EXPECT_EQ(album.website.general.title.get(), QString(127, QChar(0x0434)));
}

}  // namespace
}  // namespace pictavo
