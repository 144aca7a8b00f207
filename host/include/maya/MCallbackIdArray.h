#ifndef KAVO_HOST_MCALLBACKIDARRAY_H
#define KAVO_HOST_MCALLBACKIDARRAY_H

#include <maya/MMessage.h>

#include <vector>

class DLL_PUBLIC MCallbackIdArray
{
public:
    MCallbackIdArray();
    MCallbackIdArray(const MCallbackIdArray& other);
    ~MCallbackIdArray();
    MCallbackIdArray& operator=(const MCallbackIdArray& other);

    MCallbackId operator[](unsigned int index) const;
    MCallbackId& operator[](unsigned int index);
    MStatus append(MCallbackId id);
    MStatus clear();
    unsigned int length() const;

private:
    std::vector<MCallbackId> m_ids;
};

#endif
