#pragma once

#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

// Host-wide services: running host commands, now or when the host is idle,
// and messages to the user.
class OPENMAYA_EXPORT MGlobal
{
public:
    // Queues the command to run when the host is next idle; always succeeds.
    static MStatus executeCommandOnIdle(const MString& command, bool displayEnabled = false);
    static MStatus executeCommand(const MString& command, bool displayEnabled = false, bool undoEnabled = false);

    static void displayInfo(const MString& message);
    static void displayWarning(const MString& message);
    static void displayError(const MString& message);
};
