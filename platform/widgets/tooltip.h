// Tooltips whose text is read when they are shown: always in the language in
// force, and nothing is read before the pointer rests on a widget.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

namespace kl::platform {

// Gives `widget` a tooltip of the text `text` answers at the moment it is
// shown; when `area` is not empty, only over that part of the widget
// (widget coordinates). Replaces the widget's live tooltip before.
void setLiveTooltip(QWidget* widget, std::function<QString()> text, QRect area = {});

// The text the widget's live tooltip shows at a point of the widget; empty
// where it shows none.
QString liveTooltipAt(const QWidget* widget, QPoint at);

}  // namespace kl::platform
