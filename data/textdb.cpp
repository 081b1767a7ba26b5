#include "data/textdb.h"

#include <stdexcept>

#include "core/kin.h"
#include "data/errorlog.h"
#include "data/language.h"
#include "layout/baselines.h"
#include "platform/codec.h"
#include "platform/filecache.h"
#include "platform/files.h"

namespace kl {

std::string textFilePath(std::string_view bareName) {
    const std::string_view folder = languageFolder(textLanguage());
    if (!folder.empty()) {
        std::string own(folder);
        own += bareName;
        if (platform::nameInUse(own)) return own;
    }
    return std::string(bareName);
}

bool textFileExists(std::string_view bareName) { return platform::fileExists(textFilePath(bareName)); }

bool textFileNameInUse(std::string_view bareName) { return platform::nameInUse(textFilePath(bareName)); }

std::shared_ptr<const TextFile> readTextFile(const std::string& fileName) {
    static platform::FileCache<TextFile> cache;
    return cache.get(textFilePath(fileName), [](const platform::FileStamp& stamp) -> std::shared_ptr<const TextFile> {
        auto file = std::make_shared<TextFile>();
        if (!platform::readFileBytes(stamp.path, file->bytes)) return nullptr;
        std::string_view rest(file->bytes);
        while (!rest.empty()) file->lines.push_back(platform::nextLine(rest));
        return file;
    });
}

void readtext(int n, const std::string& fileName, std::string& out) {
    if (n < 0) {
        out.clear();
        return;
    }
    try {
        const std::shared_ptr<const TextFile> file = readTextFile(fileName);
        if (!file) throw std::runtime_error("cannot read");
        out = static_cast<std::size_t>(n) < file->lines.size() ? platform::fromCp1251(file->lines[n]) : std::string();
    } catch (...) {
        reportFailure(101, "readtext in kestral",
                      {"filename:" + fileName, "line:" + std::to_string(n)});
    }
}

std::string L(int n) {
    std::string s;
    readtext(n, "BASE.DRS", s);
    return s;
}

std::string baseLineOr(int n, std::string_view fallback) {
    std::shared_ptr<const TextFile> file;
    try {
        file = readTextFile("BASE.DRS");
    } catch (...) {
    }
    if (!file || n < 0 || static_cast<std::size_t>(n) >= file->lines.size() || file->lines[static_cast<std::size_t>(n)].empty())
        return std::string(fallback);
    return platform::fromCp1251(file->lines[static_cast<std::size_t>(n)]);
}

BaseLines::BaseLines() {
    try {
        file_ = readTextFile("BASE.DRS");
    } catch (...) {
        // L reports it, line by line.
    }
}

std::string BaseLines::operator()(int n) const {
    if (!file_) return L(n);
    if (n < 0 || static_cast<std::size_t>(n) >= file_->lines.size()) return {};
    return platform::fromCp1251(file_->lines[static_cast<std::size_t>(n)]);
}

std::string moonName(int month) {
    namespace base = layout::base;
    return L(base::kMoonName + month) + L(base::kMoonTotemInName + month) + L(base::kMoonWord);
}

std::array<std::string, 6> loadaffirmation(const CalendarDay& day) {
    std::array<std::string, 6> lines;
    try {
        using namespace layout::base::affirmation;
        const BaseLines line;
        const KinRelations r = computeKinRelations(day);
        const int tone = day.tone, sign = day.sign;
        lines[0] = line(kRow1Start) + line(kRow1Power + tone) + line(kRow1Glue) + line(kRow1Purpose) + line(kRow1Action + sign) +
                   line(kRow1End);
        const int essence = tone == 5 ? kRow2EssenceTone5 : tone == 13 ? kRow2EssenceTone13 : kRow2Essence;
        lines[1] = line(kRow2Action + tone) + " " + line(essence + sign) + ".";
        lines[2] = line(kRow3Start) + line(kRow3Group + r.group) + " " + line(kRow3Power + sign);
        lines[3] = line(kRow4Start) + line(kRow4Tone + tone) + " " + line(kRow4Middle) + line(kRow4Essence + tone) + ".";
        lines[4] = r.guide == sign ? line(kRow5OwnPower) : line(kRow5Guided) + line(kRow5GuidePower + r.guide) + ".";
        lines[5] = r.portal ? line(kRow6Portal) : std::string();
    } catch (...) {
        reportFailure(101, "loadaffirmation in kestral");
    }
    return lines;
}

std::string applyCaseMask(const std::string& text, const layout::CaseMask& mask) {
    const char* pattern = textLanguage() == Language::Russian ? mask.russian : mask.english;
    return pattern ? applyCaseMask(text, std::string(pattern)) : text;
}

char32_t upperCp1251(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0x0430 && c <= 0x044F) return c - 32;  // а..я
    if (c >= 0x0450 && c <= 0x045F) return c - 80;  // ѐ..џ (ё, ђ, ѓ, є, ѕ, і, ї, ј, љ, њ, ћ, ќ, ў, џ)
    if (c == 0x0491) return 0x0490;                 // ґ
    return c;
}

char32_t lowerCp1251(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0x0410 && c <= 0x042F) return c + 32;
    if (c >= 0x0400 && c <= 0x040F) return c + 80;
    if (c == 0x0490) return 0x0491;
    return c;
}

std::string applyCaseMask(const std::string& text, const std::string& pattern) {
    const std::u32string in = platform::toCodePoints(text);
    std::u32string out;
    std::size_t next = 0;  // next pattern letter
    char letter = 0;       // the current word's letter
    bool first = false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (i == 0 || in[i - 1] == U' ') {
            letter = next < pattern.size() ? pattern[next] : 0;
            ++next;
            first = true;
        }
        const char32_t c = in[i];
        switch (letter) {
            case 'A': out += first ? upperCp1251(c) : lowerCp1251(c); break;
            case 'B': out += upperCp1251(c); break;
            case 'a': out += lowerCp1251(c); break;
            default: break;  // the word is left out
        }
        first = false;
    }
    return platform::fromCodePoints(out);
}

}  // namespace kl
