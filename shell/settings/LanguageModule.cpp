#include "shell/settings/LanguageModule.h"

#include "core/DataFolder.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QStringView>

namespace pictavo {

namespace {

struct LocaleLanguage {
    const char* name;  // language_TERRITORY
    quint16 id;
};

// Locales and their LANGIDs. The first entry of each language is its main
// one, used for territories the table does not list.
constexpr LocaleLanguage kLanguages[] = {
    {"en_US", 0x0409}, {"en_GB", 0x0809}, {"en_AU", 0x0c09}, {"en_CA", 0x1009}, {"en_NZ", 0x1409},
    {"en_IE", 0x1809}, {"en_ZA", 0x1c09}, {"en_IN", 0x4009}, {"de_DE", 0x0407}, {"de_CH", 0x0807},
    {"de_AT", 0x0c07}, {"de_LU", 0x1007}, {"de_LI", 0x1407}, {"fr_FR", 0x040c}, {"fr_BE", 0x080c},
    {"fr_CA", 0x0c0c}, {"fr_CH", 0x100c}, {"fr_LU", 0x140c}, {"es_ES", 0x0c0a}, {"es_MX", 0x080a},
    {"es_AR", 0x2c0a}, {"es_CO", 0x240a}, {"es_CL", 0x340a}, {"es_US", 0x540a}, {"it_IT", 0x0410},
    {"it_CH", 0x0810}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"nl_NL", 0x0413}, {"nl_BE", 0x0813},
    {"sv_SE", 0x041d}, {"sv_FI", 0x081d}, {"da_DK", 0x0406}, {"nb_NO", 0x0414}, {"nn_NO", 0x0814},
    {"fi_FI", 0x040b}, {"is_IS", 0x040f}, {"pl_PL", 0x0415}, {"cs_CZ", 0x0405}, {"sk_SK", 0x041b},
    {"hu_HU", 0x040e}, {"ro_RO", 0x0418}, {"bg_BG", 0x0402}, {"hr_HR", 0x041a}, {"sl_SI", 0x0424},
    {"sr_RS", 0x281a}, {"ru_RU", 0x0419}, {"uk_UA", 0x0422}, {"be_BY", 0x0423}, {"et_EE", 0x0425},
    {"lv_LV", 0x0426}, {"lt_LT", 0x0427}, {"el_GR", 0x0408}, {"tr_TR", 0x041f}, {"he_IL", 0x040d},
    {"ar_SA", 0x0401}, {"ar_EG", 0x0c01}, {"fa_IR", 0x0429}, {"hi_IN", 0x0439}, {"th_TH", 0x041e},
    {"vi_VN", 0x042a}, {"id_ID", 0x0421}, {"ms_MY", 0x043e}, {"ca_ES", 0x0403}, {"eu_ES", 0x042d},
    {"gl_ES", 0x0456}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412}, {"zh_CN", 0x0804}, {"zh_TW", 0x0404},
    {"zh_HK", 0x0c04}, {"zh_SG", 0x1004}, {"zh_MO", 0x1404},
};

// "fr-FR.UTF-8@euro" -> "fr_FR".
QString normalisedName(const QString& name) {
    QString result = name;
    const qsizetype cut = result.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        result.truncate(cut);
    result.replace(QLatin1Char('-'), QLatin1Char('_'));
    return result;
}

QStringView languagePart(QStringView name) {
    const qsizetype sep = name.indexOf(QLatin1Char('_'));
    return sep < 0 ? name : name.left(sep);
}

}  // namespace

quint16 languageIdForLocaleName(const QString& name) {
    const QString wanted = normalisedName(name);
    for (const LocaleLanguage& entry : kLanguages) {
        if (wanted == QLatin1String(entry.name))
            return entry.id;
    }
    const QStringView language = languagePart(wanted);
    if (language.isEmpty())
        return 0;
    for (const LocaleLanguage& entry : kLanguages) {
        const QString entryName = QLatin1String(entry.name);
        if (languagePart(entryName) == language)
            return entry.id;
    }
    return 0;
}

QString userMessagesLocaleName() {
    // The first entry of LANGUAGE, gettext's list of preferred languages;
    // QLocale::system() does not read it.
    const QStringList preferred =
        qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (!preferred.isEmpty())
        return preferred.first();
    // The locale of messages, in POSIX order of precedence.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QLocale::system().name();
}

quint16 userLanguageId() {
    return languageIdForLocaleName(userMessagesLocaleName());
}

quint16 moduleLanguageId(quint16 languageId) {
    switch (languageId) {
        case 1028:        // 0x0404 Chinese, Taiwan
        case 4100:        // 0x1004 Chinese, Singapore
        case 5124:        // 0x1404 Chinese, Macao
            return 3076;  // 0x0c04 Chinese, Hong Kong
        default:
            return languageId;
    }
}

QString languageModuleFileName(quint16 languageId) {
    return QStringLiteral("%1.lan").arg(moduleLanguageId(languageId), 4, 16, QLatin1Char('0'));
}

QString languageModulePath(quint16 languageId) {
    if (languageId == 0)
        return {};
    return dataFolder() + QStringLiteral("/lang/") + languageModuleFileName(languageId);
}

}  // namespace pictavo
