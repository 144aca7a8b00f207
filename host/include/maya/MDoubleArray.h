#ifndef KAVO_HOST_MDOUBLEARRAY_H
#define KAVO_HOST_MDOUBLEARRAY_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

// A growable array of doubles. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MDoubleArray
{
public:
    MDoubleArray();
    MDoubleArray(const MDoubleArray& other);
    MDoubleArray(unsigned int initialSize, double initialValue = 0);
    MDoubleArray(const double src[], unsigned int count);
    MDoubleArray(const float src[], unsigned int count);
    ~MDoubleArray();

    MDoubleArray& operator=(const MDoubleArray& other);

    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);

    MStatus set(double element, unsigned int index);
    MStatus set(float element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(double dest[]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(double element, unsigned int index);
    MStatus append(double element);
    MStatus copy(const MDoubleArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<double> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
