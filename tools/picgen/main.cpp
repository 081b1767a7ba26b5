// picgen SHIPPED_DIR RESOURCE_DIR REVIEW_DIR [family ...]
// Writes every picture family (or the ones named) and exits non-zero on
// failure. Glyph outlines go to "outlines" beside the shipped directory.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

#include "platform/picturepack.h"
#include "tools/picgen/picgen.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: picgen SHIPPED_DIR RESOURCE_DIR REVIEW_DIR [family ...]\n");
        return 2;
    }
    kl::picgen::Output out{QString(argv[1]) + "/graphic", argv[2], argv[3], argv[1],
                           QFileInfo(argv[1]).absoluteDir().filePath("outlines")};
    // The 2x set: the shipped pictures once more at twice the size. What
    // else a family writes (review sheets, resources, data) goes to a
    // review folder of its own.
    const QString twice = QString(argv[3]) + "/2x";
    kl::picgen::Output doubled{QString(argv[1]) + "/" + kl::picgen::kDoubleSetFolder, twice + "/resources", twice,
                               twice + "/run", twice + "/outlines"};
    for (const QString& d : {doubled.graphic, doubled.resources, doubled.review, doubled.run, doubled.outlines})
        QDir().mkpath(d);
    // Families that write no picture of the program directory.
    const QStringList reviewOnly{"boards-review", "glyphs", "buttons"};
    try {
        for (const int scale : {1, 2}) {
            kl::picgen::setDrawScale(scale);
            for (const auto& family : kl::picgen::families()) {
                bool wanted = argc == 4;
                for (int i = 4; i < argc; ++i) wanted = wanted || QString(argv[i]) == family.name;
                if (!wanted || (scale == 2 && reviewOnly.contains(family.name))) continue;
                family.generate(scale == 1 ? out : doubled);
            }
        }
        // Each set's small pictures packed beside them, so that a view opens
        // one file for its signs.
        for (const QString& set : {out.graphic, doubled.graphic}) {
            std::string error;
            if (!kl::platform::writePicturePack(set.toStdString(), error)) throw std::runtime_error(error);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "picgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
