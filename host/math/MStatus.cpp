#include <maya/MStatus.h>
#include <maya/MString.h>

#include <iostream>

namespace {

const char* describe(MStatus::MStatusCode code)
{
    switch (code) {
    case MStatus::kSuccess: return "(kSuccess): Success";
    case MStatus::kFailure: return "(kFailure): Failure";
    case MStatus::kInsufficientMemory: return "(kInsufficientMemory): Insufficient memory";
    case MStatus::kInvalidParameter: return "(kInvalidParameter): Invalid parameter";
    case MStatus::kLicenseFailure: return "(kLicenseFailure): License failure";
    case MStatus::kUnknownParameter: return "(kUnknownParameter): Unknown parameter";
    case MStatus::kNotImplemented: return "(kNotImplemented): Not implemented";
    case MStatus::kNotFound: return "(kNotFound): Object not found";
    case MStatus::kEndOfFile: return "(kEndOfFile): End of file";
    }
    return "(unknown status): Unknown status";
}

} // namespace

bool operator==(const MStatus::MStatusCode code, const MStatus& status)
{
    return status == code;
}
bool operator!=(const MStatus::MStatusCode code, const MStatus& status)
{
    return status != code;
}

MString MStatus::errorString() const
{
    return MString(describe(statusCode()));
}

void MStatus::perror(const char* prefix) const
{
    if (prefix != nullptr && prefix[0] != '\0')
        std::cerr << prefix << ": ";
    std::cerr << describe(statusCode()) << std::endl;
}

void MStatus::perror(const MString& prefix) const
{
    perror(prefix.asChar());
}
