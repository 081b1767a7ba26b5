#include "layout/scriptpage.h"

namespace kl::layout {

namespace {

constexpr std::string_view kOpen = "/[", kWord = "PAGE", kClose = "]";

// A whole number of 1..9 digits at the front of `s`, taken off it.
std::optional<int> number(std::string_view& s) {
    std::size_t n = 0;
    int v = 0;
    while (n < s.size() && n < 10 && s[n] >= '0' && s[n] <= '9') v = v * 10 + (s[n++] - '0');
    if (n == 0 || n > 9) return std::nullopt;
    s.remove_prefix(n);
    return v;
}

}  // namespace

std::string pageSizeLine(int width, int height) {
    return std::string(kOpen) + std::string(kWord) + " " + std::to_string(width) + " " + std::to_string(height) +
           std::string(kClose);
}

std::optional<ScriptPageSize> readPageSizeLine(std::string_view s) {
    while (!s.empty() && s.back() == '\r') s.remove_suffix(1);
    if (s.substr(0, kOpen.size()) != kOpen) return std::nullopt;
    s.remove_prefix(kOpen.size());
    if (s.size() < kWord.size()) return std::nullopt;
    for (std::size_t i = 0; i < kWord.size(); ++i)
        if ((s[i] & ~0x20) != kWord[i]) return std::nullopt;
    s.remove_prefix(kWord.size());
    if (s.empty() || s.front() != ' ') return std::nullopt;
    s.remove_prefix(1);
    const auto w = number(s);
    if (!w || s.empty() || s.front() != ' ') return std::nullopt;
    s.remove_prefix(1);
    const auto h = number(s);
    if (!h || s != kClose) return std::nullopt;
    return ScriptPageSize{*w, *h};
}

std::optional<ScriptPageSize> scriptPageSize(const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        if (const auto size = readPageSizeLine(line)) return size;
    return std::nullopt;
}

void setScriptPageSize(std::vector<std::string>& lines, int width, int height) {
    for (std::string& line : lines)
        if (readPageSizeLine(line)) {
            line = pageSizeLine(width, height);
            return;
        }
    auto at = lines.begin();
    while (at != lines.end() && !at->empty() && at->front() == '[') ++at;
    lines.insert(at, pageSizeLine(width, height));
}

}  // namespace kl::layout
