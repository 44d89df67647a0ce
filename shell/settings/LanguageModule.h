#pragma once
// The user-interface language: the Windows language identifier (LANGID) of
// the user's locale and the language module file named after it,
// <data folder>/lang/<%04x>.lan. Pure functions; the GUI loads the module.

#include <QString>

namespace pictavo {

// The LANGID of a locale name such as "de_DE", "zh-TW" or "fr_FR.UTF-8@euro";
// a name whose territory is not known takes its language's main LANGID
// ("de_BE" gives 0x0407); 0 when the language is not known either.
quint16 languageIdForLocaleName(const QString& name);
// The locale name the user wants messages in: the first entry of the
// colon-separated LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty, else QLocale::system()'s name. A "C" or "POSIX"
// found on the way is the answer (it has no LANGID: the built-in texts).
QString userMessagesLocaleName();
// The LANGID of userMessagesLocaleName().
quint16 userLanguageId();

// The identifier whose module a language uses: Chinese of Taiwan (0x0404),
// Singapore (0x1004) and Macao (0x1404) share the module of Hong Kong
// (0x0c04); every other identifier is its own.
quint16 moduleLanguageId(quint16 languageId);

// "%04x.lan" of moduleLanguageId(languageId), e.g. "0c04.lan".
QString languageModuleFileName(quint16 languageId);
// <data folder>/lang/ + languageModuleFileName; empty for language 0, which
// means the built-in texts.
QString languageModulePath(quint16 languageId);

}  // namespace pictavo
