// Where the calendar's exports write a print script: the lines of the print
// manager's editor, the year view's sub-script, and the page width the moon
// export reads. The print manager owns one; the command line owns its own.
// Lines are UTF-8 without line ends; one exported text is always one line.
#pragma once

#include <string>
#include <vector>

namespace kl {

struct ScriptSink {
    std::vector<std::string> lines;           // the editor's script (Memo1's lines)
    std::vector<std::string> yearExportList;  // run by a YEAR line
    int canvasWidth = 768;                    // 380 for the day-info export
    int canvasHeight = 1024;

    void append(std::string line) { lines.push_back(std::move(line)); }
    void appendYear(std::string line) { yearExportList.push_back(std::move(line)); }
};

}  // namespace kl
