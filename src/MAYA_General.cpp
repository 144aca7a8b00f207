#include "MAYA_General.h"

#include <iostream>

namespace kavo {

MStatus McheckErr(MStatus status, const MString& message)
{
    if (status == MStatus::kSuccess)
        return MStatus::kSuccess;

    status.perror("");
    std::cerr << "," << message << "\n" << std::flush;
    return MStatus::kFailure;
}

void reportLocatedError(const MStatus& status, const char* file, int line)
{
    std::cerr << "\nAPI error detected in " << file << " at line " << line << "\n" << std::flush;
    status.perror("");
}

} // namespace kavo
