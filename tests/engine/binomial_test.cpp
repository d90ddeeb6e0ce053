#include "binomial.h"

#include <gtest/gtest.h>

namespace marvane {
namespace {

TEST(Binomial, KnownValues) {
    EXPECT_EQ(binomial(5, 5), 1u);
    EXPECT_EQ(binomial(4, 5), 0u);
    EXPECT_EQ(binomial(52, 5), 2'598'960u);
    EXPECT_EQ(binomial(160, 5), 820'384'032u);
}

}  // namespace
}  // namespace marvane
