#pragma once

#include <maya/MObject.h>
#include <maya/MPoint.h>
#include <maya/MPointArray.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <memory>
#include <vector>

class MDagPath;
class MDataHandle;

namespace kavo::host::geometry {
class GeometryData;
}

// Walks the points of any deformable geometry in the host's point order, or
// given a group id only the points of that object group, by ascending index.
class DLL_PUBLIC MItGeometry
{
public:
    MItGeometry(const MDagPath& dagPath, MStatus* ReturnStatus = NULL);
    MItGeometry(MObject& dagObject, MStatus* ReturnStatus = NULL);
    MItGeometry(MDataHandle& dataHandle, unsigned int groupId, bool readOnly = true, MStatus* ReturnStatus = NULL);
    MItGeometry(MDataHandle& dataHandle, bool readOnly = true, MStatus* ReturnStatus = NULL);
    virtual ~MItGeometry();

    bool isDone(MStatus* ReturnStatus = NULL) const;
    MStatus next();
    MStatus reset();
    int index(MStatus* ReturnStatus = NULL) const;
    int count(MStatus* ReturnStatus = NULL) const;
    int exactCount(MStatus* ReturnStatus = NULL);
    MPoint position(MSpace::Space space = MSpace::kObject, MStatus* ReturnStatus = NULL) const;
    MStatus setPosition(const MPoint& point, MSpace::Space space = MSpace::kObject);
    MStatus allPositions(MPointArray& points, MSpace::Space space = MSpace::kObject) const;
    MStatus setAllPositions(const MPointArray& points, MSpace::Space space = MSpace::kObject);

private:
    MItGeometry(const MItGeometry&) = delete;
    MItGeometry& operator=(const MItGeometry&) = delete;
    void bind(const MObject& data, MStatus* ReturnStatus);
    void walkGroup(unsigned int groupId);
    unsigned int componentAt(unsigned int step) const { return m_members ? (*m_members)[step] : step; }

    std::shared_ptr<kavo::host::geometry::GeometryData> m_data;
    // The group walked, null when the whole geometry is.
    std::shared_ptr<const std::vector<unsigned int>> m_members;
    unsigned int m_count = 0;
    unsigned int m_index = 0;
};
