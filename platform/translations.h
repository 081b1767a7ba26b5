// Qt's own texts (the buttons of message boxes, the file, print, font and
// colour dialogs) in the program's language, from the translations Debian
// ships with Qt (package qt6-translations-l10n).
#pragma once

#include <string>
#include <string_view>

namespace kl::platform {

// Puts Qt's translation into `languageCode` ("ru", "en") in force for the
// application, in place of the one before; dialogs made from now on speak
// it, and every window is sent a language change. False when Qt has no
// translation for it where it keeps them (Qt's English texts stay then).
bool useQtTranslations(std::string_view languageCode);

// Where Qt keeps its translations.
std::string qtTranslationsDirectory();

}  // namespace kl::platform
