// The human-edited form of the shipped text files, and its checks.
//
// A source file is UTF-8. Each entry is one line "INDEX<TAB>TEXT": INDEX is
// the line number the program reads (0 is the first line of the shipped
// file), TEXT runs to the end of the line and may be empty. Lines that are
// blank or start with "#" are comments. Indexes must rise strictly, so a
// duplicated or misplaced entry is caught instead of silently shifting every
// line after it; indexes that are left out become empty lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/codec.h"

namespace kl::textgen {

struct SourceText {
    std::vector<std::string> lines;   // UTF-8, index = line number
    std::vector<std::string> errors;  // "file:line: message"; empty when sound
};

inline SourceText parseSource(std::string_view text, const std::string& fileName) {
    SourceText out;
    int lineNo = 0;
    long last = -1;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto where = [&] { return fileName + ":" + std::to_string(lineNo) + ": "; };
        if (line.empty() || line.front() == '#') continue;
        const std::size_t tab = line.find('\t');
        const std::string_view number = line.substr(0, tab);
        bool digits = !number.empty() && number.size() <= 6;
        for (char c : number) digits = digits && c >= '0' && c <= '9';
        if (tab == std::string_view::npos || !digits) {
            out.errors.push_back(where() + "expected INDEX<TAB>TEXT");
            continue;
        }
        const long index = std::stol(std::string(number));
        const std::string_view body = line.substr(tab + 1);
        if (index == last) {
            out.errors.push_back(where() + "index " + std::to_string(index) + " given twice");
            continue;
        }
        if (index < last) {
            out.errors.push_back(where() + "index " + std::to_string(index) + " after " +
                                 std::to_string(last));
            continue;
        }
        if (!platform::fitsCp1251(body))
            out.errors.push_back(where() + "a character of index " + std::to_string(index) +
                                 " has no Windows-1251 code");
        if (body.find('\t') != std::string_view::npos)
            out.errors.push_back(where() + "tab inside the text of index " + std::to_string(index));
        last = index;
        out.lines.resize(static_cast<std::size_t>(index) + 1);
        out.lines[static_cast<std::size_t>(index)] = std::string(body);
    }
    return out;
}

// The shipped form: Windows-1251, every line ended by CR LF.
inline std::string encodeShipped(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += platform::toCp1251(l) + "\r\n";
    return bytes;
}

}  // namespace kl::textgen
