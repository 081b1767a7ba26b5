#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/widgets/mybutton.h"

namespace kl {
namespace {

// Four 10 x 10 pictures: red (normal), grey (disabled), green (pressed),
// blue (hover-or-down).
const QColor kPictures[] = {Qt::red, Qt::gray, Qt::green, Qt::blue};

QImage strip(int count = 4) {
    QImage img(10 * count, 10, QImage::Format_RGB32);
    QPainter p(&img);
    for (int i = 0; i < count; ++i) p.fillRect(10 * i, 0, 10, 10, kPictures[i]);
    return img;
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent.resize(100, 60);
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, Qt::magenta);
        parent.setPalette(pal);
        button = makeButton(10, 10);
    }
    TmyButton* makeButton(int x, int y) {
        auto* b = new TmyButton(&parent);
        b->setGlyph(strip());
        b->setNumGlyphs(4);
        b->setGeometry(x, y, 20, 20);
        QObject::connect(b, &TmyButton::clicked, [this] { ++clicks; });
        return b;
    }
    void enter(TmyButton* b) {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(b, &e);
    }
    void leave(TmyButton* b) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(b, &e);
    }
    void mouse(TmyButton* b, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? Qt::MouseButtons(pressed)
                                                                         : Qt::MouseButtons(button);
        if (type == QEvent::MouseButtonPress) pressed = true;
        if (type == QEvent::MouseButtonRelease) pressed = false;
        QMouseEvent e(type, QPointF(at), b->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(b, &e);
    }
    void press(TmyButton* b, QPoint at = {10, 10}) { mouse(b, QEvent::MouseButtonPress, at); }
    void move(TmyButton* b, QPoint at) { mouse(b, QEvent::MouseMove, at); }
    void release(TmyButton* b, QPoint at = {10, 10}) { mouse(b, QEvent::MouseButtonRelease, at); }

    // The colour shown at the button's centre, and at its corner, as drawn
    // over the parent window.
    QColor shown(TmyButton* b, QPoint at = {10, 10}) {
        return QColor(parent.grab().toImage().pixel(b->geometry().topLeft() + at));
    }
    QColor corner(TmyButton* b) { return shown(b, {1, 1}); }

    QWidget parent;
    TmyButton* button = nullptr;
    int clicks = 0;
    bool pressed = false;
};

TEST_F(ButtonTest, FlatButtonShowsHoverPictureOnlyWhileThePointerRestsOnIt) {
    EXPECT_EQ(shown(button), QColor(Qt::red));
    enter(button);
    EXPECT_TRUE(button->mouseInside());
    EXPECT_EQ(button->state(), TmyButton::HoverOrDown);
    EXPECT_EQ(shown(button), QColor(Qt::blue));
    leave(button);
    EXPECT_EQ(button->state(), TmyButton::Normal);
    EXPECT_EQ(shown(button), QColor(Qt::red));
}

TEST_F(ButtonTest, FlatButtonDrawsNothingButItsPicture) {
    // The picture is 10 x 10 centred in 20 x 20: the corner is the parent's.
    EXPECT_EQ(corner(button), QColor(Qt::magenta));
    press(button);
    EXPECT_EQ(corner(button), QColor(Qt::magenta));
    EXPECT_EQ(shown(button), QColor(Qt::green));  // not shifted when pressed
    EXPECT_EQ(shown(button, {5, 5}), QColor(Qt::green));
    button->setFlat(false);
    EXPECT_NE(corner(button), QColor(Qt::magenta));  // the push-button frame
}

TEST_F(ButtonTest, AStripOfTwiceThePixelsTakesTheRoomOfItsSingleSize) {
    QImage twice = strip().scaled(80, 20);
    twice.setDevicePixelRatio(2);
    button->setGlyph(twice);
    EXPECT_EQ(button->sizeHint(), QSize(10, 10));
    EXPECT_EQ(corner(button), QColor(Qt::magenta));  // centred in 20 x 20 as the 1x picture is
    EXPECT_EQ(shown(button, {6, 6}), QColor(Qt::red));
    EXPECT_EQ(shown(button, {14, 14}), QColor(Qt::red));
}

