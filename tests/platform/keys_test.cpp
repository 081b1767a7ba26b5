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

// A key press as the X11 or Wayland platform delivers it: the key's code on
// the keyboard, the keysym and the text of the layout in use.
int codeAtPlace(int qtKey, quint32 keyCode, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return virtualKey(QKeyEvent(QEvent::KeyPress, qtKey, modifiers, keyCode, 0, 0, text));
}

TEST(Keys, CommaAndPeriodActByTheirPlaceUnderAnyLayout) {
    // Russian layout: the comma key types "б", the period key "ю" (with
    // Shift "Б", "Ю"); the key right of them types "." and "," .
    EXPECT_EQ(codeAtPlace(0x411, 59, QString::fromUtf8("б")), 188);
    EXPECT_EQ(codeAtPlace(0x42e, 60, QString::fromUtf8("ю")), 190);
    EXPECT_EQ(codeAtPlace(0x411, 59, QString::fromUtf8("Б"), Qt::ShiftModifier), 188);
    EXPECT_EQ(codeAtPlace(Qt::Key_Period, 61, "."), 0);
    EXPECT_EQ(codeAtPlace(Qt::Key_Comma, 61, ",", Qt::ShiftModifier), 0);
    // English layout, the same places.
    EXPECT_EQ(codeAtPlace(Qt::Key_Comma, 59, ","), 188);
    EXPECT_EQ(codeAtPlace(Qt::Key_Greater, 60, ">", Qt::ShiftModifier), 190);
    // Other keys keep their meaning by what they are.
    EXPECT_EQ(codeAtPlace(Qt::Key_Right, 114, {}), 39);
    EXPECT_EQ(codeAtPlace(Qt::Key_Escape, 9, {}), 27);
    EXPECT_EQ(codeAtPlace(0x41c, 58, QString::fromUtf8("м")), 0);
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
