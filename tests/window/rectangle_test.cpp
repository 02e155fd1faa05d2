// The rectangle helpers, edge cases as the platform defines them.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

bool same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

TEST(RectangleTest, IntersectAndUnion) {
    struct Case {
        RECT first;
        RECT second;
        BOOL intersects;
        RECT intersection;
        RECT unionRect;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}, {0, 0, 15, 15}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, {0, 0, 20, 10}},
        {{0, 0, 10, 10}, {3, 3, 3, 8}, FALSE, {0, 0, 0, 0}, {0, 0, 10, 10}},  // empty second is ignored
    };
    for (const Case& c : cases) {
        RECT result{9, 9, 9, 9};
        EXPECT_EQ(IntersectRect(&result, &c.first, &c.second), c.intersects);
        EXPECT_TRUE(same(result, c.intersection));
        EXPECT_TRUE(UnionRect(&result, &c.first, &c.second));
        EXPECT_TRUE(same(result, c.unionRect));
    }
    RECT empty{}, result{1, 1, 1, 1};
    EXPECT_FALSE(UnionRect(&result, &empty, &empty));
    EXPECT_TRUE(same(result, RECT{0, 0, 0, 0}));
}

TEST(RectangleTest, PointsEmptinessAndMoves) {
    RECT rect;
    SetRect(&rect, 10, 20, 30, 40);
    EXPECT_TRUE(PtInRect(&rect, POINT{10, 20}));
    EXPECT_FALSE(PtInRect(&rect, POINT{30, 20})) << "right edge excluded";
    EXPECT_FALSE(PtInRect(&rect, POINT{10, 40})) << "bottom edge excluded";
    OffsetRect(&rect, -10, 5);
    EXPECT_TRUE(same(rect, RECT{0, 25, 20, 45}));
    InflateRect(&rect, 2, -3);
    EXPECT_TRUE(same(rect, RECT{-2, 28, 22, 42}));
    RECT copy;
    CopyRect(&copy, &rect);
    EXPECT_TRUE(same(copy, rect));
    EXPECT_FALSE(IsRectEmpty(&copy));
    SetRectEmpty(&copy);
    EXPECT_TRUE(IsRectEmpty(&copy));
    RECT inverted{10, 0, 0, 10};
    EXPECT_TRUE(IsRectEmpty(&inverted));
}

}  // namespace
