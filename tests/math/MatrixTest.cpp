#include <maya/MFloatMatrix.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

#include <random>

namespace {

MMatrix randomMatrix(std::mt19937& random, bool affine)
{
    std::uniform_real_distribution<double> element(-3.0, 3.0);
    MMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = element(random);
    if (affine) {
        m[0][3] = m[1][3] = m[2][3] = 0.0;
        m[3][3] = 1.0;
    }
    return m;
}

TEST(MMatrix, PointsAreRowVectors)
{
    MMatrix m;
    m[0][1] = 2.0; // x feeds y
    m[3][0] = 5.0; // translation in row 3
    m[2][3] = 0.5; // z feeds w
    const MPoint p = MPoint(1.0, 0.0, 4.0, 1.0) * m;
    EXPECT_EQ(p, MPoint(6.0, 2.0, 4.0, 3.0));

    // Vectors use the upper 3x3 only; the translation does not move them.
    EXPECT_EQ(MVector(1.0, 0.0, 4.0) * m, MVector(1.0, 2.0, 4.0));
    // Matrix times point is the column-vector product.
    EXPECT_EQ(m * MPoint(1.0, 0.0, 4.0, 1.0), MPoint(1.0, 0.0, 4.5, 6.0));

    // Products compose left to right: p * (A * B) == (p * A) * B.
    MMatrix scale;
    scale[0][0] = 3.0;
    EXPECT_EQ(MPoint(1.0, 0.0, 0.0) * (scale * m), MPoint(3.0, 6.0, 0.0, 1.0) + MVector(5.0, 0.0, 0.0));
}

TEST(MMatrix, FloatTwinsFollowTheSameConvention)
{
    MFloatMatrix m;
    m[0][1] = 2.0f;
    m[3][0] = 5.0f;
    EXPECT_EQ(MFloatPoint(1.0f, 0.0f, 4.0f) * m, MFloatPoint(6.0f, 2.0f, 4.0f, 1.0f));
    EXPECT_EQ(MFloatVector(1.0f, 0.0f, 4.0f) * m, MFloatVector(1.0f, 2.0f, 4.0f));

    double table[4][4];
    m.get(table);
    EXPECT_EQ(MFloatMatrix(table), m);
}

TEST(MMatrix, InverseOfAffineAndProjectiveMatrices)
{
    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        for (const bool affine : {true, false}) {
            const MMatrix m = randomMatrix(random, affine);
            EXPECT_TRUE((m * m.inverse()).isEquivalent(MMatrix::identity, 1e-12)) << m;
            EXPECT_TRUE((m.inverse() * m).isEquivalent(MMatrix::identity, 1e-12)) << m;
        }
    }

    // A zero on the diagonal needs a row swap.
    MMatrix permutation;
    permutation[0][0] = permutation[1][1] = 0.0;
    permutation[0][1] = permutation[1][0] = 1.0;
    EXPECT_EQ(permutation.inverse(), permutation);

    MFloatMatrix single(randomMatrix(random, false).matrix);
    EXPECT_TRUE((single * single.inverse()).isEquivalent(MFloatMatrix(), 1e-4f));
}

TEST(MMatrix, SingularMatrixInvertsToIdentity)
{
    MMatrix flat;
    flat[2][2] = 0.0;
    EXPECT_EQ(flat.inverse(), MMatrix::identity);
    MMatrix rankTwo;
    rankTwo[1][0] = 1.0;
    rankTwo[1][1] = 0.0;
    rankTwo[0][0] = 1.0;
    EXPECT_EQ(rankTwo.det4x4(), 0.0);
    EXPECT_EQ(rankTwo.inverse(), MMatrix::identity);

    // Tiny but non-zero scales still invert.
    MMatrix tiny;
    tiny[0][0] = 1e-9;
    EXPECT_DOUBLE_EQ(tiny.inverse()[0][0], 1e9);
}

TEST(MMatrix, Determinants)
{
    const double values[4][4] = {{2, 0, 1, 0}, {1, 3, 0, 0}, {0, 1, 4, 0}, {5, 6, 7, 2}};
    const MMatrix m(values);
    // Upper 3x3: 2*(12-0) - 0 + 1*(1-0) = 25; the last column makes it 2 * 25.
    EXPECT_DOUBLE_EQ(m.det3x3(), 25.0);
    EXPECT_DOUBLE_EQ(m.det4x4(), 50.0);
    EXPECT_DOUBLE_EQ(m.transpose().det4x4(), 50.0);
    EXPECT_EQ(m.transpose().transpose(), m);
    EXPECT_EQ(m.transpose()[0][1], 1.0);
}

TEST(MMatrix, ArithmeticAndComparison)
{
    const double values[4][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}};
    const MMatrix m(values);
    EXPECT_EQ((m + m) - m, m);
    EXPECT_EQ(2.0 * m, m * 2.0);
    EXPECT_EQ((m * 2.0)[3][3], 32.0);
    MMatrix product;
    product.setToProduct(m, MMatrix::identity);
    EXPECT_EQ(product, m);
    MMatrix nudged(m);
    nudged[1][2] += 1e-11;
    EXPECT_NE(nudged, m);
    EXPECT_TRUE(nudged.isEquivalent(m));
    EXPECT_FALSE(nudged.isEquivalent(m, 1e-12));
    EXPECT_EQ(MMatrix().setToIdentity(), MMatrix::identity);
}

} // namespace
