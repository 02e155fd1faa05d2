// ce::Region: the set arithmetic the update and visible regions rely on.
#include "geometry/region.h"

#include <gtest/gtest.h>

namespace {

using ce::Region;

Region regionOf(std::initializer_list<RECT> rects) {
    Region region;
    for (const RECT& rect : rects) region.unite(rect);
    return region;
}

bool disjoint(const Region& region) {
    const auto& rects = region.rects();
    for (size_t i = 0; i < rects.size(); ++i)
        for (size_t j = i + 1; j < rects.size(); ++j) {
            RECT overlap{};
            if (IntersectRect(&overlap, &rects[i], &rects[j])) return false;
        }
    return true;
}

TEST(RegionTest, UnionCountsOverlapsOnce) {
    struct Case {
        Region region;
        long long area;
        RECT bounds;
    };
    const Case cases[] = {
        {regionOf({{0, 0, 10, 10}, {5, 5, 15, 15}}), 175, {0, 0, 15, 15}},
        {regionOf({{0, 0, 10, 10}, {2, 2, 8, 8}}), 100, {0, 0, 10, 10}},
        {regionOf({{0, 0, 10, 10}, {20, 0, 30, 10}}), 200, {0, 0, 30, 10}},
        {regionOf({{0, 0, 0, 10}, {5, 5, 5, 5}}), 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.region.area(), c.area);
        EXPECT_TRUE(EqualRect(&c.bounds, &static_cast<const RECT&>(c.region.bounds())));
        EXPECT_TRUE(disjoint(c.region));
    }
}

TEST(RegionTest, SubtractCutsHolesAndEdges) {
    Region frame(RECT{0, 0, 10, 10});
    frame.subtract(RECT{2, 2, 8, 8});
    EXPECT_EQ(frame.area(), 64);
    EXPECT_TRUE(disjoint(frame));
    EXPECT_FALSE(frame.contains(POINT{5, 5}));
    EXPECT_TRUE(frame.contains(POINT{1, 5}));
    EXPECT_FALSE(frame.contains(POINT{10, 5})) << "the right edge is outside";

    Region covered(RECT{0, 0, 10, 10});
    covered.subtract(RECT{-5, -5, 20, 20});
    EXPECT_TRUE(covered.empty());

    Region untouched(RECT{0, 0, 10, 10});
    untouched.subtract(RECT{10, 0, 20, 10});
    EXPECT_EQ(untouched.area(), 100);
}

TEST(RegionTest, IntersectWithRectAndRegion) {
    Region region = regionOf({{0, 0, 10, 10}, {20, 0, 30, 10}});
    Region withRect = region;
    withRect.intersect(RECT{5, 5, 25, 25});
    EXPECT_EQ(withRect.area(), 25 + 25);
    Region withRegion = region;
    withRegion.intersect(regionOf({{8, 0, 22, 2}}));
    EXPECT_EQ(withRegion.area(), 4 + 4);
    EXPECT_TRUE(withRegion.sameAreaAs(regionOf({{8, 0, 10, 2}, {20, 0, 22, 2}})));
    EXPECT_TRUE(withRegion.intersects(RECT{9, 1, 10, 2}));
    EXPECT_FALSE(withRegion.intersects(RECT{10, 0, 20, 2}));
}

TEST(RegionTest, OffsetMovesEveryRectangle) {
    Region region = regionOf({{0, 0, 10, 10}, {20, 0, 30, 10}});
    region.offset(5, -5);
    EXPECT_TRUE(region.sameAreaAs(regionOf({{5, -5, 15, 5}, {25, -5, 35, 5}})));
}

TEST(RegionTest, SameAreaIgnoresHowItIsSplit) {
    EXPECT_TRUE(regionOf({{0, 0, 10, 5}, {0, 5, 10, 10}}).sameAreaAs(Region(RECT{0, 0, 10, 10})));
    EXPECT_FALSE(regionOf({{0, 0, 10, 5}}).sameAreaAs(Region(RECT{0, 0, 10, 10})));
}

}  // namespace
