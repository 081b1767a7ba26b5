// The virtual key codes of the keys the calendar windows handle, and the
// forwarding of a key press to a window's key handler.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include <vector>

#include "platform/keys.h"

namespace kl::platform {
namespace {

int codeOf(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return virtualKey(QKeyEvent(QEvent::KeyPress, qtKey, modifiers));
}

TEST(Keys, TheWindowsKeysHaveTheirDesktopCodesAndNoOtherKeyHasOne) {
    EXPECT_EQ(codeOf(Qt::Key_Escape), 27);
    EXPECT_EQ(codeOf(Qt::Key_PageUp), 33);
    EXPECT_EQ(codeOf(Qt::Key_PageDown), 34);
    EXPECT_EQ(codeOf(Qt::Key_Left), 37);
    EXPECT_EQ(codeOf(Qt::Key_Right), 39);
    EXPECT_EQ(codeOf(Qt::Key_Comma), 188);
    EXPECT_EQ(codeOf(Qt::Key_Period), 190);
    // With Shift held the same keys report '<' and '>'.
    EXPECT_EQ(codeOf(Qt::Key_Less, Qt::ShiftModifier), 188);
    EXPECT_EQ(codeOf(Qt::Key_Greater, Qt::ShiftModifier), 190);
    for (int other : {Qt::Key_A, Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space, Qt::Key_Home})
        EXPECT_EQ(codeOf(other), 0) << other;
}

TEST(Keys, AHandledKeyReachesTheHandlerAndIsAcceptedAnyOtherIsLeftAlone) {
    std::vector<int> handled;
    const auto handler = [&handled](int key) { handled.push_back(key); };

    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    right.ignore();
    EXPECT_TRUE(forwardKey(right, handler));
    EXPECT_TRUE(right.isAccepted());
    EXPECT_EQ(handled, std::vector<int>{39});

    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    letter.ignore();
    EXPECT_FALSE(forwardKey(letter, handler));
    EXPECT_FALSE(letter.isAccepted()) << "the window's base class decides";
    EXPECT_EQ(handled, std::vector<int>{39});
}

}  // namespace
}  // namespace kl::platform
