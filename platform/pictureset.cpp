#include "platform/pictureset.h"

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

QImage buttonStripInSet(const QString& resource, int set) {
    if (set == 2) {
        const QString prefix = ":/buttons/";
        QString twice = resource;
        if (twice.startsWith(prefix)) {
            twice.insert(prefix.size(), "2x/");
            twice = twice.left(twice.lastIndexOf('.')) + ".png";
            QImage strip(twice);
            if (!strip.isNull()) {
                strip.setDevicePixelRatio(2);
                return strip;
            }
        }
    }
    return QImage(resource);
}

}  // namespace kl::platform
