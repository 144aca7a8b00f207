#pragma once

#include <maya/MTime.h>
#include <maya/MTypes.h>

// The context of an evaluation: the normal one (the current time) or a given
// time. The stand-in host evaluates every context at the current time.
class DLL_PUBLIC MDGContext
{
public:
    MDGContext();
    MDGContext(const MTime& when);
    MDGContext(const MDGContext& other);
    ~MDGContext();
    MDGContext& operator=(const MDGContext& other);

    bool isNormal(MStatus* ReturnStatus = NULL) const;
    MStatus getTime(MTime& time) const;

    static MDGContext fsNormal;

private:
    bool m_normal;
    MTime m_time;
};
