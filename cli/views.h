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

}  // namespace kl::cli
