#include "IGeomNoiseWrapper.h"
#include "NoiseDeformerNode.h"

#include <maya/MFloatPointArray.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MTransformationMatrix.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// makeScaleMatrix is the base's own; the geometry operations are not needed.
class NoGeometry : public IGeomNoiseWrapper
{
public:
    MStatus setGeometry(MObject&, MDataHandle&, MSpace::Space) override { return MStatus::kSuccess; }
    int numPoints(MStatus&) override { return 0; }
    MStatus getPoints(MPointArray&, MSpace::Space) override { return MStatus::kSuccess; }
    MStatus getNormal(int, MVector&, MSpace::Space) override { return MStatus::kSuccess; }
    MStatus getUVs(MFloatArray&, MFloatArray&) override { return MStatus::kSuccess; }
};

// A rotated, translated and non-uniformly scaled frame, so that the pivot
// the scale matrix is built about lies well away from the origin.
MMatrix skewedFrame()
{
    MTransformationMatrix t;
    const double rotation[3] = {0.3, -1.1, 0.7};
    t.setRotation(rotation, MTransformationMatrix::kXYZ);
    t.setTranslation(MVector(4.0, -2.0, 9.0), MSpace::kTransform);
    const double scale[3] = {2.0, 3.0, 0.5};
    t.setScale(scale, MSpace::kTransform);
    return t.asMatrix();
}

TEST(MakeScaleMatrix, UnitScalesGiveTheIdentityWhateverTheFrames)
{
    NoGeometry adapter;
    for (MSpace::Space space : {MSpace::kObject, MSpace::kWorld}) {
        MMatrix result = skewedFrame();
        EXPECT_EQ(adapter.makeScaleMatrix(skewedFrame(), result, 1.0f, 1.0f, 1.0f, space, skewedFrame().inverse()),
                  MStatus::kSuccess);
        EXPECT_TRUE(result.isEquivalent(MMatrix::identity, 1e-12)) << space;
    }
}

TEST(MakeScaleMatrix, DividesEachCoordinateByItsScale)
{
    NoGeometry adapter;
    MMatrix result;
    adapter.makeScaleMatrix(skewedFrame(), result, 2.0f, 4.0f, 0.5f, MSpace::kWorld, skewedFrame().inverse());
    const MPoint mapped = MPoint(2.0, 4.0, 0.5) * result;
    EXPECT_NEAR(mapped.x, 1.0, 1e-12);
    EXPECT_NEAR(mapped.y, 1.0, 1e-12);
    EXPECT_NEAR(mapped.z, 1.0, 1e-12);
    EXPECT_NEAR(mapped.w, 1.0, 1e-12);
    const MPoint origin = MPoint::origin * result;
    EXPECT_NEAR(origin.distanceTo(MPoint::origin), 0.0, 1e-12);
}

TEST(PointArrayToMFloatPointArray, RoundsEveryCoordinateAndLeavesTheRestOfTheTarget)
{
    MPointArray source;
    source.append(MPoint(0.1, -1.0 / 3.0, 1e40, 2.0));
    source.append(MPoint(1.0, 2.0, 3.0));
    MFloatPointArray target(3, MFloatPoint(7.0f, 7.0f, 7.0f, 7.0f));

    pointArrayToMFloatPointArray(source, target);

    ASSERT_EQ(target.length(), 3u);
    EXPECT_EQ(target[0].x, 0.1f);
    EXPECT_EQ(target[0].y, -1.0f / 3.0f);
    EXPECT_TRUE(std::isinf(target[0].z));
    EXPECT_EQ(target[0].w, 2.0f);
    EXPECT_EQ(target[1], MFloatPoint(1.0f, 2.0f, 3.0f, 1.0f));
    EXPECT_EQ(target[2], MFloatPoint(7.0f, 7.0f, 7.0f, 7.0f));
}

} // namespace
