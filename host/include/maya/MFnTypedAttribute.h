#pragma once

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>

// An attribute holding a data object of one kind (geometry, for example).
class DLL_PUBLIC MFnTypedAttribute : public MFnAttribute
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnTypedAttribute);

    MObject create(const MString& fullName, const MString& briefName, MFnData::Type type,
                   const MObject& defaultValue = MObject::kNullObj, MStatus* ReturnStatus = NULL);
    MFnData::Type attrType(MStatus* ReturnStatus = NULL) const;
};
