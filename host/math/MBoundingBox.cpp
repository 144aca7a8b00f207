#include <maya/MBoundingBox.h>
#include <maya/MMatrix.h>

#include <algorithm>

namespace {

MPoint cartesian(const MPoint& point)
{
    MPoint result(point);
    result.cartesianize();
    return result;
}

} // namespace

MBoundingBox::MBoundingBox() : m_empty(true) {}
MBoundingBox::MBoundingBox(const MBoundingBox& other) = default;

MBoundingBox::MBoundingBox(const MPoint& corner1, const MPoint& corner2) : MBoundingBox()
{
    expand(corner1);
    expand(corner2);
}

MBoundingBox::~MBoundingBox() = default;
MBoundingBox& MBoundingBox::operator=(const MBoundingBox& other) = default;

void MBoundingBox::clear()
{
    *this = MBoundingBox();
}

void MBoundingBox::transformUsing(const MMatrix& matrix)
{
    if (m_empty)
        return;
    const MPoint low = m_min;
    const MPoint high = m_max;
    clear();
    for (int corner = 0; corner < 8; ++corner) {
        const MPoint point((corner & 1) ? high.x : low.x, (corner & 2) ? high.y : low.y, (corner & 4) ? high.z : low.z);
        expand(point * matrix);
    }
}

void MBoundingBox::expand(const MPoint& point)
{
    const MPoint p = cartesian(point);
    if (m_empty) {
        m_min = p;
        m_max = p;
        m_empty = false;
        return;
    }
    m_min = MPoint(std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z));
    m_max = MPoint(std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z));
}

void MBoundingBox::expand(const MBoundingBox& other)
{
    if (other.m_empty)
        return;
    expand(other.m_min);
    expand(other.m_max);
}

bool MBoundingBox::contains(const MPoint& point) const
{
    if (m_empty)
        return false;
    const MPoint p = cartesian(point);
    return p.x >= m_min.x && p.x <= m_max.x && p.y >= m_min.y && p.y <= m_max.y && p.z >= m_min.z && p.z <= m_max.z;
}

double MBoundingBox::width() const
{
    return m_max.x - m_min.x;
}
double MBoundingBox::height() const
{
    return m_max.y - m_min.y;
}
double MBoundingBox::depth() const
{
    return m_max.z - m_min.z;
}

MPoint MBoundingBox::center() const
{
    return MPoint((m_min.x + m_max.x) * 0.5, (m_min.y + m_max.y) * 0.5, (m_min.z + m_max.z) * 0.5);
}

MPoint MBoundingBox::min() const
{
    return m_min;
}
MPoint MBoundingBox::max() const
{
    return m_max;
}
