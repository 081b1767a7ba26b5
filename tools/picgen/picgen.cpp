#include "tools/picgen/picgen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <map>

#include <algorithm>
#include <stdexcept>

namespace kl::picgen {

std::vector<Family>& families() {
    static std::vector<Family> list;
    return list;
}

FamilyRegistration::FamilyRegistration(const char* name, std::function<void(const Output&)> generate) {
    families().push_back({name, std::move(generate)});
}

namespace {
int scale = 1;
// The sizes of the 1x pictures, which the 2x ones must double.
std::map<QString, QSize>& singleSizes() {
    static std::map<QString, QSize> sizes;
    return sizes;
}
}  // namespace

int drawScale() { return scale; }
void setDrawScale(int s) { scale = s; }

void writeBitmap(const QImage& image, const QString& dir, const QString& name) {
    QDir().mkpath(dir);
    QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    rgb.setDevicePixelRatio(1);
    if (scale == 1) {
        singleSizes()[name.toLower()] = rgb.size();
        const QString path = dir + "/" + name;
        if (!rgb.save(path, "BMP")) throw std::runtime_error("cannot write " + path.toStdString());
        return;
    }
    const auto single = singleSizes().find(name.toLower());
    if (single != singleSizes().end() && rgb.size() != single->second * scale)
        throw std::runtime_error(name.toStdString() + " is not drawn at twice its size");
    const QString path = dir + "/" + QFileInfo(name).completeBaseName() + ".png";
    if (!rgb.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace kl::picgen
