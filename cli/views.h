// kestralune-cli's view commands: a full-screen view drawn into a PNG, or
// exported as the print manager's script, without a window.
#pragma once

#include <string>
#include <vector>

namespace kl::cli {

// render MODE [YYYY-MM-DD] OUT.png|OUT.jpg|OUT.bmp
int runRender(const std::vector<std::string>& args, std::string& out, std::string& err);
// export MODE [YYYY-MM-DD] [--glyphs]
int runExport(const std::vector<std::string>& args, std::string& out, std::string& err);

// Remembers the first failure reported while a command runs, for its one
// line on stderr. Installed by main; reads the error report's own lines.
void recordFailure(const std::string& reportBytes);
void forgetFailure();

// Reads conf.dat beside the program as the window does; a file read only in
// part is said in one line, and the command goes on with what was read.
void loadSettings(std::string& err);
// True, with the one line "kestralune-cli: WHAT failed: ..." in `err`, when
// a failure has been recorded.
bool failed(const char* what, std::string& err);

}  // namespace kl::cli
