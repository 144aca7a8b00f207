#pragma once

#include <maya/MMatrix.h>
#include <maya/MTypes.h>

#include <memory>
#include <mutex>

namespace kavo::host::geometry {

// The evaluation shapes of one NURBS data object, in object space and in
// world space. The world-space shape is built from the CVs carried by the
// data's world matrix: NURBS are invariant under affine maps, so that is
// exactly the world-space geometry, derivatives and curvature included.
// Each is built when first asked for, kept until the CVs (or, for the world
// shape, the matrix) change, and guarded, because one data object can be
// read by several deformers at once.
template <class Shape>
class ShapeCache
{
public:
    // build(matrix) makes the shape with every CV carried by `matrix`.
    template <class Build>
    std::shared_ptr<const Shape> get(MSpace::Space space, const MMatrix& world, Build build)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (space != MSpace::kWorld) {
            if (!m_object)
                m_object = std::make_shared<const Shape>(build(MMatrix::identity));
            return m_object;
        }
        if (!m_world || m_worldMatrix != world) {
            m_world = std::make_shared<const Shape>(build(world));
            m_worldMatrix = world;
        }
        return m_world;
    }

    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_object.reset();
        m_world.reset();
    }

private:
    std::mutex m_mutex;
    std::shared_ptr<const Shape> m_object;
    std::shared_ptr<const Shape> m_world;
    MMatrix m_worldMatrix;
};

} // namespace kavo::host::geometry
