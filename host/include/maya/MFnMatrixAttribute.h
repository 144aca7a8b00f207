#pragma once

#include <maya/MFloatMatrix.h>
#include <maya/MFnAttribute.h>
#include <maya/MMatrix.h>

class DLL_PUBLIC MFnMatrixAttribute : public MFnAttribute
{
public:
    enum Type
    {
        kFloat = 0,
        kDouble = 1
    };

    KAVO_FUNCTION_SET_DECLARATIONS(MFnMatrixAttribute);

    MObject create(const MString& fullName, const MString& briefName, Type matrixType = kDouble,
                   MStatus* ReturnStatus = NULL);
    MStatus setDefault(const MMatrix& value);
    MStatus setDefault(const MFloatMatrix& value);
};
