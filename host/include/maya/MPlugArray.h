#ifndef KAVO_HOST_MPLUGARRAY_H
#define KAVO_HOST_MPLUGARRAY_H

#include <maya/MPlug.h>

#include <vector>

class DLL_PUBLIC MPlugArray
{
public:
    MPlugArray();
    MPlugArray(const MPlugArray& other);
    MPlugArray(unsigned int initializeSize, const MPlug& initialValue);
    ~MPlugArray();
    MPlugArray& operator=(const MPlugArray& other);

    const MPlug& operator[](unsigned int index) const;
    MPlug& operator[](unsigned int index);
    MStatus set(const MPlug& element, unsigned int index);
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    MStatus insert(const MPlug& element, unsigned int index);
    MStatus append(const MPlug& element);
    MStatus copy(const MPlugArray& source);
    MStatus clear();
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<MPlug> m_plugs;
};

#endif
