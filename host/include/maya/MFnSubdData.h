#pragma once

#include <maya/MFnData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Makes subdivision surface data objects (MFn::kSubdivData) and reads or
// sets the matrix they carry (the world matrix of the shape they came from).
class OPENMAYA_EXPORT MFnSubdData : public MFnData
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnSubdData);
    ~MFnSubdData() override;

    // A new subdivision surface data object without a base mesh; the
    // function set is attached to it.
    MObject create(MStatus* ReturnStatus = NULL);

    MStatus getMatrix(MMatrix& matrix) const;
    MStatus setMatrix(const MMatrix& matrix);
};
