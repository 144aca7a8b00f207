#pragma once

#include <maya/MVector.h>

#include <cstdint>
#include <vector>

namespace kavo::host::geometry {

// The normals given to single face-vertices of a mesh. Most meshes never
// give one, so nothing is allocated until the first is set; from then on a
// flag and a normal per face-vertex.
class FaceVertexNormals
{
public:
    FaceVertexNormals() = default;
    explicit FaceVertexNormals(std::size_t faceVertexCount) : m_faceVertexCount(faceVertexCount) {}

    // The normal given to `faceVertex`, or null when it has none.
    const MVector* find(int faceVertex) const
    {
        return m_given.empty() || !m_given[faceVertex] ? nullptr : &m_normals[faceVertex];
    }

    void set(int faceVertex, const MVector& normal)
    {
        if (m_given.empty()) {
            m_given.assign(m_faceVertexCount, 0);
            m_normals.resize(m_faceVertexCount);
        }
        m_given[faceVertex] = 1;
        m_normals[faceVertex] = normal;
    }

    void clear(int faceVertex)
    {
        if (!m_given.empty())
            m_given[faceVertex] = 0;
    }

private:
    std::size_t m_faceVertexCount = 0;
    std::vector<std::uint8_t> m_given;
    std::vector<MVector> m_normals;
};

} // namespace kavo::host::geometry
