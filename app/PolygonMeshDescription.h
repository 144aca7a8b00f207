#pragma once

// A polygon mesh as plain lists, the way files and the built-in examples
// describe one before it becomes host data: the points, the corner count of
// every face and the point of every corner (face-vertex), face after face,
// with optional UVs and normals chosen per face-vertex.

#include <maya/MPoint.h>
#include <maya/MVector.h>

#include <vector>

namespace kavo::app {

struct PolygonMeshDescription
{
    std::vector<MPoint> points;
    std::vector<int> faceCounts;
    std::vector<int> faceVertices;

    // The UV list, and a UV id per face-vertex (-1 for none); empty when the
    // mesh has no UVs.
    std::vector<float> us;
    std::vector<float> vs;
    std::vector<int> faceVertexUvs;

    // The normal list, and a normal id per face-vertex (-1 for none); empty
    // when the mesh has no normals of its own and takes smooth ones.
    std::vector<MVector> normals;
    std::vector<int> faceVertexNormals;

    int faceCount() const { return static_cast<int>(faceCounts.size()); }
    int pointCount() const { return static_cast<int>(points.size()); }

    void addFace(std::initializer_list<int> corners)
    {
        faceCounts.push_back(static_cast<int>(corners.size()));
        faceVertices.insert(faceVertices.end(), corners);
    }
};

} // namespace kavo::app
