#pragma once

#include <maya/MPoint.h>
#include <maya/MTypes.h>

class MMatrix;

// An axis-aligned box, empty until a point is added. Points with w != 1 are
// made cartesian before they are added or tested.
class OPENMAYA_EXPORT MBoundingBox
{
public:
    MBoundingBox();
    MBoundingBox(const MBoundingBox& other);
    // The box spanned by the two corners, in any order.
    MBoundingBox(const MPoint& corner1, const MPoint& corner2);
    ~MBoundingBox();

    MBoundingBox& operator=(const MBoundingBox& other);

    // Makes the box empty again.
    void clear();
    // Replaces the box by the box around its eight transformed corners.
    void transformUsing(const MMatrix& matrix);
    void expand(const MPoint& point);
    void expand(const MBoundingBox& other);

    // True for points inside or on a face; always false for an empty box.
    bool contains(const MPoint& point) const;

    // Extents and corners; zero and the origin for an empty box.
    double width() const;
    double height() const;
    double depth() const;
    MPoint center() const;
    MPoint min() const;
    MPoint max() const;

private:
    bool m_empty;
    MPoint m_min;
    MPoint m_max;
};
