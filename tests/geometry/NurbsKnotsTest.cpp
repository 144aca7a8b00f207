#include "geometry/NurbsKnots.h"
#include "geometry/BSplineBasis.h"

#include <gtest/gtest.h>

#include <algorithm>

using kavo::host::geometry::BSplineBasis;
using kavo::host::geometry::NurbsForm;
using kavo::host::geometry::NurbsKnots;

namespace {
const NurbsKnots kPeriodic(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
}

TEST(NurbsKnots, HostLayoutDomainClampAndWrap)
{
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 0, 1, 1, 1, 1}).isValid()) << "phantom knots";
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 1, 0, 1, 1}).isValid()) << "decreasing";
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 1, 1, 1, 1}).isValid()) << "empty domain";

    const NurbsKnots open(2, 4, NurbsForm::kOpen, {2, 2, 3, 4, 4});
    ASSERT_TRUE(open.isValid());
    EXPECT_EQ(open.domainStart(), 2.0);
    EXPECT_EQ(open.domainEnd(), 4.0);
    EXPECT_EQ(open.toDomain(0.0), 2.0);
    EXPECT_EQ(open.toDomain(4.0 + 1e-9), 4.0);

    EXPECT_EQ(kPeriodic.domainStart(), 2.0);
    EXPECT_EQ(kPeriodic.domainEnd(), 10.0);
    EXPECT_EQ(kPeriodic.toDomain(13.0), 5.0);
    EXPECT_EQ(kPeriodic.toDomain(10.0), 2.0);
    EXPECT_EQ(kPeriodic.toDomain(-6.5), 9.5);
    EXPECT_LT(kPeriodic.toDomain(-1e-17), kPeriodic.domainEnd());
}

TEST(BSplineBasis, PartitionOfUnityWithDerivativesMatchingDifferences)
{
    const NurbsKnots knotVectors[] = {
        NurbsKnots(3, 7, NurbsForm::kOpen, {0, 0, 0, 0.5, 1.5, 2, 4, 4, 4}),
        NurbsKnots(3, 6, NurbsForm::kOpen, {0, 0, 0, 1, 1, 2, 2, 2}), // double interior knot
        NurbsKnots(2, 5, NurbsForm::kOpen, {2, 2, 3, 4, 4, 4}),       // triple end knot
        kPeriodic,
    };
    const double h = 1e-5;
    for (const NurbsKnots& knots : knotVectors) {
        ASSERT_TRUE(knots.isValid());
        for (int i = 0; i <= 40; ++i) {
            const double t = knots.domainStart() + knots.domainLength() * i / 40.0;
            const BSplineBasis basis(knots, t);
            ASSERT_GE(basis.firstCV(), 0);
            ASSERT_LE(basis.firstCV() + basis.count(), knots.numCVs());
            const BSplineBasis before(knots, std::max(t - h, knots.domainStart()));
            const BSplineBasis after(knots, std::min(t + h, knots.domainEnd()));
            const bool insideOneSpan = before.firstCV() == basis.firstCV() && after.firstCV() == basis.firstCV() &&
                                       t - h >= knots.domainStart() && t + h <= knots.domainEnd();
            double sum = 0.0;
            for (int k = 0; k < basis.count(); ++k) {
                EXPECT_GE(basis.value(k, 0), 0.0);
                sum += basis.value(k, 0);
                if (insideOneSpan) {
                    EXPECT_NEAR(basis.value(k, 1), (after.value(k, 0) - before.value(k, 0)) / (2 * h), 1e-6);
                    EXPECT_NEAR(basis.value(k, 2), (after.value(k, 1) - before.value(k, 1)) / (2 * h), 1e-5);
                }
            }
            EXPECT_NEAR(sum, 1.0, 1e-14) << "t = " << t;
        }
    }
}
