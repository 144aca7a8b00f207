#pragma once

#include "geometry/CopyOnWrite.h"
#include "geometry/GeometryData.h"

#include <maya/MVectorArray.h>

namespace kavo::host::geometry {

// An array of vectors (MFn::kVectorArrayData), the form particle positions
// take. Deformers see element k as the point (x, y, z, 1).
class VectorArrayData final : public GeometryData
{
public:
    VectorArrayData() = default;
    explicit VectorArrayData(const MVectorArray& initial) : m_vectors(initial) {}

    MFn::Type apiType() const override { return MFn::kVectorArrayData; }
    bool hasFn(MFn::Type type) const override;
    std::shared_ptr<graph::Data> clone() const override;

    unsigned int pointCount() const override { return m_vectors.read().length(); }
    MPoint point(unsigned int index) const override { return MPoint(m_vectors.read()[index]); }
    // A point with w other than 1 is stored as its cartesian position.
    void setPoint(unsigned int index, const MPoint& position) override;
    void setPoints(const MPoint* points) override;

    const MVectorArray& vectors() const { return m_vectors.read(); }
    void setVectors(const MVectorArray& vectors) { m_vectors.assign(vectors); }

private:
    CopyOnWrite<MVectorArray> m_vectors;
};

} // namespace kavo::host::geometry
