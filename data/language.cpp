#include "data/language.h"

#include <atomic>
#include <cstdlib>

namespace kl {

namespace {

// Atomic: a reader off the GUI thread (a text file read there) is safe.
std::atomic<Language> currentLanguage{Language::Russian};
std::optional<Language> overridden;
std::function<void()>& changeHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

Language textLanguage() { return currentLanguage.load(std::memory_order_relaxed); }

void setTextLanguage(Language language) {
    const Language before = currentLanguage.exchange(language, std::memory_order_relaxed);
    if (before != language && changeHandler()) changeHandler()();
}

void setLanguageChangeHandler(std::function<void()> handler) { changeHandler() = std::move(handler); }

void setLanguageOverride(std::optional<Language> language) { overridden = language; }

std::optional<Language> languageOverride() { return overridden; }

Language languageOfLocale(std::string_view locale) {
    // The language part ends at the territory, the code set or the modifier.
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    return language == "ru" ? Language::Russian : Language::English;
}

Language systemLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return languageOfLocale(value);
    }
    return Language::English;
}

std::string_view languageCode(Language language) { return language == Language::Russian ? "ru" : "en"; }

std::optional<Language> languageFromCode(std::string_view code) {
    if (code == "ru") return Language::Russian;
    if (code == "en") return Language::English;
    return std::nullopt;
}

std::string_view languageFolder(Language language) { return language == Language::Russian ? "" : "en/"; }

}  // namespace kl
