#ifndef KAVO_HOST_MVECTORARRAY_H
#define KAVO_HOST_MVECTORARRAY_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <vector>

// A growable array of vectors. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MVectorArray
{
public:
    MVectorArray();
    MVectorArray(const MVectorArray& other);
    MVectorArray(unsigned int initialSize, const MVector& initialValue = MVector::zero);
    MVectorArray(const MVector src[], unsigned int count);
    MVectorArray(const double src[][3], unsigned int count);
    MVectorArray(const float src[][3], unsigned int count);
    ~MVectorArray();

    MVectorArray& operator=(const MVectorArray& other);

    const MVector& operator[](unsigned int index) const;
    MVector& operator[](unsigned int index);

    MStatus set(const MVector& element, unsigned int index);
    MStatus set(double element[3], unsigned int index);
    MStatus set(float element[3], unsigned int index);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][3]) const;
    MStatus get(float dest[][3]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(const MVector& element, unsigned int index);
    MStatus append(const MVector& element);
    MStatus copy(const MVectorArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MVector> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
