#pragma once

#include <maya/MFnData.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MVectorArray.h>

// Vector array data (MFn::kVectorArrayData), the way particle positions
// travel. Deformers see each vector as a point with w = 1.
class OPENMAYA_EXPORT MFnVectorArrayData : public MFnData
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnVectorArrayData);
    ~MFnVectorArrayData() override;

    unsigned int length(MStatus* ReturnStatus = NULL) const;
    // The vectors as they stand. The array is a copy: change the data with set().
    MVectorArray array(MStatus* ReturnStatus = NULL);
    MStatus copyTo(MVectorArray& dest) const;
    MStatus set(const MVectorArray& newArray);

    // A new data object, empty or holding a copy of `in`; the function set is
    // attached to it.
    MObject create(MStatus* ReturnStatus = NULL);
    MObject create(const MVectorArray& in, MStatus* ReturnStatus = NULL);
};
