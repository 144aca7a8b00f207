#ifndef KAVO_HOST_MFLOATPOINTARRAY_H
#define KAVO_HOST_MFLOATPOINTARRAY_H

#include <maya/MFloatPoint.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <vector>

// A growable array of single-precision points. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MFloatPointArray
{
public:
    MFloatPointArray();
    MFloatPointArray(const MFloatPointArray& other);
    MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue = MFloatPoint::origin);
    MFloatPointArray(const MFloatPoint src[], unsigned int count);
    MFloatPointArray(const double src[][4], unsigned int count);
    MFloatPointArray(const float src[][4], unsigned int count);
    ~MFloatPointArray();

    MFloatPointArray& operator=(const MFloatPointArray& other);

    // Inline: writers and passes index millions of elements.
    const MFloatPoint& operator[](unsigned int index) const
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }
    MFloatPoint& operator[](unsigned int index)
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }

    MStatus set(const MFloatPoint& element, unsigned int index);
    MStatus set(unsigned int index, float x, float y, float z = 0, float w = 1);
    MStatus set(double element[4], unsigned int index);
    MStatus set(float element[4], unsigned int index);
    MStatus append(float x, float y, float z = 0, float w = 1);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][4]) const;
    MStatus get(float dest[][4]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const { return static_cast<unsigned int>(m_elements.size()); }
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(const MFloatPoint& element, unsigned int index);
    MStatus append(const MFloatPoint& element);
    MStatus copy(const MFloatPointArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MFloatPoint> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
