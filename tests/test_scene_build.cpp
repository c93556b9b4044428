// The ordering of the raw pairs by x, with its exact loop.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/scene_build.h"
#include "support/input_readers.h"

using namespace geometrija;
using namespace support;

TEST(SortByX, SmallestFirstThenNonIncreasing) {
    Par a[] = {{5, 0}, {1, 1}, {5, 2}, {3, 3}};
    sortByX(a, 4);
    EXPECT_EQ(xs({a, a + 4}), (std::vector<float>{1, 5, 5, 3}));
    // Pairs move whole; the exact loop (j from 1 for every i) leaves the two
    // fives in this order.
    EXPECT_EQ(a[0].y, 1);
    EXPECT_EQ(a[1].y, 2);
    EXPECT_EQ(a[2].y, 0);
    EXPECT_EQ(a[3].y, 3);

    Par b[] = {{3, 0}, {1, 0}, {2, 0}, {1, 9}};
    sortByX(b, 4);
    EXPECT_EQ(xs({b, b + 4}), (std::vector<float>{1, 3, 2, 1}));
    EXPECT_EQ(b[3].y, 9);

    Par c[] = {{0, 0}, {4, 0}, {0, 3}};
    sortByX(c, 3);
    EXPECT_EQ(c[1].x, 4);
    EXPECT_EQ(c[2].y, 3);

    Par d[] = {{2, 0}, {1, 0}};
    sortByX(d, 1);  // only the first n pairs are ordered
    EXPECT_EQ(d[0].x, 2);
}
