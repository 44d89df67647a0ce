#include "resources/LanguageFile.h"
#include "resources/StringIds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using Fault = LanguageLineFault;

// (line, fault) of each refused line, for comparing whole reports.
std::vector<std::pair<int, Fault>> refusals(const LanguageReport& report) {
    std::vector<std::pair<int, Fault>> result;
    for (const RefusedLanguageLine& r : report.refused)
        result.emplace_back(r.line, r.fault);
    return result;
}

QString english(int id) {
    return StringTable::builtIn().text(id);
}

TEST(LanguageFile, ReadsTextsWithBomCrLfCommentsAndEscapes) {
    StringTable table = StringTable::builtIn();
    const LanguageReport report = applyLanguageText(
        "\xEF\xBB\xBF# Deutsch\r\n"
        "\r\n"
        "   # indented comment\r\n"
        "414 =  &Neu\\tStrg+N  \r\n"
        "1014=Kann %1 nicht \xC3\xB6"
        "ffnen.\\n%2\r\n"
        "  391\t=\tC:\\\\Pfad\\q\n"  // LF line among CR LF ones
        "1001 = # kein Kommentar",   // no line end on the last line
        table);
    EXPECT_EQ(report.status, LanguageFileStatus::Read);
    EXPECT_EQ(report.applied, 4);
    EXPECT_TRUE(report.refused.isEmpty());
    EXPECT_EQ(table.text(sid::MenuNew), QStringLiteral("&Neu\tStrg+N"));
    EXPECT_EQ(table.text(sid::OpenFailed), QStringLiteral(u"Kann %1 nicht öffnen.\n%2"));
    EXPECT_EQ(table.text(sid::Ok), QStringLiteral("C:\\Pfad\\q"));
    EXPECT_EQ(table.text(sid::Untitled), QStringLiteral("# kein Kommentar"));
    EXPECT_EQ(table.text(sid::MenuOpen), english(sid::MenuOpen));
}

TEST(LanguageFile, RefusesBadLinesAndKeepsTheirTexts) {
    StringTable table = StringTable::builtIn();
    const QByteArray longLine = "392 = " + QByteArray(kMaxLanguageLineLength, 'x');
    const LanguageReport report = applyLanguageText(
        "no equals sign\n"     // 1
        "= Ohne Nummer\n"      // 2
        "abc = Buchstaben\n"   // 3
        "-391 = Negativ\n"     // 4
        "99999 = Unbekannt\n"  // 5
        "391 = Gut\n"          // 6
        "391 = Zweimal\n"      // 7
        "1001 =   \n"          // 8
        "1008 = Bereit\xFF\n"  // 9: not UTF-8
        "1009 = a\x01"
        "b\n"                    // 10: raw control character
        "1008 = Mitten\rdrin\n"  // 11: a lone CR
            + longLine +
            "\n"                        // 12
            "1234567890123 = riesig\n"  // 13
            "1022 = Abgebrochen.\n",    // 14
        table);
    const std::vector<std::pair<int, Fault>> expected = {
        {1, Fault::Malformed}, {2, Fault::Malformed}, {3, Fault::Malformed},
        {4, Fault::Malformed}, {5, Fault::UnknownId}, {7, Fault::DuplicateId},
        {8, Fault::EmptyText}, {9, Fault::NotUtf8},   {10, Fault::NotUtf8},
        {11, Fault::NotUtf8},  {12, Fault::TooLong},  {13, Fault::Malformed},
    };
    EXPECT_EQ(refusals(report), expected);
    EXPECT_EQ(report.refused.at(4).id, 99999);
    EXPECT_EQ(report.applied, 2);
    EXPECT_EQ(table.text(sid::Ok), QStringLiteral("Gut"));
    EXPECT_EQ(table.text(sid::WorkCancelled), QStringLiteral("Abgebrochen."));
    for (int id : {sid::Cancel, sid::Untitled, sid::StatusReady, sid::ModifiedMark})
        EXPECT_EQ(table.text(id), english(id)) << id;
    EXPECT_FALSE(table.contains(99999));
}

