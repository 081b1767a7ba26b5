#include "platform/drawingapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QStringList>
#include <QtPlugin>

#include <cstdlib>

#include <dlfcn.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

namespace kl::platform {

namespace {

bool pathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// Loads one of the plugins installed with the running Qt by its path and
// hands it to Qt as if it were linked in. Qt's own loader would open every
// plugin of the folder to read its metadata and then the chosen one again
// to load it. A plugin built for another Qt than the running one is left
// alone (false), as Qt's loader would.
bool registerInstalledPlugin(const char* kind, const char* file) {
    const QString path = QLibraryInfo::path(QLibraryInfo::PluginsPath) + u'/' + QLatin1StringView(kind) + u'/' +
                         QLatin1StringView(file);
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    const auto instance = reinterpret_cast<QtPluginInstanceFunction>(dlsym(handle, "qt_plugin_instance"));
    const auto metaData = reinterpret_cast<QtPluginMetaDataFunction>(dlsym(handle, "qt_plugin_query_metadata_v2"));
    if (!instance || !metaData) {
        dlclose(handle);
        return false;
    }
    const QStaticPlugin plugin(instance, metaData);
    const int version = plugin.metaData().value(QLatin1StringView("version")).toInt();
    const int running = QT_VERSION_CHECK(QLibraryInfo::version().majorVersion(), QLibraryInfo::version().minorVersion(), 0);
    if (version >> 16 != running >> 16 || (version & 0xff00) > (running & 0xff00)) {
        dlclose(handle);
        return false;
    }
    // The library stays loaded for the life of the process, as Qt keeps its plugins.
    qRegisterStaticPluginFunction(plugin);
    return true;
}

// Faces that stand for the views' families on Debian (the package depends on
// fonts-liberation and fonts-dejavu-core).
const char* const kLiberation = "/usr/share/fonts/truetype/liberation";
const char* const kDejaVu = "/usr/share/fonts/truetype/dejavu";

// Qt's plugin folders, kept while none is searched.
QStringList& searchedFolders() {
    static QStringList folders;
    return folders;
}

}  // namespace

const ViewFontSetup& viewFontSetup() {
    static const ViewFontSetup setup = [] {
        ViewFontSetup s;
        for (const char* face : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSansNarrow-Regular.ttf",
                                 "LiberationSansNarrow-Bold.ttf"})
            s.faces.push_back(std::string(kLiberation) + "/" + face);
        for (const char* face : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) s.faces.push_back(std::string(kDejaVu) + "/" + face);
        // The system's caches of those folders are used as they are; a
        // folder whose cache is stale is scanned and its cache written to the
        // user's. The rendering rules are the system's defaults: slight
        // hinting, grey antialiasing, the default LCD filter.
        s.configuration = std::string(R"(<?xml version="1.0"?>
<fontconfig>
  <dir>)") + kLiberation + R"(</dir>
  <dir>)" + kDejaVu + R"(</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <alias binding="same"><family>Arial</family><accept><family>Liberation Sans</family></accept></alias>
  <alias binding="same"><family>Arial Narrow</family><accept><family>Liberation Sans Narrow</family></accept></alias>
  <alias><family>Verdana</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <match target="pattern"><edit name="hintstyle" mode="append"><const>hintslight</const></edit></match>
  <match target="pattern"><edit name="antialias" mode="append"><bool>true</bool></edit></match>
  <match target="pattern"><edit name="lcdfilter" mode="append"><const>lcddefault</const></edit></match>
</fontconfig>
)";
        return s;
    }();
    return setup;
}

bool viewFontsApply(const std::function<std::optional<std::string>(const char*)>& variable,
                    const std::function<bool(const std::string&)>& exists) {
    const auto set = [&](const char* name) {
        const auto v = variable(name);
        return v && !v->empty();
    };
    if (set("FONTCONFIG_FILE") || set("FONTCONFIG_PATH") || set("FONTCONFIG_SYSROOT")) return false;
    // Whatever the user configured or installed for themselves is seen only
    // through their own configuration.
    const auto home = variable("HOME");
    const auto base = [&](const char* name, const char* fallback) -> std::optional<std::string> {
        if (set(name)) return *variable(name);
        if (home && !home->empty()) return *home + fallback;
        return std::nullopt;
    };
    std::vector<std::string> own;
    if (const auto config = base("XDG_CONFIG_HOME", "/.config")) own.push_back(*config + "/fontconfig");
    if (const auto data = base("XDG_DATA_HOME", "/.local/share")) own.push_back(*data + "/fonts");
    if (home && !home->empty())
        for (const char* name : {"/.fonts.conf", "/.fonts.conf.d", "/.fonts"}) own.push_back(*home + name);
    for (const std::string& path : own)
        if (exists(path)) return false;
    for (const std::string& face : viewFontSetup().faces)
        if (!exists(face)) return false;
    return true;
}

std::unique_ptr<QGuiApplication> startDrawingApplication(int& argc, char** argv, DrawingUse use) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (use == DrawingUse::Pages) return std::make_unique<QGuiApplication>(argc, argv);
    const auto variable = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    if (viewFontsApply(variable, pathExists)) {
        // Made the process's configuration before the toolkit's first use of
        // fonts; if it cannot be made, the default one is loaded as usual.
        // The configuration is kept for the life of the process: older
        // fontconfig takes no reference of its own to the current one.
        if (FcConfig* config = FcConfigCreate()) {
            const auto* xml = reinterpret_cast<const FcChar8*>(viewFontSetup().configuration.c_str());
            if (!FcConfigParseAndLoadFromMemory(config, xml, FcTrue) || !FcConfigBuildFonts(config) ||
                !FcConfigSetCurrent(config))
                FcConfigDestroy(config);
        }
    }
    if (registerInstalledPlugin("platforms", "libqoffscreen.so")) {
        // No folder to scan for the platform, its themes or pictures' plugins;
        // a folder named for the platform's plugin would be scanned first.
        unsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
        searchedFolders() = QCoreApplication::libraryPaths();
        QCoreApplication::setLibraryPaths({});
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

bool prepareImageWriter(const std::string& format) {
    if (format != "JPEG") return true;
    if (registerInstalledPlugin("imageformats", "libqjpeg.so")) return true;
    // Not loadable by its path: Qt's folders are searched for it after all.
    if (!searchedFolders().isEmpty()) QCoreApplication::setLibraryPaths(searchedFolders());
    return false;
}

}  // namespace kl::platform
