// Page files in the album's charset, with references for what it cannot carry.
#include "generator/export/PageEncoding.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

const QString kZurich = QString::fromUtf8("Zürich");
const QString kHouse = QString::fromUtf8("Дом");
const QString kTokyo = QString::fromUtf8("東京");

TEST(PageEncoding, Utf8CarriesEverything) {
    const QString text = kZurich + kHouse + kTokyo;
    EXPECT_EQ(encodeForCharset(text, QStringLiteral("UTF-8")), text.toUtf8());
    EXPECT_EQ(encodeForCharset(text, QStringLiteral(" utf8 ")), text.toUtf8());
}

TEST(PageEncoding, LatinOneWritesCyrillicAsReferences) {
    EXPECT_EQ(encodeForCharset(kZurich + kHouse, QStringLiteral("iso-8859-1")),
              QByteArray("Z\xFCrich&#1044;&#1086;&#1084;"));
    // Browsers read iso-8859-1 as windows-1252, so the euro sign is one byte.
    EXPECT_EQ(encodeForCharset(QString::fromUtf8("€"), QStringLiteral("ISO-8859-1")),
              QByteArray("\x80"));
}

TEST(PageEncoding, CyrillicCharsets) {
    EXPECT_EQ(encodeForCharset(kHouse, QStringLiteral("windows-1251")), QByteArray("\xC4\xEE\xEC"));
    EXPECT_EQ(encodeForCharset(kHouse + kTokyo, QStringLiteral("koi8-r")),
              QByteArray("\xE4\xCF\xCD&#26481;&#20140;"));
}

TEST(PageEncoding, JapaneseAndChineseCharsets) {
    EXPECT_EQ(encodeForCharset(kTokyo, QStringLiteral("shift_jis")),
              QByteArray("\x93\x8C\x8B\x9E"));
    EXPECT_EQ(encodeForCharset(kTokyo, QStringLiteral("EUC-JP")), QByteArray("\xC5\xEC\xB5\xFE"));
    // Browsers read gb2312 as GBK, which has the traditional 東 (and ü).
    EXPECT_EQ(encodeForCharset(kTokyo + QString::fromUtf8("üש"), QStringLiteral("gb2312")),
              QByteArray("\x96\x7C\xBE\xA9\xA8\xB9&#1513;"));
    // A stateful encoding returns to ASCII before a reference.
    const QByteArray jis = encodeForCharset(kTokyo + kZurich, QStringLiteral("iso-2022-jp"));
    EXPECT_TRUE(jis.endsWith("\x1B(BZ&#252;rich")) << jis.toHex().constData();
}

TEST(PageEncoding, EmptyOrUnknownCharsetGivesAsciiWithReferences) {
    const QString text = kZurich + QStringLiteral(" ") + kTokyo + QString::fromUtf8("😀");
    const QByteArray expected("Z&#252;rich &#26481;&#20140;&#128512;");
    EXPECT_EQ(encodeForCharset(text, QString()), expected);
    EXPECT_EQ(encodeForCharset(text, QStringLiteral("no-such-charset")), expected);
    // Known to iconv but not to browsers: still safe.
    EXPECT_EQ(encodeForCharset(text, QStringLiteral("CP437")), expected);
    EXPECT_TRUE(browserEncodingFor(QStringLiteral("utf-16")).isEmpty());
}

TEST(PageEncoding, PageFileBytesUseCrLf) {
    EXPECT_EQ(pageFileBytes(QStringLiteral("<HTML>\n") + kZurich + QStringLiteral("\n"),
                            QStringLiteral("windows-1252")),
              QByteArray("<HTML>\r\nZ\xFCrich\r\n"));
}

}  // namespace
}  // namespace pictavo
