#pragma once

#include <maya/MFloatArray.h>
#include <maya/MFloatMatrix.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

// Services of the host's renderer.
class OPENMAYARENDER_EXPORT MRenderUtil
{
public:
    // Evaluates the shading node named by shadingNodeName ("file1" or
    // "file1.outColor") at numSamples samples and fills resultColors (r, g,
    // b in x, y, z) and resultTransparencies with one entry per sample.
    // Points, normals, reference points and tangents are in world space and
    // the camera matrix is eye to world; optional inputs are null when not
    // given. 2-D textures are evaluated at each sample's (u, v); without
    // uCoords or vCoords that coordinate is 0. An unknown node or attribute,
    // a node that is not a texture, or an image that cannot be read gives a
    // failed status with a message on standard error.
    static MStatus sampleShadingNetwork(MString shadingNodeName, int numSamples, bool useShadowMaps, bool reuseMaps,
                                        MFloatMatrix& cameraMatrix, MFloatPointArray* points, MFloatArray* uCoords,
                                        MFloatArray* vCoords, MFloatVectorArray* normals, MFloatPointArray* refPoints,
                                        MFloatVectorArray* tangentUs, MFloatVectorArray* tangentVs,
                                        MFloatArray* filterSizes, MFloatVectorArray& resultColors,
                                        MFloatVectorArray& resultTransparencies);
};
