#include "platform/widgets/tooltip.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>

namespace kl::platform {

namespace {

class LiveTooltip : public QObject {
public:
    static constexpr const char* kName = "kl-live-tooltip";

    LiveTooltip(QWidget* widget, std::function<QString()> text, QRect area)
        : QObject(widget), text_(std::move(text)), area_(area) {
        setObjectName(kName);
        widget->installEventFilter(this);
    }

    QString textAt(const QWidget* widget, QPoint at) const {
        if (!text_) return {};
        if (!(area_.isEmpty() ? widget->rect() : area_).contains(at)) return {};
        return text_();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::ToolTip) return false;
        auto* widget = static_cast<QWidget*>(watched);
        const auto* help = static_cast<QHelpEvent*>(e);
        const QString text = textAt(widget, help->pos());
        if (text.isEmpty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), text, widget, area_.isEmpty() ? widget->rect() : area_);
        return true;
    }

private:
    std::function<QString()> text_;
    QRect area_;
};

LiveTooltip* liveTooltipOf(const QWidget* widget) {
    return dynamic_cast<LiveTooltip*>(widget->findChild<QObject*>(LiveTooltip::kName, Qt::FindDirectChildrenOnly));
}

}  // namespace

void setLiveTooltip(QWidget* widget, std::function<QString()> text, QRect area) {
    delete liveTooltipOf(widget);
    new LiveTooltip(widget, std::move(text), area);
}

QString liveTooltipAt(const QWidget* widget, QPoint at) {
    const LiveTooltip* tip = liveTooltipOf(widget);
    return tip ? tip->textAt(widget, at) : QString();
}

}  // namespace kl::platform
