// The printed calendar from the shipped files, as kestralune-cli writes it:
// fifteen pages, the signs' fonts and pictures embedded, within the size a
// calendar file may have.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/files.h"
#include "support/testsupport.h"

namespace kl::test {
namespace {

using ShippedCalendar = ProgramDirTest;

int runCli(const std::string& args) {
    const std::string cmd = "KESTRALUNE_DIR='" + std::string(KL_SHIPPED_DIR) + "' " + KL_CLI_PATH + " " + args;
    return std::system(cmd.c_str());
}

TEST_F(ShippedCalendar, FifteenSharpPagesWithinTenMegabytes) {
    for (const std::string form : {"", " --glyphs"}) {
        const std::string pdf = path("year.pdf");
        ASSERT_EQ(runCli("calendar 2026 '" + pdf + "' --paper A4 --lang ru" + form + " 2> '" + path("err") + "'"), 0)
            << readFile("err");
        EXPECT_EQ(readFile("err"), "") << form;
        const std::string bytes = readFile("year.pdf");
        EXPECT_LE(bytes.size(), 10u << 20) << form;
        const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        EXPECT_EQ(text.count(QRegularExpression("/Type /Page[^s]")), 15) << form;
        EXPECT_GE(text.count("/FontFile2"), 1) << "texts are text" << form;
    }
}

}  // namespace
}  // namespace kl::test
