#include "print/scriptfile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/codec.h"
#include "platform/files.h"

namespace kl::print {

namespace fs = std::filesystem;

std::vector<std::string> scriptLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) lines.push_back(platform::fromCp1251(platform::nextLine(bytes)));
    return lines;
}

std::string scriptBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += platform::toCp1251(line);
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<std::vector<std::string>> loadScriptFile(const platform::UserPath& path, std::string& why) {
    std::error_code ec;
    const fs::path p = path.path();
    const auto status = fs::status(p, ec);
    if (ec || !fs::exists(status)) {
        why = "the file does not exist";
        return std::nullopt;
    }
    if (!fs::is_regular_file(status)) {
        why = "it is not a file";
        return std::nullopt;
    }
    const auto size = fs::file_size(p, ec);
    if (ec || size > kMaxScriptFileBytes) {
        why = ec ? "its size cannot be read" : "the file is too large for a script";
        return std::nullopt;
    }
    std::string bytes;
    if (!platform::readFileBytes(path, bytes)) {
        why = "the file cannot be read";
        return std::nullopt;
    }
    return scriptLines(bytes);
}

bool saveScriptFile(const platform::UserPath& path, const std::vector<std::string>& lines, std::string& why) {
    const platform::Saved saved = platform::saveFile(path, scriptBytes(lines));
    if (saved != platform::Saved::Done) why = platform::saveFailureText(saved);
    return saved == platform::Saved::Done;
}

std::vector<std::string> unencodableCharacters(const std::vector<std::string>& lines, std::size_t limit) {
    std::vector<std::string> found;
    std::u32string seen;
    for (const std::string& line : lines) {
        if (platform::fitsCp1251(line)) continue;
        for (const char32_t c : platform::toCodePoints(line)) {
            const std::u32string one(1, c);
            if (seen.find(c) != std::u32string::npos || platform::fitsCp1251(platform::fromCodePoints(one))) continue;
            seen.push_back(c);
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X ", static_cast<unsigned>(c));
            found.push_back(code + platform::fromCodePoints(one));
            if (found.size() >= limit) return found;
        }
    }
    return found;
}

}  // namespace kl::print
