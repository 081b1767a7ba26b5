#include "platform/widgets/mybutton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>

namespace kl {

TmyButton::TmyButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);  // moves without a pressed button keep the hover picture right
}

void TmyButton::setGlyph(const QImage& strip) {
    glyph_ = strip;
    updateGeometry();
    update();
}

void TmyButton::setNumGlyphs(int n) {
    numGlyphs_ = std::clamp(n, 1, 4);
    updateGeometry();
    update();
}

void TmyButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void TmyButton::setDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    down_ = down;
    state_ = down ? HoverOrDown : Normal;
    if (down) releaseGroupMates();
    update();
}

void TmyButton::setGroupIndex(int index) {
    groupIndex_ = index;
    if (index == 0) setDown(false);
}

void TmyButton::setCaption(const QString& text) {
    caption_ = text;
    updateGeometry();
    update();
}

void TmyButton::setLayout(Layout layout) {
    layout_ = layout;
    update();
}

void TmyButton::setMargin(int margin) {
    margin_ = margin;
    update();
}

void TmyButton::setSpacing(int spacing) {
    spacing_ = spacing;
    update();
}

void TmyButton::releaseGroupMates() {
    if (!parentWidget()) return;
    const auto mates = parentWidget()->findChildren<TmyButton*>(Qt::FindDirectChildrenOnly);
    for (TmyButton* mate : mates) {
        if (mate == this || mate->groupIndex_ != groupIndex_ || !mate->down_) continue;
        mate->down_ = false;
        mate->state_ = Normal;
        mate->update();
    }
}

TmyButton::State TmyButton::resolvedState() const {
    State s = state_;
    if (!isEnabled())
        s = Disabled;
    else if (s == Disabled)
        s = down_ && groupIndex_ != 0 ? HoverOrDown : Normal;
    if (flat_ && s != Pressed && s != Disabled) s = mouseInside_ ? HoverOrDown : Normal;
    return s;
}

int TmyButton::state() const { return resolvedState(); }

void TmyButton::settleState() {
    state_ = resolvedState();
    if (!isEnabled()) dragging_ = false;
}

QImage TmyButton::glyphOf(State s) const {
    if (glyph_.isNull()) return {};
    const int pieceWidth = glyph_.width() / numGlyphs_;
    const int index = s < numGlyphs_ ? s : 0;  // a missing picture falls back to the normal one
    return glyph_.copy(index * pieceWidth, 0, pieceWidth, glyph_.height());
}

void TmyButton::setMouseInside(bool inside) {
    if (inside == mouseInside_) return;
    mouseInside_ = inside;
    update();
}

QSize TmyButton::sizeHint() const {
    const QSize g = glyph_.isNull() ? QSize() : glyphOf(Normal).deviceIndependentSize().toSize();
    if (caption_.isEmpty()) return g.isEmpty() ? QSize(23, 22) : g;
    const QSize t = fontMetrics().size(Qt::TextSingleLine, caption_);
    const bool row = layout_ == Layout::GlyphLeft || layout_ == Layout::GlyphRight;
    const int gap = g.isEmpty() ? 0 : spacing_;
    return row ? QSize(g.width() + gap + t.width() + 8, std::max(g.height(), t.height()) + 6)
               : QSize(std::max(g.width(), t.width()) + 8, g.height() + gap + t.height() + 6);
}

void TmyButton::paintEvent(QPaintEvent*) {
    settleState();
    QPainter p(this);
    if (!flat_) {
        QStyleOptionButton opt;
        opt.initFrom(this);
        opt.state |= state_ == Pressed || state_ == HoverOrDown ? QStyle::State_Sunken
                                                                : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, this);
    }

    const QImage picture = glyphOf(state_);
    const QSize g = picture.deviceIndependentSize().toSize();  // a 2x strip takes its 1x room
    const QSize t = caption_.isEmpty() ? QSize() : fontMetrics().size(Qt::TextSingleLine, caption_);
    const int gap = g.isEmpty() || t.isEmpty() ? 0 : spacing_;
    const bool row = layout_ == Layout::GlyphLeft || layout_ == Layout::GlyphRight;
    const QSize content = row ? QSize(g.width() + gap + t.width(), std::max(g.height(), t.height()))
                              : QSize(std::max(g.width(), t.width()), g.height() + gap + t.height());

    // The picture is placed along the layout's axis at the margin from its
    // edge (or with the caption centred as one block), and centred across it.
    QPoint gp, tp;
    const int w = width(), h = height();
    switch (layout_) {
        case Layout::GlyphLeft: {
            const int x = margin_ < 0 ? (w - content.width()) / 2 : margin_;
            gp = {x, (h - g.height()) / 2};
            tp = {x + g.width() + gap, (h - t.height()) / 2};
            break;
        }
        case Layout::GlyphRight: {
            const int x = margin_ < 0 ? (w + content.width()) / 2 : w - margin_;
            gp = {x - g.width(), (h - g.height()) / 2};
            tp = {x - g.width() - gap - t.width(), (h - t.height()) / 2};
            break;
        }
        case Layout::GlyphTop: {
            const int y = margin_ < 0 ? (h - content.height()) / 2 : margin_;
            gp = {(w - g.width()) / 2, y};
            tp = {(w - t.width()) / 2, y + g.height() + gap};
            break;
        }
        case Layout::GlyphBottom: {
            const int y = margin_ < 0 ? (h + content.height()) / 2 : h - margin_;
            gp = {(w - g.width()) / 2, y - g.height()};
            tp = {(w - t.width()) / 2, y - g.height() - gap - t.height()};
            break;
        }
    }
    if (!picture.isNull()) p.drawImage(gp, picture);
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(QRect(tp, t), Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

void TmyButton::enterEvent(QEnterEvent*) {
    QWidget* grabber = QWidget::mouseGrabber();
    if (flat_ && isEnabled() && (!grabber || grabber == this)) setMouseInside(true);
}

void TmyButton::leaveEvent(QEvent*) {
    if (flat_ && isEnabled() && !dragging_) setMouseInside(false);
}

void TmyButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (!down_) {
        state_ = Pressed;
        update();
    }
    dragging_ = true;
}

void TmyButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool inside = rect().contains(pos);
    if (dragging_) {
        const State next = down_ ? HoverOrDown : inside ? Pressed : Normal;
        if (next != state_) {
            state_ = next;
            update();
        }
    }
    // Also while dragging, so that a flat button dragged off shows its
    // normal picture rather than the hover one.
    if (isEnabled()) setMouseInside(inside);
    emit mouseMoved(pos.x(), pos.y());
}

void TmyButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (groupIndex_ == 0) {
        state_ = Normal;
        mouseInside_ = false;
        if (inside) update();
    } else if (inside) {
        if (!down_ || allowAllUp_) setDown(!down_);
        update();
    } else {
        if (down_) state_ = HoverOrDown;
        update();
    }
    QPointer<TmyButton> alive(this);
    if (inside) emit clicked();  // the handler may hide or delete the button
    if (alive && isEnabled()) setMouseInside(inside);
}

void TmyButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) dragging_ = false;
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace kl
