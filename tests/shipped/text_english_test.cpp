// The English text set in en/ beside the Russian one: the same files with
// the same line layout, every line the Russian fills filled, no Russian left.
#include <gtest/gtest.h>

#include <QString>

#include <string>
#include <vector>

#include "platform/files.h"
#include "shipped/text_support.h"

namespace kl::test {
namespace {

bool hasCyrillic(const std::string& utf8) {
    for (const QChar c : QString::fromStdString(utf8))
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x052F) return true;
    return false;
}

TEST(EnglishTexts, EveryFileKeepsTheRussianLayoutAndNoRussian) {
    std::vector<std::string> files = {"BASE.DRS", "DAYINFO.drs", "TONEINFO.drs", "PLASMINFO.drs", "Fieldhlp.drs"};
    for (int n = 1; platform::fileExists(std::string(KL_SHIPPED_DIR) + "/hlp" + std::to_string(n) + ".dat"); ++n)
        files.push_back("hlp" + std::to_string(n) + ".dat");
    ASSERT_GT(files.size(), 5u) << "build the 'texts' target first";
    for (const std::string& name : files) {
        const auto russian = shippedLines(name), english = shippedLines("en/" + name);
        ASSERT_FALSE(russian.empty()) << name;
        EXPECT_EQ(english.size(), russian.size()) << name;
        for (std::size_t i = 0; i < english.size() && i < russian.size(); ++i) {
            if (!russian[i].empty()) {
                EXPECT_FALSE(english[i].empty()) << "en/" << name << " line " << i;
            }
            EXPECT_FALSE(hasCyrillic(english[i])) << "en/" << name << " line " << i << ": " << english[i];
        }
    }
}

TEST(EnglishTexts, SealPageNamesTheEssenceTheFaceNames) {
    const auto base = shippedLines("en/BASE.DRS"), page = shippedLines("en/DAYINFO.drs");
    ASSERT_GE(base.size(), 191u);
    ASSERT_GE(page.size(), 17u * 20);
    for (int seal = 1; seal <= 20; ++seal) {
        std::string text;
        for (int i = 17 * (seal - 1); i < 17 * seal; ++i) text += page[i] + " ";
        EXPECT_NE(text.find("its essence is " + base[170 + seal] + "."), std::string::npos) << "seal " << seal;
    }
}

}  // namespace
}  // namespace kl::test
