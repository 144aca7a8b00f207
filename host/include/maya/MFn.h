#pragma once

// Function-set and object type identifiers. The five geometry data kinds carry
// the host's own numbers; everything else is referred to by name only.
class MFn
{
public:
    enum Type
    {
        kInvalid = 0,
        kBase = 1,
        kNamedObject = 2,
        kDependencyNode = 4,
        kDagNode = 107,
        kTransform = 110,
        kTime = 510,
        kLocator = 281,
        kCamera = 250,
        kGeometryFilt = 334,
        kWeightGeometryFilt = 335,
        kAttribute = 554,
        kNumericAttribute = 555,
        kCompoundAttribute = 556,
        kEnumAttribute = 557,
        kGenericAttribute = 558,
        kMatrixAttribute = 559,
        kMessageAttribute = 560,
        kTypedAttribute = 561,
        kUnitAttribute = 562,
        kData = 570,
        kNumericData = 571,
        kMatrixData = 575,
        kMeshData = 579,
        kNurbsSurfaceData = 580,
        kNurbsCurveData = 581,
        kVectorArrayData = 596,
        kPlugin = 451,
        kPluginDependNode = 452,
        kPluginLocatorNode = 453,
        kPluginDeformerNode = 607,
        kShape = 248,
        kMesh = 296,
        kNurbsCurve = 267,
        kNurbsSurface = 294,
        kSubdiv = 677,
        kParticle = 311,
        kSubdivData = 800,
        kShadingNode = 900,
        kFileTexture = 489,
        kChecker = 901,
        kRamp = 497,
        kLast = 1100
    };
};
