// The picture generator: draws every shipped picture with Qt's painter and
// writes them as 24-bit Windows bitmaps. Each family of pictures lives in its
// own source file and registers itself with KL_PICTURE_FAMILY.
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace kl::picgen {

// Where the generator writes. `graphic` is the program's graphic/ directory;
// `resources` holds pictures compiled into the program (button strips);
// `review` holds contact sheets and overlays that are looked at, not shipped;
// `run` is the program's directory (data files that belong to pictures);
// `outlines` holds the glyph outlines that tools/fontgen makes fonts of.
struct Output {
    QString graphic;
    QString resources;
    QString review;
    QString run;
    QString outlines;
};

// The scale pictures are drawn at: 1 for the shipped set under graphic/,
// 2 for the set of screens with twice the pixels (graphic2x/). Canvases
// carry it as their device pixel ratio, so one drawing code in the 1x
// coordinates paints both sets.
int drawScale();
void setDrawScale(int scale);
// The folder of the 2x set in the program directory.
inline constexpr const char* kDoubleSetFolder = "graphic2x";

// Writes `image` as a 24-bit bitmap `name` under `dir`, byte for byte the
// same for the same image; at scale 2 as a PNG of the same base name
// ("pyr0.png"), which must measure twice the 1x picture of that name.
// Throws std::runtime_error on failure.
void writeBitmap(const QImage& image, const QString& dir, const QString& name);

struct Family {
    const char* name;
    std::function<void(const Output&)> generate;
};
std::vector<Family>& families();

struct FamilyRegistration {
    FamilyRegistration(const char* name, std::function<void(const Output&)> generate);
};

}  // namespace kl::picgen

#define KL_PICGEN_CAT2(a, b) a##b
#define KL_PICGEN_CAT(a, b) KL_PICGEN_CAT2(a, b)
#define KL_PICTURE_FAMILY(name, fn) \
    static ::kl::picgen::FamilyRegistration KL_PICGEN_CAT(klFamily_, __LINE__)(name, fn)
