#include <maya/MDGContext.h>

MDGContext MDGContext::fsNormal;

MDGContext::MDGContext() : m_normal(true) {}

MDGContext::MDGContext(const MTime& when) : m_normal(false), m_time(when) {}

MDGContext::MDGContext(const MDGContext& other) = default;
MDGContext::~MDGContext() = default;
MDGContext& MDGContext::operator=(const MDGContext& other) = default;

bool MDGContext::isNormal(MStatus* ReturnStatus) const
{
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return m_normal;
}

MStatus MDGContext::getTime(MTime& time) const
{
    if (m_normal)
        return MStatus::kFailure;
    time = m_time;
    return MStatus::kSuccess;
}
