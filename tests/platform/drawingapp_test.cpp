#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include "layout/fontpresets.h"
#include "platform/drawingapp.h"

namespace kl::platform {
namespace {

TEST(ViewFonts, StandInOnlyWhereTheUserHasNoFontSetupOfTheirOwn) {
    std::map<std::string, std::string> env{{"HOME", "/home/u"}};
    std::set<std::string> present(viewFontSetup().faces.begin(), viewFontSetup().faces.end());
    const auto apply = [&] {
        return viewFontsApply(
            [&](const char* name) -> std::optional<std::string> {
                const auto it = env.find(name);
                return it == env.end() ? std::nullopt : std::optional<std::string>(it->second);
            },
            [&](const std::string& path) { return present.count(path) > 0; });
    };
    EXPECT_TRUE(apply());
    for (const char* own : {"/home/u/.config/fontconfig", "/home/u/.local/share/fonts", "/home/u/.fonts.conf",
                            "/home/u/.fonts"}) {
        present.insert(own);
        EXPECT_FALSE(apply()) << own;
        present.erase(own);
    }
    // The XDG folders are looked for where the variables put them.
    env["XDG_CONFIG_HOME"] = "/cfg";
    present.insert("/home/u/.config/fontconfig");
    EXPECT_TRUE(apply());
    present.insert("/cfg/fontconfig");
    EXPECT_FALSE(apply());
    present.erase("/cfg/fontconfig");
    env["FONTCONFIG_FILE"] = "/etc/fonts/fonts.conf";
    EXPECT_FALSE(apply());
    env.erase("FONTCONFIG_FILE");
    EXPECT_TRUE(apply());
    present.erase(viewFontSetup().faces.back());
    EXPECT_FALSE(apply()) << "a face it names is missing";
}

struct Rendered {
    std::string file;
    int hintStyle = -1, lcdFilter = -1, rgba = -1;
    FcBool antialias = 2, hinting = 2, autohint = 2, embolden = 2;
    bool operator==(const Rendered&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rendered& r) {
    return os << r.file << " hintstyle " << r.hintStyle << " lcdfilter " << r.lcdFilter << " rgba " << r.rgba
              << " antialias " << r.antialias << " hinting " << r.hinting << " autohint " << r.autohint << " embolden "
              << r.embolden;
}

// The face a configuration gives for a request, with what the toolkit reads
// of it to draw its glyphs.
Rendered match(FcConfig* config, const char* family, bool bold, double pixelSize) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    Rendered r;
    if (found) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch) r.file = reinterpret_cast<char*>(file);
        FcPatternGetInteger(found, FC_HINT_STYLE, 0, &r.hintStyle);
        FcPatternGetInteger(found, FC_LCD_FILTER, 0, &r.lcdFilter);
        FcPatternGetInteger(found, FC_RGBA, 0, &r.rgba);
        FcPatternGetBool(found, FC_ANTIALIAS, 0, &r.antialias);
        FcPatternGetBool(found, FC_HINTING, 0, &r.hinting);
        FcPatternGetBool(found, FC_AUTOHINT, 0, &r.autohint);
        FcPatternGetBool(found, FC_EMBOLDEN, 0, &r.embolden);
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pattern);
    return r;
}

// The views' configuration draws every preset in the face, and with the
// rendering, that the system's configuration gives it: a family without its
// alias there, a face that stands for it on this system but not in the
// list, or other rendering defaults would change the pictures.
TEST(ViewFonts, GiveEveryPresetTheSystemsFaceAndRendering) {
    if (!viewFontsApply(
            [](const char* name) -> std::optional<std::string> {
                const char* v = std::getenv(name);
                return v ? std::optional<std::string>(v) : std::nullopt;
            },
            [](const std::string& path) { return access(path.c_str(), F_OK) == 0; }))
        GTEST_SKIP() << "the views' fonts do not stand in for this user's";
    FcConfig* system = FcInitLoadConfigAndFonts();
    FcConfig* views = FcConfigCreate();
    ASSERT_TRUE(FcConfigParseAndLoadFromMemory(
        views, reinterpret_cast<const FcChar8*>(viewFontSetup().configuration.c_str()), FcTrue));
    ASSERT_TRUE(FcConfigBuildFonts(views));
    for (const layout::FontPreset& p : layout::kFontPresets) {
        const Rendered mine = match(views, p.face, p.bold, std::abs(p.pixelHeight));
        EXPECT_FALSE(mine.file.empty()) << p.face;
        EXPECT_EQ(mine, match(system, p.face, p.bold, std::abs(p.pixelHeight))) << p.face << (p.bold ? " bold" : "");
    }
    FcConfigDestroy(views);
    FcConfigDestroy(system);
}

}  // namespace
}  // namespace kl::platform
