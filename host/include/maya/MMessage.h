#pragma once

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

class MPlug;
class MCallbackIdArray;

typedef MUintPtrSz MCallbackId;

class DLL_PUBLIC MMessage
{
public:
    typedef void (*MBasicFunction)(void* clientData);
    typedef void (*MNodeFunction)(MObject& node, void* clientData);
    typedef void (*MNodePlugFunction)(MObject& node, MPlug& plug, void* clientData);

    static MStatus removeCallback(MCallbackId id);
    static MStatus removeCallbacks(MCallbackIdArray& ids);
};
