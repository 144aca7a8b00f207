#pragma once

#include <maya/MFnData.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Makes polygon mesh data objects (MFn::kMeshData) and reads or sets the
// matrix a mesh data object carries: the world matrix of the shape it came
// from, which world-space queries apply.
class OPENMAYA_EXPORT MFnMeshData : public MFnData
{
public:
    KAVO_FUNCTION_SET_DECLARATIONS(MFnMeshData);
    ~MFnMeshData() override;

    // A new, empty mesh data object; the function set is attached to it.
    MObject create(MStatus* ReturnStatus = NULL);

    MStatus getMatrix(MMatrix& matrix) const;
    MStatus setMatrix(const MMatrix& matrix);
};
