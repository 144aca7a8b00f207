#include "graph/CommandInterpreter.h"
#include "graph/IdleQueue.h"

#include <maya/MGlobal.h>

#include <iostream>

using kavo::host::graph::CommandInterpreter;
using kavo::host::graph::IdleQueue;

MStatus MGlobal::executeCommandOnIdle(const MString& command, bool displayEnabled)
{
    IdleQueue::instance().push(command.asChar(), displayEnabled);
    return MStatus::kSuccess;
}

// The stand-in host keeps no undo queue, so undoEnabled changes nothing.
MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool)
{
    return CommandInterpreter::execute(command.asChar(), displayEnabled);
}

void MGlobal::displayInfo(const MString& message)
{
    std::cerr << "// " << message << std::endl;
}

void MGlobal::displayWarning(const MString& message)
{
    std::cerr << "// Warning: " << message << std::endl;
}

void MGlobal::displayError(const MString& message)
{
    std::cerr << "// Error: " << message << std::endl;
}
