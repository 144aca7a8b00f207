#pragma once

#include <maya/MFnBase.h>

class DLL_PUBLIC MFnData : public MFnBase
{
public:
    enum Type
    {
        kInvalid = 0,
        kNumeric = 1,
        kPlugin = 2,
        kPluginGeometry = 3,
        kString = 4,
        kMatrix = 5,
        kStringArray = 6,
        kDoubleArray = 7,
        kIntArray = 8,
        kPointArray = 9,
        kFloatArray = 10,
        kVectorArray = 11,
        kComponentList = 12,
        kMesh = 14,
        kLattice = 15,
        kNurbsCurve = 16,
        kNurbsSurface = 17,
        kSphere = 18,
        kDynArrayAttrs = 19,
        kDynSweptGeometry = 20,
        kSubdSurface = 21,
        kNObject = 22,
        kNId = 23,
        kAny = 24,
        kLast = 25
    };

    MFnData();
    MFn::Type type() const override;
};
