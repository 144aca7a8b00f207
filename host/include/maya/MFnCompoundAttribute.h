#pragma once

#include <maya/MFnAttribute.h>

class DLL_PUBLIC MFnCompoundAttribute : public MFnAttribute
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnCompoundAttribute);

    MObject create(const MString& fullName, const MString& briefName, MStatus* ReturnStatus = NULL);
    MStatus addChild(const MObject& child);
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
};
