#pragma once
// Start-up: the texts of the user's language.

namespace pictavo {

// Reads the language module of the user's language (LanguageModule.h) and
// makes the built-in table with its translations the current string table.
// Without a module, or when nothing in it can be used, the built-in English
// texts stay. Call once on the GUI thread before any text is shown.
void installUserLanguage();

}  // namespace pictavo