TEST_F(ButtonTest, DraggingOffAndBackAndReleasingOutside) {
    enter(button);
    press(button);
    EXPECT_TRUE(button->dragging());
    EXPECT_EQ(shown(button), QColor(Qt::green));
    move(button, {40, 40});
    EXPECT_EQ(button->state(), TmyButton::Normal);
    EXPECT_EQ(shown(button), QColor(Qt::red));
    move(button, {12, 12});
    EXPECT_EQ(shown(button), QColor(Qt::green));
    move(button, {-3, 12});
    release(button, {-3, 12});
    EXPECT_FALSE(button->dragging());
    EXPECT_FALSE(button->mouseInside());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(shown(button), QColor(Qt::red));
}

TEST_F(ButtonTest, ReleaseInsideClicksAndReturnsToHover) {
    enter(button);
    press(button);
    release(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->mouseInside());
    EXPECT_EQ(shown(button), QColor(Qt::blue));
    // Only the left button clicks.
    mouse(button, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    mouse(button, QEvent::MouseButtonRelease, {10, 10}, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, DisabledButtonShowsItsPictureAndIgnoresThePointer) {
    button->setEnabled(false);
    enter(button);
    press(button);
    release(button);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->mouseInside());
    EXPECT_FALSE(button->dragging());
    EXPECT_EQ(button->state(), TmyButton::Disabled);
    EXPECT_EQ(shown(button), QColor(Qt::gray));
    button->setEnabled(true);
    EXPECT_EQ(shown(button), QColor(Qt::red));
}

TEST_F(ButtonTest, EveryMoveIsPassedOnWithItsPosition) {
    std::vector<QPoint> moves;
    QObject::connect(button, &TmyButton::mouseMoved, [&](int x, int y) { moves.push_back({x, y}); });
    move(button, {3, 4});
    move(button, {3, 4});
    press(button);
    move(button, {30, 2});
    EXPECT_EQ(moves, (std::vector<QPoint>{{3, 4}, {3, 4}, {30, 2}}));
}

TEST_F(ButtonTest, GroupButtonsStayDownOneAtATime) {
    TmyButton* other = makeButton(50, 10);
    button->setGroupIndex(1);
    other->setGroupIndex(1);
    press(button);
    release(button);
    EXPECT_TRUE(button->down());
    press(other);
    release(other);
    EXPECT_TRUE(other->down());
    EXPECT_FALSE(button->down());
    EXPECT_EQ(clicks, 2);
    // Without AllowAllUp a click leaves a down button down; with it, releases.
    press(other);
    release(other);
    EXPECT_TRUE(other->down());
    other->setAllowAllUp(true);
    press(other);
    release(other);
    EXPECT_FALSE(other->down());
}

TEST_F(ButtonTest, ADownButtonReleasesOnlyItsOwnGroup) {
    TmyButton* mate = makeButton(40, 10);
    TmyButton* stranger = makeButton(70, 10);
    button->setGroupIndex(1);
    mate->setGroupIndex(1);
    stranger->setGroupIndex(2);
    stranger->setFlat(false);  // shows its down picture wherever the pointer is
    stranger->setDown(true);
    mate->setDown(true);
    press(button);
    release(button);
    EXPECT_TRUE(button->down());
    EXPECT_FALSE(mate->down());
    EXPECT_TRUE(stranger->down());
    EXPECT_EQ(shown(stranger), QColor(Qt::blue));
}

TEST_F(ButtonTest, DownButtonDraggedOffStaysDownAndDoesNotToggle) {
    button->setFlat(false);
    button->setGroupIndex(2);
    button->setAllowAllUp(true);
    button->setDown(true);
    EXPECT_EQ(shown(button), QColor(Qt::blue));
    press(button);
    EXPECT_EQ(button->state(), TmyButton::HoverOrDown);
    move(button, {50, 50});
    release(button, {50, 50});
    EXPECT_TRUE(button->down());
    EXPECT_EQ(button->state(), TmyButton::HoverOrDown);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, ButtonWithoutGroupCannotStayDown) {
    button->setDown(true);
    EXPECT_FALSE(button->down());
}

TEST_F(ButtonTest, MissingPicturesFallBackToTheFirst) {
    button->setGlyph(strip(1));
    button->setNumGlyphs(1);
    enter(button);
    EXPECT_EQ(shown(button), QColor(Qt::red));
    button->setEnabled(false);
    EXPECT_EQ(shown(button), QColor(Qt::red));
}

}  // namespace
}  // namespace kl
