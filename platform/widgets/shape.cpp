#include "platform/widgets/shape.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QWidget>

namespace kl::platform {

bool masksCutOnlyInput() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool windowsCanBePlaced() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void prepareShapedWindow(QWidget* window) {
    if (masksCutOnlyInput()) window->setAttribute(Qt::WA_TranslucentBackground);
}

void clipToShape(QPainter& painter, const QWidget* widget) {
    const QWidget* top = widget->window();
    if (!top->testAttribute(Qt::WA_TranslucentBackground)) return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(widget->rect(), Qt::transparent);
    painter.restore();
    const QRegion shape = top->mask();
    if (!shape.isEmpty()) painter.setClipRegion(shape.translated(-widget->mapTo(top, QPoint(0, 0))));
}

}  // namespace kl::platform
