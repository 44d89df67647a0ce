// Texts of files written in a Windows code page, and the capacity rule for
// texts that grow when they become UTF-8.

#include "AlbumFileTestSupport.h"
#include "album/file/AlbumFile.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using test::textAlbum;

QString captionOf(const QByteArray& file) {
    Album album;
    EXPECT_TRUE(parseAlbum(album, file).ok());
    return album.tree.root() ? album.tree.root()->caption : QString();
}

TEST(AlbumFileEncoding, InvalidUtf8WithoutCharsetIsWindows1252) {
    // 0x81 is undefined in Windows-1252: kept as U+0081 rather than dropped.
    const QByteArray file = textAlbum({"object=folder", "caption=Caf\xE9 \x80 \x93q\x94 \x81"});
    EXPECT_EQ(captionOf(file), QStringLiteral("Caf\u00e9 \u20ac \u201cq\u201d \u0081"));
}

TEST(AlbumFileEncoding, CharsetNamedByLanSaveDecodesTheFile) {
    // "Привет" and "Мир" in windows-1251.
    const QByteArray file =
        textAlbum({"object=websiteproperty", "gen.title=\xCC\xE8\xF0", "lan.save= windows-1251 ",
                   "object=folder", "caption=\xCF\xF0\xE8\xE2\xE5\xF2"});
    Album album;
    ASSERT_TRUE(parseAlbum(album, file).ok());
    EXPECT_EQ(album.tree.root()->caption, QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442"));
    EXPECT_EQ(album.website.general.title.get(), QStringLiteral("\u041c\u0438\u0440"));
    EXPECT_EQ(album.website.language.save.get(), "windows-1251");
}

TEST(AlbumFileEncoding, UnusableCharsetNamesFallBackToWindows1252) {
    for (const char* name : {"no-such-charset", "UTF-16LE", "windows-1251//IGNORE", "utf-8"}) {
        SCOPED_TRACE(name);
        const QByteArray file =
            textAlbum({"object=websiteproperty", ("lan.save=" + std::string(name)).c_str(),
                       "object=folder", "caption=\xE9t\xE9"});
        EXPECT_EQ(captionOf(file), QStringLiteral("\u00e9t\u00e9"));
    }
}

TEST(AlbumFileEncoding, ValidUtf8IsReadAsUtf8WhateverLanSaveSays) {
    const QByteArray file = textAlbum({"object=websiteproperty", "lan.save=windows-1251",
                                       "object=folder", "caption=\xC3\xA9t\xC3\xA9"});
    EXPECT_EQ(captionOf(file), QStringLiteral("\u00e9t\u00e9"));
}

TEST(AlbumFileEncoding, FixedFieldsKeepWholeCharactersWithinCapacity) {
    // 200 Cyrillic letters: 200 bytes in windows-1251, 400 in UTF-8; the
    // 255-byte title keeps 127 letters (254 bytes).
    const QByteArray file = textAlbum({"object=websiteproperty", "lan.save=cp1251",
                                       ("gen.title=" + std::string(200, '\xE4')).c_str()});
    Album album;
    ASSERT_TRUE(parseAlbum(album, file).ok());
    EXPECT_EQ(album.website.general.title.get(), QString(127, QChar(0x0434)));
}

}  // namespace
}  // namespace pictavo
