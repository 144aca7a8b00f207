#pragma once

#include <maya/MVector.h>

#include <vector>

namespace kavo::host::geometry {

class MeshData;

// A mesh's normal list as the host presents it: the distinct normals in
// object space and a normal id for every face-vertex. Face-vertices without
// a normal of their own share their vertex's smooth normal; those with one
// share an id with the other face-vertices of the same vertex given the same
// normal. Ids are numbered in the order the face-vertices are met.
struct MeshNormalList
{
    std::vector<MVector> normals;
    std::vector<int> faceVertexNormalIds;

    static MeshNormalList of(const MeshData& mesh);
    // The face-vertex normal ids alone, as of() numbers them, without
    // working out a single normal.
    static std::vector<int> idsOf(const MeshData& mesh);
};

} // namespace kavo::host::geometry