TEST(LanguageFile, TranslationMustKeepTheEnglishPlaceholders) {
    // SaveChangesTo is "Save changes to %1?", WorkInProgress "%1 of %2: %3".
    StringTable table = StringTable::builtIn();
    const LanguageReport report = applyLanguageText(
        "1002 = Änderungen speichern?\n"    // %1 missing
        "1002 = Änderungen an %1 in %2?\n"  // %2 added
        "1002 = %1 ändern: %1?\n"           // %1 doubled
        "1002 = %L1 speichern?\n"           // the localized form is the same %1
        "1023 = %3 (%1/%2)\n"               // another order is fine
        "1008 = 100% fertig, %%, %x\n"      // a '%' without digits is no placeholder
        "1001 = Datei %1\n"                 // a text without placeholders gets one
        "1003 = Datei %0\n",                // arg would fill %0 too
        table);
    const std::vector<std::pair<int, Fault>> expected = {
        {1, Fault::PlaceholderMismatch}, {2, Fault::PlaceholderMismatch},
        {3, Fault::PlaceholderMismatch}, {7, Fault::PlaceholderMismatch},
        {8, Fault::PlaceholderMismatch},
    };
    EXPECT_EQ(refusals(report), expected);
    EXPECT_EQ(table.text(sid::SaveChangesTo), QStringLiteral(u"%L1 speichern?"));
    EXPECT_EQ(table.text(sid::WorkInProgress), QStringLiteral("%3 (%1/%2)"));
    EXPECT_EQ(table.text(sid::StatusReady), QStringLiteral("100% fertig, %%, %x"));
    EXPECT_EQ(table.text(sid::Untitled), english(sid::Untitled));
    EXPECT_EQ(table.text(sid::SaveChangesToDocument), english(sid::SaveChangesToDocument));
}

TEST(LanguageFile, PlaceholdersAreCountedAsArgReadsThem) {
    EXPECT_EQ(textPlaceholders(QStringLiteral("%2 %10 %1 %1%9")), (QList<int>{1, 1, 2, 9, 10}));
    // Two digits at most: "%123" is %12 followed by "3".
    EXPECT_EQ(textPlaceholders(QStringLiteral("%123 %L5 %Lx 50%")), (QList<int>{5, 12}));
    EXPECT_TRUE(textPlaceholders(QStringLiteral("% %% 5%")).isEmpty());
    // Digits outside ASCII, which arg still reads, match no English placeholder.
    constexpr int kForeign = kForeignDigitPlaceholder;
    EXPECT_EQ(textPlaceholders(QStringLiteral(u"%١ %１ %1١ %²")),
              (QList<int>{kForeign, kForeign, kForeign, kForeign}));
    StringTable table = StringTable::builtIn();
    const LanguageReport report = applyLanguageText("1002 = 保存 %１？\n", table);
    EXPECT_EQ(refusals(report),
              (std::vector<std::pair<int, Fault>>{{1, Fault::PlaceholderMismatch}}));
}

TEST(LanguageFile, FileThatCannotBeUsedLeavesTheTable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    StringTable table = StringTable::builtIn();
    EXPECT_EQ(applyLanguageFile(dir.filePath("0407.lan"), table).status,
              LanguageFileStatus::Unreadable);
    EXPECT_EQ(applyLanguageFile(dir.path(), table).status, LanguageFileStatus::Unreadable);
    const auto write = [&](const QByteArray& content) {
        QFile file(dir.filePath("0407.lan"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    const LanguageReport tooLarge =
        applyLanguageFile(write("391 = Gut\n" + QByteArray(kMaxLanguageFileSize, '#')), table);
    EXPECT_EQ(tooLarge.status, LanguageFileStatus::TooLarge);
    EXPECT_EQ(tooLarge.applied, 0);
    EXPECT_EQ(table.text(sid::Ok), english(sid::Ok));
    EXPECT_EQ(applyLanguageFile(write("391 = Gut\n"), table).applied, 1);
    EXPECT_EQ(table.text(sid::Ok), QStringLiteral("Gut"));
}

// The shipped Simplified Chinese module translates every text the program
// has, and each translation is usable in place of the English.
TEST(ShippedLanguageModule, ChineseTranslatesEveryText) {
    // Every text starts empty, which no applied line can leave, so a text
    // still empty afterwards has no translation.
    StringTable table = StringTable::builtIn();
    const QList<int> ids = table.ids();
    for (int id : ids)
        table.setText(id, QString());
    const LanguageReport report =
        applyLanguageFile(QStringLiteral(PICTAVO_SOURCE_DIR "/dist/lang/0804.lan"), table);
    ASSERT_EQ(report.status, LanguageFileStatus::Read);
    for (const RefusedLanguageLine& r : report.refused)
        ADD_FAILURE() << "line " << r.line << " refused (id " << r.id << ")";
    for (int id : ids) {
        const QString en = english(id);
        const QString zh = table.text(id);
        EXPECT_FALSE(zh.isEmpty()) << "no translation of " << id << ": " << en.toStdString();
        // Menu texts keep an accelerator and the key after the tab.
        EXPECT_TRUE(!en.contains(QLatin1Char('&')) || zh.contains(QLatin1Char('&'))) << id;
        EXPECT_EQ(zh.section(QLatin1Char('\t'), 1), en.section(QLatin1Char('\t'), 1)) << id;
    }
}

}  // namespace
}  // namespace pictavo
