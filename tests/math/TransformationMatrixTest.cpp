#include "support/Matrices.h"

#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Order = MTransformationMatrix::RotationOrder;

using kavo::test::scaling;
using kavo::test::translation;

MMatrix rotationX(double a)
{
    return kavo::test::rotation(0, a);
}
MMatrix rotationY(double a)
{
    return kavo::test::rotation(1, a);
}
MMatrix rotationZ(double a)
{
    return kavo::test::rotation(2, a);
}

MMatrix rotationInOrder(const double r[3], Order order)
{
    const MMatrix x = rotationX(r[0]), y = rotationY(r[1]), z = rotationZ(r[2]);
    switch (order) {
    case MTransformationMatrix::kYZX: return y * z * x;
    case MTransformationMatrix::kZXY: return z * x * y;
    case MTransformationMatrix::kXZY: return x * z * y;
    case MTransformationMatrix::kYXZ: return y * x * z;
    case MTransformationMatrix::kZYX: return z * y * x;
    default: return x * y * z;
    }
}

const double kRotation[3] = {0.3, -0.7, 1.1};
const double kUnitScale[3] = {1.0, 1.0, 1.0};

TEST(MTransformationMatrix, DecomposesScaleRotationAndTranslation)
{
    const MMatrix rotation = rotationInOrder(kRotation, MTransformationMatrix::kXYZ);
    const MMatrix source = scaling(2.0, 0.5, 3.0) * rotation * translation(4.0, -5.0, 6.0);

    MTransformationMatrix transform(source);
    EXPECT_TRUE(transform.asMatrix().isEquivalent(source, 1e-12));

    double scale[3];
    double angles[3];
    Order order;
    ASSERT_TRUE(transform.getScale(scale, MSpace::kTransform));
    ASSERT_TRUE(transform.getRotation(angles, order));
    EXPECT_EQ(order, MTransformationMatrix::kXYZ);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(angles[i], kRotation[i], 1e-12);
    EXPECT_NEAR(scale[0], 2.0, 1e-12);
    EXPECT_NEAR(scale[1], 0.5, 1e-12);
    EXPECT_NEAR(scale[2], 3.0, 1e-12);
    EXPECT_TRUE(transform.getTranslation(MSpace::kWorld).isEquivalent(MVector(4.0, -5.0, 6.0)));

    // With the scale set back to 1 only the rotation and translation remain.
    ASSERT_TRUE(transform.setScale(kUnitScale, MSpace::kObject));
    EXPECT_TRUE(transform.asMatrix().isEquivalent(rotation * translation(4.0, -5.0, 6.0), 1e-12));
}

TEST(MTransformationMatrix, ShearSurvivesTheRoundTrip)
{
    MMatrix shear;
    shear[1][0] = 0.4;
    shear[2][0] = -0.25;
    shear[2][1] = 0.6;
    const MMatrix source = scaling(1.5, 2.0, 0.75) * shear * rotationInOrder(kRotation, MTransformationMatrix::kXYZ) *
                           translation(1.0, 2.0, 3.0);

    MTransformationMatrix transform(source);
    EXPECT_TRUE(transform.asMatrix().isEquivalent(source, 1e-12));
    double decomposed[3];
    ASSERT_TRUE(transform.getShear(decomposed, MSpace::kTransform));
    EXPECT_NEAR(decomposed[0], 0.4, 1e-12);
    EXPECT_NEAR(decomposed[1], -0.25, 1e-12);
    EXPECT_NEAR(decomposed[2], 0.6, 1e-12);

    const double newShear[3] = {0.0, 0.0, 0.0};
    ASSERT_TRUE(transform.setShear(newShear, MSpace::kTransform));
    EXPECT_TRUE(transform.asMatrix().isEquivalent(
        scaling(1.5, 2.0, 0.75) * rotationInOrder(kRotation, MTransformationMatrix::kXYZ) * translation(1.0, 2.0, 3.0),
        1e-12));
}

TEST(MTransformationMatrix, MirroringMatrixRecomposesWithAProperRotation)
{
    const MMatrix source =
        scaling(-2.0, 1.0, 1.0) * rotationInOrder(kRotation, MTransformationMatrix::kXYZ) * translation(0.5, 0.0, 0.0);
    MTransformationMatrix transform(source);
    EXPECT_TRUE(transform.asMatrix().isEquivalent(source, 1e-12));

    double scale[3];
    double angles[3];
    Order order;
    transform.getScale(scale, MSpace::kTransform);
    transform.getRotation(angles, order);
    EXPECT_LT(scale[0] * scale[1] * scale[2], 0.0);
    EXPECT_NEAR(rotationInOrder(angles, order).det3x3(), 1.0, 1e-12);
}

