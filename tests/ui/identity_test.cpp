// How the desktop knows the program: the name its desktop entry, window
// class and Wayland application id share, the icon on every window, and
// captions that are each window's own title alone.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/identity.h"
#include "ui/compactfixture.h"

namespace kl::test {
namespace {

class Identity : public CompactTest {};

TEST_F(Identity, WindowsCarryTheIconAndTheDesktopEntrysName) {
    platform::setUpApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationName(), "kestralune");  // the X11 window class
    EXPECT_EQ(QGuiApplication::desktopFileName(), "kestralune");   // the Wayland application id
    // No display name of its own: the platform appends none to captions.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    createWindows();
    form2->openFor(GregorianDate{9, 12, 0, 2026});
    EXPECT_EQ(form2->windowTitle(), "09.12.2026");
    EXPECT_EQ(form1->windowTitle(), "Kestralune v1.0");
    for (QWidget* w : {static_cast<QWidget*>(form1), static_cast<QWidget*>(form2), static_cast<QWidget*>(form3),
                       static_cast<QWidget*>(form4), static_cast<QWidget*>(form5)}) {
        const QList<QSize> sizes = w->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256))) << w->metaObject()->className();
    }
}

}  // namespace
}  // namespace kl::test
