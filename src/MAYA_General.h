#pragma once

#include <maya/MStatus.h>
#include <maya/MString.h>

namespace kavo {

// The shared check for a host status. On success it writes nothing and returns
// success. On failure it writes the host's own description of the status, then
// "," and the message and a newline, and returns the generic failure code,
// whatever failure came in, so callers can tell "reported" from "passed".
MStatus McheckErr(MStatus status, const MString& message);

// Writes the located report of a failed status: where the check sits in the
// source, then the host's description of the status. Used by
// KAVO_CHECK_MSTATUS; call that instead.
void reportLocatedError(const MStatus& status, const char* file, int line);

} // namespace kavo

// The located status check, written at the call site so that the report names
// the source file (relative to the repository root, as the build maps
// __FILE__) and the line. It only reports: it neither returns nor changes the
// status, and the statement after it runs whatever the outcome.
#define KAVO_CHECK_MSTATUS(status)                                                                                     \
    do {                                                                                                               \
        const MStatus& kavoCheckedStatus_ = (status);                                                                  \
        if (kavoCheckedStatus_ != MStatus::kSuccess)                                                                   \
            kavo::reportLocatedError(kavoCheckedStatus_, __FILE__, __LINE__);                                          \
    } while (false)