TEST(MTransformationMatrix, SingularMatrixDecomposesWithoutNonFiniteValues)
{
    MTransformationMatrix transform(scaling(0.0, 2.0, 0.0) * translation(1.0, 2.0, 3.0));
    const MMatrix result = transform.asMatrix();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_TRUE(std::isfinite(result[r][c]));
    EXPECT_TRUE(result.isEquivalent(scaling(0.0, 2.0, 0.0) * translation(1.0, 2.0, 3.0), 1e-12));
}

TEST(MTransformationMatrix, EveryRotationOrderRoundTrips)
{
    const Order orders[] = {MTransformationMatrix::kXYZ, MTransformationMatrix::kYZX, MTransformationMatrix::kZXY,
                            MTransformationMatrix::kXZY, MTransformationMatrix::kYXZ, MTransformationMatrix::kZYX};
    const double gimbal[3] = {0.4, M_PI / 2, 0.0};
    for (const Order order : orders) {
        for (const double* angles : {kRotation, gimbal}) {
            MTransformationMatrix transform;
            ASSERT_TRUE(transform.setRotation(angles, order));
            const MMatrix expected = rotationInOrder(angles, order);
            EXPECT_TRUE(transform.asMatrix().isEquivalent(expected, 1e-12)) << "order " << order;

            // Re-expressed in every other order, the matrix stays the same.
            for (const Order other : orders) {
                MTransformationMatrix reordered(transform);
                ASSERT_TRUE(reordered.reorderRotation(other));
                EXPECT_EQ(reordered.rotationOrder(), other);
                EXPECT_TRUE(reordered.asMatrix().isEquivalent(expected, 1e-12))
                    << "order " << order << " reordered to " << other;
            }
        }
    }
    MTransformationMatrix transform;
    EXPECT_EQ(transform.setRotation(kRotation, MTransformationMatrix::kLast), MStatus::kInvalidParameter);
}

TEST(MTransformationMatrix, BalancedScalePivotKeepsTheComposite)
{
    MTransformationMatrix transform(rotationInOrder(kRotation, MTransformationMatrix::kXYZ) * translation(1, 2, 3));
    const double scale[3] = {2.0, 4.0, 0.5};
    transform.setScale(scale, MSpace::kObject);
    const MMatrix before = transform.asMatrix();

    ASSERT_TRUE(transform.setScalePivot(MPoint(3.0, -1.0, 2.0), MSpace::kObject, true));
    EXPECT_TRUE(transform.asMatrix().isEquivalent(before, 1e-12));
    EXPECT_TRUE(transform.scalePivot(MSpace::kObject).isEquivalent(MPoint(3.0, -1.0, 2.0)));
    EXPECT_TRUE(transform.scalePivotTranslation(MSpace::kObject).isEquivalent(MVector(3.0, -3.0, -1.0)));

    // Without balance the pivot moves the scaled object.
    ASSERT_TRUE(transform.setScalePivot(MPoint(0.0, 0.0, 0.0), MSpace::kObject, false));
    EXPECT_FALSE(transform.asMatrix().isEquivalent(before, 1e-6));
}

TEST(MTransformationMatrix, PureScaleWithBalancedPivotInvertsExactly)
{
    // The composition the deformer's scale matrix relies on: a pure scale,
    // its pivot moved with balance, then inverted.
    MTransformationMatrix transform(MMatrix::identity);
    const double scale[3] = {2.0, 4.0, 0.5};
    transform.setScale(scale, MSpace::kWorld);
    transform.setScalePivot(MPoint(0.1, 0.7, -3.3), MSpace::kWorld, true);
    EXPECT_EQ(transform.asMatrix(), scaling(2.0, 4.0, 0.5));
    EXPECT_EQ(MPoint(2.0, 4.0, 0.5) * transform.asMatrixInverse(), MPoint(1.0, 1.0, 1.0));

    MTransformationMatrix unitScale(MMatrix::identity);
    unitScale.setScale(kUnitScale, MSpace::kWorld);
    unitScale.setScalePivot(MPoint(0.1, 0.7, -3.3), MSpace::kWorld, true);
    EXPECT_EQ(unitScale.asMatrixInverse(), MMatrix::identity);
}

