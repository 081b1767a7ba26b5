// The user's autostart entry: where it goes, what it says, and that it is
// written, switched off and removed as the session reads it.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/autostart.h"
#include "support/testsupport.h"

namespace kl::platform {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the test's life and puts back the old value.
class EnvSetting {
public:
    EnvSetting(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~EnvSetting() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class Autostart : public test::ProgramDirTest {};

TEST_F(Autostart, TheEntryGoesUnderXdgConfigHomeElseHomeConfig) {
    {
        EnvSetting config("XDG_CONFIG_HOME", "/somewhere/cfg");
        EXPECT_EQ(autostartPath(), "/somewhere/cfg/autostart/kestralune.desktop");
    }
    EnvSetting home("HOME", "/home/user");
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/cfg"}) {
        EnvSetting config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(autostartPath(), "/home/user/.config/autostart/kestralune.desktop") << (unusable ? unusable : "unset");
    }
    EnvSetting noHome("HOME", nullptr);
    EnvSetting config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(autostartPath(), "");
    std::string error;
    EXPECT_FALSE(setAutostart(true, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(Autostart, SwitchingOnWritesAnEntryThatStartsThisProgramAndOffRemovesIt) {
    EnvSetting config("XDG_CONFIG_HOME", (dir + "/cfg").c_str());
    const std::string entry = dir + "/cfg/autostart/kestralune.desktop";
    EXPECT_FALSE(autostartEnabled());
    std::string error;
    ASSERT_TRUE(setAutostart(true, error)) << error;  // the folders are made
    EXPECT_TRUE(autostartEnabled());
    const std::string text = readFile("cfg/autostart/kestralune.desktop");
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    // Exec names this very executable by its absolute path.
    const std::string exec = launchCommand();
    EXPECT_TRUE(fs::path(exec).is_absolute());
    EXPECT_TRUE(fs::equivalent(exec, "/proc/self/exe"));
    EXPECT_NE(text.find("\nExec=" + desktopExec(exec) + "\n"), std::string::npos);
    EXPECT_EQ(fs::directory_iterator(dir + "/cfg/autostart")->path(), entry);  // no partial file left
    // Writing again replaces the entry; off removes it, and off again is no failure.
    ASSERT_TRUE(setAutostart(true, error));
    ASSERT_TRUE(setAutostart(false, error)) << error;
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(autostartEnabled());
    EXPECT_TRUE(setAutostart(false, error)) << error;
}

TEST_F(Autostart, AnEntryTheSessionWasToldToSkipIsOff) {
    EnvSetting config("XDG_CONFIG_HOME", dir.c_str());
    fs::create_directories(dir + "/autostart");
    writeFile("autostart/kestralune.desktop", "[Desktop Entry]\nExec=kestralune\nHidden = true\n");
    EXPECT_FALSE(autostartEnabled());
    writeFile("autostart/kestralune.desktop", "[Desktop Entry]\r\nX-GNOME-Autostart-enabled=false\r\n");
    EXPECT_FALSE(autostartEnabled());
    // The keys count only in the entry's own group.
    writeFile("autostart/kestralune.desktop", "[Desktop Entry]\nExec=kestralune\n[Desktop Action x]\nHidden=true\n");
    EXPECT_TRUE(autostartEnabled());
}

TEST_F(Autostart, AFolderThatCannotBeMadeIsReportedAndNothingIsWritten) {
    writeFile("cfg", "a file where the folder would be");
    EnvSetting config("XDG_CONFIG_HOME", (dir + "/cfg").c_str());
    std::string error;
    EXPECT_FALSE(setAutostart(true, error));
    EXPECT_NE(error.find(dir + "/cfg"), std::string::npos) << error;
    EXPECT_EQ(readFile("cfg"), "a file where the folder would be");
}

TEST(AutostartExec, ProgramPathsAreQuotedAsDesktopEntriesRead) {
    const struct { const char* program; const char* exec; } cases[] = {
        {"/usr/bin/kestralune", "/usr/bin/kestralune"},
        {"/home/a b/kestralune", "\"/home/a b/kestralune\""},
        {"/opt/$x/k\"l", "\"/opt/\\\\$x/k\\\\\"l\""},      // "\$x" and "\"", backslashes escaped again
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},  // one backslash becomes four
        {"/opt/100%/kl", "/opt/100%%/kl"},                    // no field code
        {"/opt/new\nline", ""},                               // cannot be written at all
    };
    for (const auto& c : cases) EXPECT_EQ(desktopExec(c.program), c.exec) << c.program;
}

TEST_F(Autostart, AnInstalledProgramStartsThroughItsLauncher) {
    fs::create_directories(dir + "/usr/lib/kestralune");
    fs::create_directories(dir + "/usr/bin");
    const std::string exe = dir + "/usr/lib/kestralune/kestralune";
    writeFile("usr/lib/kestralune/kestralune", "");
    EXPECT_EQ(launchCommandFor(exe), exe);  // no launcher beside it
    writeFile("usr/bin/kestralune", "#!/bin/sh\n");
    EXPECT_EQ(launchCommandFor(exe), exe);  // one that cannot be run does not count
    ::chmod((dir + "/usr/bin/kestralune").c_str(), 0755);
    EXPECT_EQ(launchCommandFor(exe), dir + "/usr/bin/kestralune");
    EXPECT_EQ(launchCommandFor(dir + "/build/run/kestralune"), dir + "/build/run/kestralune");
}

}  // namespace
}  // namespace kl::platform
