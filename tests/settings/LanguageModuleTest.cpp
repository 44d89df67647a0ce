#include "shell/settings/LanguageModule.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/settings/LanguageLoading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace pictavo {
namespace {

// One row per way of finding the module; the plain language_TERRITORY rows
// differ only in the table entry they reach.
TEST(LanguageModule, LocaleNameGivesLanguageIdAndModuleFileOrNone) {
    const struct {
        const char* locale;
        quint16 languageId;
        const char* moduleFile;
    } cases[] = {
        {"en_GB", 0x0809, "0809.lan"},
        {"zh_CN", 0x0804, "0804.lan"},
        // Taiwan, Singapore and Macao share Hong Kong's module.
        {"zh_TW", 0x0404, "0c04.lan"},
        {"zh_HK", 0x0c04, "0c04.lan"},
        {"zh_SG", 0x1004, "0c04.lan"},
        {"zh_MO", 0x1404, "0c04.lan"},
        // Encoding and modifier suffixes and "-" separators.
        {"de_DE.UTF-8", 0x0407, "0407.lan"},
        {"fr-CA", 0x0c0c, "0c0c.lan"},
        {"ca_ES@valencia", 0x0403, "0403.lan"},
        // An unlisted territory falls back to the language.
        {"de_BE", 0x0407, "0407.lan"},
    };
    for (const auto& c : cases) {
        const quint16 id = languageIdForLocaleName(QString::fromLatin1(c.locale));
        EXPECT_EQ(id, c.languageId) << c.locale;
        EXPECT_EQ(languageModuleFileName(id), QLatin1String(c.moduleFile)) << c.locale;
    }
    for (const char* unknown : {"C", "xx_YY", ""})
        EXPECT_EQ(languageIdForLocaleName(QLatin1String(unknown)), 0) << unknown;
    EXPECT_TRUE(languageModulePath(0).isEmpty());
}

// The four variables that choose the language of messages and the data
// folder, cleared for each test and restored after it; the current string
// table is the built-in one again after each test.
class UserLanguage : public testing::Test {
protected:
    static constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG",
                                                 "PICTAVO_DATA_DIR"};
    void SetUp() override {
        for (const char* name : kVariables) {
            saved_.emplace_back(name, qEnvironmentVariableIsSet(name)
                                          ? std::optional<QByteArray>(qgetenv(name))
                                          : std::nullopt);
            qunsetenv(name);
        }
    }
    void TearDown() override {
        StringTable::setCurrent(StringTable::builtIn());
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name, *value);
            else
                qunsetenv(name);
        }
    }

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

TEST_F(UserLanguage, LanguageListComesFirstAndOnlyItsFirstEntryCounts) {
    qputenv("LANG", "de_DE.UTF-8");
    qputenv("LC_ALL", "fr_FR.UTF-8");
    qputenv("LANGUAGE", "zh_CN:ja_JP");
    EXPECT_EQ(userLanguageId(), 0x0804);
    // An empty first entry is skipped; a bare language takes its main LANGID.
    qputenv("LANGUAGE", ":ja:de");
    EXPECT_EQ(userLanguageId(), 0x0411);
    // An empty LANGUAGE is the same as none.
    qputenv("LANGUAGE", "");
    EXPECT_EQ(userLanguageId(), 0x040c);
}

TEST_F(UserLanguage, LocaleVariablesInPosixPrecedence) {
    qputenv("LANG", "de_AT.UTF-8");
    EXPECT_EQ(userLanguageId(), 0x0c07);
    qputenv("LC_MESSAGES", "zh_TW.UTF-8");
    EXPECT_EQ(userLanguageId(), 0x0404);
    EXPECT_EQ(languageModuleFileName(userLanguageId()), QStringLiteral("0c04.lan"));
    qputenv("LC_ALL", "pt_BR");
    EXPECT_EQ(userLanguageId(), 0x0416);
    // "C" in a stronger variable means the built-in texts, whatever LANG says.
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_EQ(userLanguageId(), 0);
    EXPECT_TRUE(languageModulePath(userLanguageId()).isEmpty());
}

TEST_F(UserLanguage, StartUpInstallsTheModuleOfTheUsersLanguage) {
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("lang")));
    QFile module(data.filePath(QStringLiteral("lang/0c04.lan")));
    ASSERT_TRUE(module.open(QIODevice::WriteOnly));
    module.write("391 = 確定\n1002 = no placeholder\n");
    module.close();
    qputenv("PICTAVO_DATA_DIR", data.path().toLocal8Bit());
    // Taiwan's texts come from Hong Kong's module; the refused line keeps
    // its English text.
    qputenv("LANG", "zh_TW.UTF-8");
    installUserLanguage();
    EXPECT_EQ(uiText(sid::Ok), QStringLiteral(u"確定"));
    EXPECT_EQ(uiText(sid::SaveChangesTo), QStringLiteral("Save changes to %1?"));
    EXPECT_EQ(uiText(sid::Cancel), StringTable::builtIn().text(sid::Cancel));
    // A language without a module, and "C", leave the built-in texts.
    StringTable::setCurrent(StringTable::builtIn());
    for (const char* locale : {"de_DE.UTF-8", "C"}) {
        qputenv("LANG", locale);
        installUserLanguage();
        EXPECT_EQ(uiText(sid::Ok), QStringLiteral("OK")) << locale;
    }
}

}  // namespace
}  // namespace pictavo
