#pragma once

#include "geometry/PolygonMesh.h"

#include <maya/MFloatPointArray.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSubd.h>
#include <maya/MIntArray.h>
#include <maya/MPointArray.h>

#include <gtest/gtest.h>

// Data objects built the way plug-in code builds them, through the public
// creation calls.

inline MObject meshDataFrom(const kavo::host::geometry::PolygonMesh& mesh)
{
    MFloatPointArray points;
    for (const MPoint& point : mesh.points)
        points.append(MFloatPoint(point));
    const MIntArray counts(mesh.faceVertexCounts.data(), static_cast<unsigned int>(mesh.faceVertexCounts.size()));
    const MIntArray connects(mesh.faceVertexIndices.data(), static_cast<unsigned int>(mesh.faceVertexIndices.size()));
    MFnMesh fn;
    MStatus status;
    MObject data = fn.create(static_cast<int>(points.length()), static_cast<int>(counts.length()), points, counts,
                             connects, MObject::kNullObj, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

inline MObject subdDataFrom(const kavo::host::geometry::PolygonMesh& base, bool reverseNormal = false)
{
    MPointArray points;
    for (const MPoint& point : base.points)
        points.append(point);
    const MIntArray counts(base.faceVertexCounts.data(), static_cast<unsigned int>(base.faceVertexCounts.size()));
    const MIntArray connects(base.faceVertexIndices.data(), static_cast<unsigned int>(base.faceVertexIndices.size()));
    MFnSubd fn;
    MStatus status;
    MObject data =
        fn.createBaseMesh(reverseNormal, static_cast<int>(points.length()), static_cast<int>(counts.length()), points,
                          counts, connects, MObject::kNullObj, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}
