#include "geometry/BSplineBasis.h"
#include "geometry/NurbsKnots.h"

#include <gtest/gtest.h>

#include <vector>

using kavo::host::geometry::BSplineBasis;
using kavo::host::geometry::NurbsForm;
using kavo::host::geometry::NurbsKnots;

namespace {

// Knot vectors that exercise the basis: clamped ends with uneven interior
// knots, a double interior knot, a uniform periodic layout and a domain that
// does not start at 0.
std::vector<NurbsKnots> sampleKnotVectors()
{
    return {
        NurbsKnots(3, 7, NurbsForm::kOpen, {0, 0, 0, 0.5, 1.5, 2, 4, 4, 4}),
        NurbsKnots(3, 6, NurbsForm::kOpen, {0, 0, 0, 1, 1, 2, 2, 2}),
        NurbsKnots(2, 5, NurbsForm::kOpen, {2, 2, 3, 4, 4, 4}),
        NurbsKnots(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
        NurbsKnots(1, 3, NurbsForm::kOpen, {0, 1, 3}),
    };
}

std::vector<double> parametersAcross(const NurbsKnots& knots)
{
    std::vector<double> ts;
    for (int i = 0; i <= 40; ++i)
        ts.push_back(knots.domainStart() + knots.domainLength() * i / 40.0);
    return ts;
}

double basisValueAt(const NurbsKnots& knots, int cv, double t)
{
    const BSplineBasis basis(knots, t);
    const int k = cv - basis.firstCV();
    return k >= 0 && k < basis.count() ? basis.value(k, 0) : 0.0;
}

}  // namespace

TEST(NurbsKnots, RejectsLayoutsTheEvaluationCannotUse)
{
    EXPECT_TRUE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 1, 1, 1}).isValid());
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 0, 0, 1, 1, 1, 1}).isValid())
        << "the textbook count with phantom knots is not the host's";
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 1, 0, 1, 1}).isValid()) << "decreasing";
    EXPECT_FALSE(NurbsKnots(3, 4, NurbsForm::kOpen, {0, 0, 1, 1, 1, 1}).isValid()) << "empty domain";
    EXPECT_FALSE(NurbsKnots(3, 3, NurbsForm::kOpen, {0, 0, 1, 1, 1}).isValid()) << "too few CVs";
    EXPECT_FALSE(NurbsKnots(0, 2, NurbsForm::kOpen, {}).isValid());
    EXPECT_FALSE(NurbsKnots(1, 2, static_cast<NurbsForm>(0), {0, 1}).isValid());
}

TEST(NurbsKnots, DomainRunsFromKnotDegreeMinusOneToKnotNumCVsMinusOne)
{
    const NurbsKnots periodic(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(periodic.domainStart(), 2.0);
    EXPECT_EQ(periodic.domainEnd(), 10.0);

    const NurbsKnots shifted(2, 4, NurbsForm::kOpen, {2, 2, 4, 4});
    EXPECT_EQ(shifted.domainStart(), 2.0);
    EXPECT_EQ(shifted.domainEnd(), 4.0);
}

TEST(NurbsKnots, OpenDirectionsClampAndPeriodicOnesWrap)
{
    const NurbsKnots open(2, 4, NurbsForm::kOpen, {2, 2, 3, 4, 4});
    EXPECT_EQ(open.toDomain(0.0), 2.0);
    EXPECT_EQ(open.toDomain(4.0 + 1e-9), 4.0);
    EXPECT_EQ(open.toDomain(3.25), 3.25);

    const NurbsKnots periodic(3, 11, NurbsForm::kPeriodic, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    EXPECT_EQ(periodic.toDomain(13.0), 5.0);
    EXPECT_EQ(periodic.toDomain(10.0), 2.0);
    EXPECT_EQ(periodic.toDomain(-6.5), 9.5);
    EXPECT_NEAR(periodic.toDomain(2.0 + 8.0 * 1000 + 0.25), 2.25, 1e-9);
    EXPECT_LT(periodic.toDomain(-1e-17), periodic.domainEnd());
}

TEST(NurbsKnots, SpanAtTheDomainEndIsTheLastNonEmptyOne)
{
    // A quadratic whose end knot is triple: the last span of the domain is empty.
    const NurbsKnots knots(2, 5, NurbsForm::kOpen, {0, 0, 1, 2, 2, 2});
    const int span = knots.findSpan(knots.domainEnd());
    EXPECT_LT(knots.fullKnot(span), knots.fullKnot(span + 1));
    EXPECT_EQ(knots.fullKnot(span + 1), 2.0);
    EXPECT_EQ(knots.findSpan(0.0), 2);
    EXPECT_EQ(knots.findSpan(1.0), 3);
}

TEST(BSplineBasis, FormsAPartitionOfUnityWhoseDerivativesSumToZero)
{
    for (const NurbsKnots& knots : sampleKnotVectors()) {
        ASSERT_TRUE(knots.isValid());
        for (double t : parametersAcross(knots)) {
            const BSplineBasis basis(knots, t);
            ASSERT_GE(basis.firstCV(), 0);
            ASSERT_LE(basis.firstCV() + basis.count(), knots.numCVs());
            double sums[3] = {0, 0, 0};
            for (int k = 0; k < basis.count(); ++k) {
                EXPECT_GE(basis.value(k, 0), 0.0);
                for (int order = 0; order < 3; ++order)
                    sums[order] += basis.value(k, order);
            }
            EXPECT_NEAR(sums[0], 1.0, 1e-14) << "t = " << t;
            EXPECT_NEAR(sums[1], 0.0, 1e-12) << "t = " << t;
            EXPECT_NEAR(sums[2], 0.0, 1e-10) << "t = " << t;
        }
    }
}

TEST(BSplineBasis, DerivativesMatchDifferencesOfTheValues)
{
    const double h = 1e-5;
    for (const NurbsKnots& knots : sampleKnotVectors()) {
        for (double t : parametersAcross(knots)) {
            // Stay inside one span so the difference quotients see a polynomial.
            const BSplineBasis basis(knots, t);
            const int span = basis.firstCV() + knots.degree();
            if (t - h < knots.fullKnot(span) || t + h >= knots.fullKnot(span + 1))
                continue;
            for (int k = 0; k < basis.count(); ++k) {
                const int cv = basis.firstCV() + k;
                const double before = basisValueAt(knots, cv, t - h);
                const double after = basisValueAt(knots, cv, t + h);
                EXPECT_NEAR(basis.value(k, 1), (after - before) / (2 * h), 1e-6);
                EXPECT_NEAR(basis.value(k, 2), (after - 2 * basis.value(k, 0) + before) / (h * h), 2e-3);
            }
        }
    }
}

TEST(BSplineBasis, DegreeOneHasNoSecondDerivative)
{
    const NurbsKnots knots(1, 3, NurbsForm::kOpen, {0, 1, 3});
    const BSplineBasis basis(knots, 2.0);
    EXPECT_EQ(basis.firstCV(), 1);
    EXPECT_DOUBLE_EQ(basis.value(0, 0), 0.5);
    EXPECT_DOUBLE_EQ(basis.value(0, 1), -0.5);
    EXPECT_EQ(basis.value(0, 2), 0.0);
    EXPECT_EQ(basis.value(1, 2), 0.0);
}
