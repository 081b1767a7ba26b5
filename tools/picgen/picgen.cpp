#include "tools/picgen/picgen.h"

#include <QDir>
#include <QFile>

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

void writeBitmap(const QImage& image, const QString& dir, const QString& name) {
    QDir().mkpath(dir);
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QString path = dir + "/" + name;
    if (!rgb.save(path, "BMP")) throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace kl::picgen
