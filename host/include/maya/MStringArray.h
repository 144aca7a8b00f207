#ifndef KAVO_HOST_MSTRINGARRAY_H
#define KAVO_HOST_MSTRINGARRAY_H

#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

#include <vector>

// A growable array of texts. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MStringArray
{
public:
    MStringArray();
    MStringArray(const MStringArray& other);
    MStringArray(unsigned int initialSize, const MString& initialValue);
    MStringArray(const MString src[], unsigned int count);
    MStringArray(const char* src[], unsigned int count);
    ~MStringArray();

    MStringArray& operator=(const MStringArray& other);

    const MString& operator[](unsigned int index) const;
    MString& operator[](unsigned int index);

    MStatus set(const MString& element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(const MString& element, unsigned int index);
    MStatus append(const MString& element);
    MStatus copy(const MStringArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MString> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
