#pragma once

#include <string>
#include <vector>

namespace kavo::host::geometry {

// One named set of texture coordinates of a polygon mesh: a list of (u, v)
// pairs and, for every face-vertex of the mesh, the id of its pair in the
// list or kNone.
struct UVSet
{
    static constexpr int kNone = -1;

    std::string name;
    std::vector<float> u;
    std::vector<float> v;
    std::vector<int> faceVertexUVs;

    int uvCount() const { return static_cast<int>(u.size()); }
    bool hasUV(int faceVertex) const { return faceVertexUVs[faceVertex] != kNone; }
};

} // namespace kavo::host::geometry
