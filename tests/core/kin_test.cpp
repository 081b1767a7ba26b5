#include <gtest/gtest.h>

#include "core/kin.h"
#include "support/kindays.h"

#include <cstdlib>
#include <set>

namespace kl {
namespace {

CalendarDay kinDay(int kin) { return test::dayOfKin(kin); }

TEST(KinRelations, OracleOfKnownKins) {
    struct Row { int kin, antipod, analog, ateacher, guide, colour, group, wordForm, portal; };
    const Row rows[] = {
        {230, 20, 9, 11, 6, 2, 3, 0, 0},
        {260, 10, 19, 1, 4, 4, 5, 1, 1},
        {1, 11, 18, 20, 1, 1, 1, 1, 1},
        {223, 13, 16, 18, 15, 3, 1, 0, 0},
    };
    for (const Row& r : rows) {
        const KinRelations k = computeKinRelations(kinDay(r.kin));
        SCOPED_TRACE(r.kin);
        EXPECT_EQ(k.antipod, r.antipod);
        EXPECT_EQ(k.analog, r.analog);
        EXPECT_EQ(k.ateacher, r.ateacher);
        EXPECT_EQ(k.guide, r.guide);
        EXPECT_EQ(k.colour, r.colour);
        EXPECT_EQ(k.group, r.group);
        EXPECT_EQ(k.wordForm, r.wordForm);
        EXPECT_EQ(k.portal, r.portal);
    }
}

TEST(KinRelations, RulesHoldForEveryKin) {
    int portals = 0;
    for (int kin = 1; kin <= 260; ++kin) {
        const KinRelations k = computeKinRelations(kinDay(kin));
        const int s = k.sign;
        EXPECT_EQ(std::abs(s - k.antipod), 10) << kin;
        EXPECT_TRUE(s + k.analog == 19 || s + k.analog == 39) << kin;
        EXPECT_EQ(s + k.ateacher, 21) << kin;
        EXPECT_GE(k.guide, 1);
        EXPECT_LE(k.guide, 20);
        // The guide shares the day's colour.
        EXPECT_EQ((k.guide - 1) % 4, (s - 1) % 4) << kin;
        if (k.tone == 1 || k.tone == 6 || k.tone == 11) {
            EXPECT_EQ(k.guide, s);
        }
        EXPECT_EQ(isPortalKin(kin), isPortalKin(261 - kin)) << kin;
        EXPECT_FALSE(k.portal && k.midColumn) << kin;
        portals += k.portal;
    }
    EXPECT_EQ(portals, 52);
}

TEST(KinRelations, WordFormOfEverySeal) {
    // Seals named by a feminine noun take the second word form.
    const std::set<int> secondForm = {3, 7, 8, 9, 10, 11, 17, 19};
    for (int s = 1; s <= 20; ++s) {
        const KinRelations k = computeKinRelations(kinDay(s));  // kins 1..20 carry seals 1..20
        ASSERT_EQ(k.sign, s);
        EXPECT_EQ(k.wordForm, secondForm.count(s) ? 0 : 1) << "seal " << s;
    }
}

TEST(KinRelations, PortalsAreSymmetricInTheGrid) {
    // Kin k stands in column (k - 1) / 20 and row (k - 1) % 20 of the
    // 13 x 20 grid; the portal pattern is the same mirrored left to right
    // and top to bottom.
    const auto kinAt = [](int column, int row) { return 20 * column + row + 1; };
    for (int column = 0; column < 13; ++column) {
        for (int row = 0; row < 20; ++row) {
            const int kin = kinAt(column, row);
            EXPECT_EQ(isPortalKin(kin), isPortalKin(kinAt(12 - column, row))) << kin;
            EXPECT_EQ(isPortalKin(kin), isPortalKin(kinAt(column, 19 - row))) << kin;
        }
    }
    // Column by column: the diagonals meet in the two full columns beside
    // the middle one, which has none.
    const int perColumn[13] = {2, 2, 4, 4, 4, 10, 0, 10, 4, 4, 4, 2, 2};
    for (int column = 0; column < 13; ++column) {
        int count = 0;
        for (int row = 0; row < 20; ++row) count += isPortalKin(kinAt(column, row));
        EXPECT_EQ(count, perColumn[column]) << "column " << column;
    }
}

TEST(KinRelations, MarkersOfTheGrid) {
    EXPECT_EQ(computeKinRelations(kinDay(121)).midColumn, 1);
    EXPECT_EQ(computeKinRelations(kinDay(140)).midColumn, 1);
    EXPECT_EQ(computeKinRelations(kinDay(121)).portal, 0);
    EXPECT_EQ(computeKinRelations(kinDay(141)).midColumn, 0);
    EXPECT_EQ(computeKinRelations(kinDay(141)).portal, 0);
    EXPECT_EQ(computeKinRelations(kinDay(146)).portal, 1);
}

TEST(KinRelations, AnalogPairsAtTheEnd) {
    EXPECT_EQ(computeKinRelations(kinDay(19)).analog, 20);
    EXPECT_EQ(computeKinRelations(kinDay(20)).analog, 19);
    EXPECT_EQ(computeKinRelations(kinDay(9)).analog, 10);
}

TEST(GuideSeal, OffsetsByTone) {
    EXPECT_EQ(guideSeal(3, 2), 15);   // 3 - 8 + 20
    EXPECT_EQ(guideSeal(20, 13), 4);  // 20 + 4 - 20
    EXPECT_EQ(guideSeal(10, 9), 6);
    EXPECT_EQ(guideSeal(1, 5), 9);
    EXPECT_EQ(guideSeal(2, 4), 18);
}

}  // namespace
}  // namespace kl