TEST(MTransformationMatrix, BalancedRotatePivotKeepsTheComposite)
{
    MTransformationMatrix transform(scaling(2, 3, 4) * rotationInOrder(kRotation, MTransformationMatrix::kXYZ) *
                                    translation(1, 2, 3));
    const MMatrix before = transform.asMatrix();
    ASSERT_TRUE(transform.setRotatePivot(MPoint(-2.0, 0.5, 1.0), MSpace::kTransform, true));
    EXPECT_TRUE(transform.asMatrix().isEquivalent(before, 1e-12));
    ASSERT_TRUE(transform.setRotatePivot(MPoint(1.0, 1.0, 1.0), MSpace::kTransform, false));
    EXPECT_FALSE(transform.asMatrix().isEquivalent(before, 1e-6));
}

TEST(MTransformationMatrix, ComposesPivotsInTheHostOrder)
{
    MTransformationMatrix transform;
    const double scale[3] = {2.0, 3.0, 4.0};
    const double rotation[3] = {0.0, 0.0, M_PI / 2};
    transform.setScale(scale, MSpace::kTransform);
    transform.setRotation(rotation, MTransformationMatrix::kXYZ);
    transform.setScalePivot(MPoint(1.0, 1.0, 1.0), MSpace::kTransform, false);
    transform.setScalePivotTranslation(MVector(0.5, 0.0, 0.0), MSpace::kTransform);
    transform.setRotatePivot(MPoint(0.0, 2.0, 0.0), MSpace::kTransform, false);
    transform.setRotatePivotTranslation(MVector(0.0, 0.0, 1.0), MSpace::kTransform);
    transform.setTranslation(MVector(10.0, 0.0, 0.0), MSpace::kTransform);

    // inv(Sp) S Sp St: (0,0,0) -> (-1,-1,-1) -> (-2,-3,-4) -> (-1,-2,-3) -> (-0.5,-2,-3)
    // inv(Rp) R Rp Rt: -> (-0.5,-4,-3) -> z by 90 deg: (4,-0.5,-3) -> (4,1.5,-3) -> (4,1.5,-2)
    // T:               -> (14,1.5,-2)
    EXPECT_TRUE((MPoint::origin * transform.asMatrix()).isEquivalent(MPoint(14.0, 1.5, -2.0), 1e-12));
    EXPECT_TRUE((transform.asMatrixInverse() * transform.asMatrix()).isEquivalent(MMatrix::identity, 1e-12));
    EXPECT_TRUE(transform.asMatrix(0.0).isEquivalent(MMatrix::identity, 1e-15));
    EXPECT_EQ(transform.asMatrix(1.0), transform.asMatrix());
}

TEST(MTransformationMatrix, RandomAffineMatricesRecompose)
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> element(-2.0, 2.0);
    for (int i = 0; i < 200; ++i) {
        MMatrix source;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c)
                source[r][c] = element(random);
        const MTransformationMatrix transform(source);
        EXPECT_TRUE(transform.asMatrix().isEquivalent(source, 1e-9)) << source;
        EXPECT_TRUE((transform.asMatrixInverse() * source).isEquivalent(MMatrix::identity, 1e-9)) << source;

        double angles[3];
        Order order;
        transform.getRotation(angles, order);
        EXPECT_LE(std::fabs(angles[1]), M_PI / 2);
    }
}

TEST(MTransformationMatrix, PivotsAreCartesian)
{
    MTransformationMatrix transform;
    transform.setScalePivot(MPoint(2.0, 4.0, 6.0, 2.0), MSpace::kObject, false);
    EXPECT_EQ(transform.scalePivot(MSpace::kObject), MPoint(1.0, 2.0, 3.0));
    transform.setRotatePivot(MPoint(2.0, 4.0, 6.0, 2.0), MSpace::kObject, false);
    EXPECT_EQ(transform.rotatePivot(MSpace::kObject), MPoint(1.0, 2.0, 3.0));
}

TEST(MTransformationMatrix, RejectsInvalidSpaces)
{
    MTransformationMatrix transform;
    double scale[3];
    EXPECT_EQ(transform.getScale(scale, MSpace::kInvalid), MStatus::kInvalidParameter);
    EXPECT_EQ(transform.setScale(kUnitScale, MSpace::kLast), MStatus::kInvalidParameter);
    MStatus status;
    transform.getTranslation(MSpace::kInvalid, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

} // namespace
