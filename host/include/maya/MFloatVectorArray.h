#ifndef KAVO_HOST_MFLOATVECTORARRAY_H
#define KAVO_HOST_MFLOATVECTORARRAY_H

#include <maya/MFloatVector.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

// A growable array of single-precision vectors. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MFloatVectorArray
{
public:
    MFloatVectorArray();
    MFloatVectorArray(const MFloatVectorArray& other);
    MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue = MFloatVector::zero);
    MFloatVectorArray(const MFloatVector src[], unsigned int count);
    MFloatVectorArray(const double src[][3], unsigned int count);
    MFloatVectorArray(const float src[][3], unsigned int count);
    ~MFloatVectorArray();

    MFloatVectorArray& operator=(const MFloatVectorArray& other);

    const MFloatVector& operator[](unsigned int index) const;
    MFloatVector& operator[](unsigned int index);

    MStatus set(const MFloatVector& element, unsigned int index);
    MStatus set(double element[3], unsigned int index);
    MStatus set(float element[3], unsigned int index);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][3]) const;
    MStatus get(float dest[][3]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(const MFloatVector& element, unsigned int index);
    MStatus append(const MFloatVector& element);
    MStatus copy(const MFloatVectorArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MFloatVector> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
