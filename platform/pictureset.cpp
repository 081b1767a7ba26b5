#include "platform/pictureset.h"

#include <string_view>

#include <QResource>

namespace kl::platform {

int pictureSetFor(double devicePixelRatio) { return devicePixelRatio > 1.5 ? 2 : 1; }

std::string pictureInSet(const std::string& name, int set) {
    if (set != 2) return name;
    std::string normal = name;
    for (char& c : normal)
        if (c == '/') c = '\\';
    const std::size_t slash = normal.find('\\');
    if (slash == std::string::npos) return name;
    std::string file = normal.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    if (dot != std::string::npos) file.erase(dot);
    return "graphic2x\\" + file + ".png";
}

Picture loadInSet(const std::string& name, int set) {
    if (set != 2) return Picture::load(name);
    try {
        return Picture::load(pictureInSet(name, set));
    } catch (const PictureError&) {
    }
    const Picture single = Picture::load(name);
    return Picture::fromImage(single.image().scaled(single.width() * set, single.height() * set, Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation));
}

namespace {

// A compiled-in picture, decoded as picture files are: the strips are plain
// bitmaps, read without the toolkit's decoder and the plug-ins it loads.
QImage resourceImage(const QString& resource) {
    const QResource r(resource);
    if (!r.isValid()) return QImage();
    const QByteArray bytes = r.uncompressedData();
    try {
        return decodePictureBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                  resource.toStdString());
    } catch (const PictureError&) {
        return QImage();
    }
}

}  // namespace

QImage buttonStripInSet(const QString& resource, int set) {
    if (set == 2) {
        const QString prefix = ":/buttons/";
        QString twice = resource;
        if (twice.startsWith(prefix)) {
            twice.insert(prefix.size(), "2x/");
            twice = twice.left(twice.lastIndexOf('.')) + ".png";
            QImage strip = resourceImage(twice);
            if (!strip.isNull()) {
                strip.setDevicePixelRatio(2);
                return strip;
            }
        }
    }
    return resourceImage(resource);
}

}  // namespace kl::platform
