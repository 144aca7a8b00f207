#ifndef KAVO_HOST_MPOINTARRAY_H
#define KAVO_HOST_MPOINTARRAY_H

#include <maya/MPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <vector>

// A growable array of points. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MPointArray
{
public:
    MPointArray();
    MPointArray(const MPointArray& other);
    // The stand-in's own addition: moving hands the storage over (the
    // developer kit's arrays copy instead; code written for them is the same).
    MPointArray(MPointArray&& other) noexcept;
    MPointArray(unsigned int initialSize, const MPoint& initialValue = MPoint::origin);
    MPointArray(const MPoint src[], unsigned int count);
    MPointArray(const double src[][4], unsigned int count);
    MPointArray(const float src[][4], unsigned int count);
    ~MPointArray();

    MPointArray& operator=(const MPointArray& other);
    MPointArray& operator=(MPointArray&& other) noexcept;

    // Inline: writers and passes index millions of elements.
    const MPoint& operator[](unsigned int index) const
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }
    MPoint& operator[](unsigned int index)
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }

    MStatus set(const MPoint& element, unsigned int index);
    MStatus set(unsigned int index, double x, double y, double z = 0, double w = 1);
    MStatus set(double element[4], unsigned int index);
    MStatus set(float element[4], unsigned int index);
    MStatus append(double x, double y, double z = 0, double w = 1);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const { return static_cast<unsigned int>(m_elements.size()); }
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(const MPoint& element, unsigned int index);
    MStatus append(const MPoint& element);
    MStatus copy(const MPointArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MPoint> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
