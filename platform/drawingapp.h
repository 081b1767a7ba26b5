// The toolkit started for drawing without a window, as the command-line
// companion draws: Qt's off-screen platform whatever the session, taken by
// its path instead of by a scan of the plugin folder, and for the views a
// font configuration of just the fonts they draw in.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QGuiApplication;

namespace kl::platform {

enum class DrawingUse {
    // Pages of scripts, which may name any font and picture: the user's font
    // configuration, and plugins found in Qt's folders as usual.
    Pages,
    // The views: the views' fonts when they may stand in for the user's
    // (viewFontsApply), and no plugin folder is ever scanned. The views'
    // pictures are bitmaps, read by Qt's built-in reader.
    Views,
};

// Creates the application on Qt's off-screen platform. Nothing is asked of
// a display, so a session variable naming one that cannot be reached (or
// another platform) changes nothing.
std::unique_ptr<QGuiApplication> startDrawingApplication(int& argc, char** argv, DrawingUse use);

// After startDrawingApplication(Views): makes the toolkit's picture writer
// for `format` ("PNG", "JPEG", "BMP") ready without a plugin folder scanned:
// the JPEG plugin is taken by its path, the other formats are built in.
// False when the JPEG plugin cannot be loaded so; Qt's folders are then
// searched for it as usual.
bool prepareImageWriter(const std::string& format);

// The fonts the views' texts are drawn in (Arial, Arial Narrow, Verdana,
// bold and regular): the faces that stand for them and the configuration
// that names only their folders and maps the families onto them, with the
// system's rendering defaults.
struct ViewFontSetup {
    std::vector<std::string> faces;
    std::string configuration;  // fontconfig's XML
};
const ViewFontSetup& viewFontSetup();

// True when the views' configuration may stand in for the user's: no
// FONTCONFIG_FILE or FONTCONFIG_PATH, no font configuration of the user's own
// (under XDG_CONFIG_HOME, XDG_DATA_HOME or the home directory) and every
// face it names is there. `variable` reads the environment, `exists` tells whether a path is there.
bool viewFontsApply(const std::function<std::optional<std::string>(const char*)>& variable,
                    const std::function<bool(const std::string&)>& exists);

}  // namespace kl::platform
