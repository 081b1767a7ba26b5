// The line a print script keeps its page size in: a comment, so every run
// of the script passes over it, "/[PAGE 740 550]" for a 740 x 550 page. The
// exports write it after their header, the print manager saves and loads
// it, the rescaling passes scale it, and the command line's page reads it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kl::layout {

struct ScriptPageSize {
    int width = 0, height = 0;
    friend bool operator==(const ScriptPageSize&, const ScriptPageSize&) = default;
};

std::string pageSizeLine(int width, int height);
// The size a page-size line names ("PAGE" in any letter case, two whole
// numbers of 1 to 9 digits, a carriage return at the end passed over);
// nullopt for any other line.
std::optional<ScriptPageSize> readPageSizeLine(std::string_view line);
// The size the script's first page-size line names.
std::optional<ScriptPageSize> scriptPageSize(const std::vector<std::string>& lines);
// Sets the script's page size: its first page-size line is replaced, or,
// when it has none, one is put after the section headers it starts with.
void setScriptPageSize(std::vector<std::string>& lines, int width, int height);

}  // namespace kl::layout
