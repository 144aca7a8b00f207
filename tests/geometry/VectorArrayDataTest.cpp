#include "GeometryExpectations.h"

#include <maya/MFnMeshData.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MVectorArray.h>

#include <gtest/gtest.h>

TEST(VectorArrayData, HoldsAndHandsOutCopiesOfItsVectors)
{
    MVectorArray positions;
    positions.append(MVector(1, 2, 3));
    positions.append(MVector(4, 5, 6));
    MFnVectorArrayData fn;
    MStatus status;
    MObject data = fn.create(positions, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(data.apiType(), MFn::kVectorArrayData);
    EXPECT_TRUE(data.hasFn(MFn::kData));

    // The data keeps its own copy of what it was made from.
    positions[0] = MVector(9, 9, 9);
    MFnVectorArrayData attached(data);
    EXPECT_EQ(attached.length(), 2u);
    MVectorArray held = attached.array();
    EXPECT_TRUE(isNear(held[0], MVector(1, 2, 3), 0.0));

    held[1] = MVector(0, 0, 0);
    MVectorArray copy;
    ASSERT_EQ(attached.copyTo(copy), MStatus::kSuccess);
    EXPECT_TRUE(isNear(copy[1], MVector(4, 5, 6), 0.0));

    ASSERT_EQ(attached.set(positions), MStatus::kSuccess);
    EXPECT_TRUE(isNear(attached.array()[0], MVector(9, 9, 9), 0.0));
}

TEST(VectorArrayData, FunctionSetRefusesOtherData)
{
    MObject mesh = MFnMeshData().create();
    MStatus status;
    MFnVectorArrayData fn(mesh, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(fn.length(&status), 0u);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(fn.array().length(), 0u);
    EXPECT_EQ(fn.set(MVectorArray(3)), MStatus::kInvalidParameter);
}
