// The languages the program's texts ship in, which one the texts are read in
// now, and the one the system asks for.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace kl {

// Russian texts stand beside the program; English ones in its folder "en".
enum class Language { Russian, English };

// The language the texts are read in now; Russian until it is set.
Language textLanguage();
// Sets it; when that is a change, the change handler runs (on the caller's thread).
void setTextLanguage(Language language);
// What is to be done when the language changes: the windows show their texts
// anew. Replaces the one before; an empty one does nothing.
void setLanguageChangeHandler(std::function<void()> handler);

// The language a locale name asks for: Russian for "ru" ("ru", "ru_RU.UTF-8",
// "ru@..."), English for any other name, the empty one and "C" included.
Language languageOfLocale(std::string_view locale);
// The system's language: the locale named by the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty, as languageOfLocale reads it.
Language systemLanguage();

// A language that stands above the settings' choice while it is set: the one
// named on kestralune-cli's command line. None by default.
void setLanguageOverride(std::optional<Language> language);
std::optional<Language> languageOverride();

// The short codes the settings file and the command line use: "ru", "en".
std::string_view languageCode(Language language);
// The language of a code ("ru", "en"); nullopt for any other text.
std::optional<Language> languageFromCode(std::string_view code);

// The folder below the program directory that holds a language's own text
// files, with its separator ("en/"); empty for Russian.
std::string_view languageFolder(Language language);

}  // namespace kl
