// The picture button of every window. Its look is one of four pictures of a
// strip (normal, disabled, pressed, hover-or-down), chosen by its state; the
// flat form draws nothing else, so a window's background shows around the
// picture and a hover picture can be given.
#pragma once

#include <QImage>
#include <QWidget>

namespace kl {

class TmyButton : public QWidget {
    Q_OBJECT
public:
    enum State { Normal = 0, Disabled = 1, Pressed = 2, HoverOrDown = 3 };
    enum class Layout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

    explicit TmyButton(QWidget* parent = nullptr);

    // A strip of NumGlyphs pictures of equal width side by side. A strip
    // with a device pixel ratio of 2 has twice the pixels and takes the room
    // of its 1x size.
    void setGlyph(const QImage& strip);
    const QImage& glyph() const { return glyph_; }
    void setNumGlyphs(int n);
    int numGlyphs() const { return numGlyphs_; }

    void setFlat(bool flat);
    bool flat() const { return flat_; }
    // Only a button with a group index can stay down; setting one down
    // releases the other buttons of its group on the same parent. Without
    // AllowAllUp a down button cannot be released by its user.
    void setDown(bool down);
    bool down() const { return down_; }
    void setGroupIndex(int index);
    int groupIndex() const { return groupIndex_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool allowAllUp() const { return allowAllUp_; }

    void setCaption(const QString& text);
    const QString& caption() const { return caption_; }
    void setLayout(Layout layout);
    // Distance of the picture from the edge; -1 centres picture and caption.
    void setMargin(int margin);
    // Distance between picture and caption.
    void setSpacing(int spacing);

    // The state as the next paint shows it.
    int state() const;
    bool mouseInside() const { return mouseInside_; }
    bool dragging() const { return dragging_; }

    QSize sizeHint() const override;

signals:
    void clicked();
    void mouseMoved(int x, int y);  // every pointer move over the button

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The state after the rules of a paint: disabled follows the enabled
    // flag, and a flat button that is not pressed shows hover while the
    // pointer is over it.
    State resolvedState() const;
    void settleState();
    QImage glyphOf(State s) const;
    void setMouseInside(bool inside);
    void releaseGroupMates();

    QImage glyph_;
    int numGlyphs_ = 4;
    bool flat_ = true;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    QString caption_;
    Layout layout_ = Layout::GlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;

    State state_ = Normal;
    bool mouseInside_ = false;
    bool dragging_ = false;
};

}  // namespace kl
