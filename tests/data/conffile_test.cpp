// conf.dat read without the dialog: defaults, full files, and files that
// stop part-way.
#include <gtest/gtest.h>

#include "data/conffile.h"
#include "data/settings.h"

namespace kl {
namespace {

std::string conf(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string(l) + "\r\n";
    return s;
}

TEST(ConfFile, ReadsEveryLineInItsPlace) {
    ConfValues v;
    EXPECT_EQ(parseConf(conf({"N", "Y", "N", "Y", "N", "120", "Y", "Y", "N", "N", "Y", "2", "1", "Face", "4"}), v),
              0);
    EXPECT_FALSE(v.yearShine);
    EXPECT_TRUE(v.yearLine);
    EXPECT_FALSE(v.yearFigure);
    EXPECT_TRUE(v.castleFigure);
    EXPECT_FALSE(v.transitions);
    EXPECT_EQ(v.speed, 99) << "outside 1..99 the nearest end";
    EXPECT_TRUE(v.swapKeys);
    EXPECT_TRUE(v.bookDate);
    EXPECT_FALSE(v.dayDate);
    EXPECT_FALSE(v.iconDate);
    EXPECT_TRUE(v.turtles);
    EXPECT_EQ(v.dateFormat, 2);
    EXPECT_EQ(v.moonModel, 1);
    EXPECT_EQ(v.signFont, "Face");
    EXPECT_EQ(v.helpCount, 4);
    applyConf(v);
    EXPECT_EQ(settings()._spconst, 0) << "transitions off";
    EXPECT_FALSE(settings()._Mlinear);
    EXPECT_TRUE(settings()._BookDate);
    EXPECT_EQ(settings()._DateFormat, 2);
    EXPECT_EQ(settings()._hlpcount, 4);
    resetSettings();
}

TEST(ConfFile, StopsAtTheFirstBadLineKeepingTheOnesBefore) {
    ConfValues v;
    EXPECT_EQ(parseConf(conf({"N", "N", "N", "N", "N", "fast"}), v), 6);
    EXPECT_FALSE(v.yearShine);
    EXPECT_EQ(v.speed, 5);
    ConfValues w;
    EXPECT_EQ(parseConf(conf({"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "Y", "Y", "N", "7"}), w), 12)
        << "a date format outside the list";
    EXPECT_TRUE(w.dayDate);
    EXPECT_EQ(w.dateFormat, 5);
    ConfValues x;
    EXPECT_EQ(parseConf("", x), 1);
    EXPECT_EQ(parseConf(conf({"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "Y", "Y", "N", "0", "0", "F"}), x), 15);
}

TEST(ConfFile, ThreeMoonModelsAndNoFourth) {
    ConfValues v;
    EXPECT_EQ(parseConf(conf({"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "N", "Y", "N", "5", "2", "", "3"}), v), 0);
    EXPECT_EQ(v.moonModel, 2);
    applyConf(v);
    EXPECT_EQ(settings()._Mmodel, 2);
    EXPECT_FALSE(settings()._Mlinear);
    resetSettings();
    EXPECT_EQ(settings()._Mmodel, 0);
    ConfValues w;
    EXPECT_EQ(parseConf(conf({"Y", "Y", "Y", "Y", "Y", "5", "N", "N", "N", "Y", "N", "5", "3", "", "3"}), w), 13);
    EXPECT_EQ(w.moonModel, ConfValues{}.moonModel) << "the line refused keeps the value before it";
    EXPECT_EQ(ConfValues{}.moonModel, 2) << "the first-run value, as the shipped conf.dat has it";
}

}  // namespace
}  // namespace kl
