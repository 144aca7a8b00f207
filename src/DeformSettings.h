#ifndef KAVO_DEFORMSETTINGS_H
#define KAVO_DEFORMSETTINGS_H

#include <maya/MMatrix.h>
#include <maya/MTime.h>

// The values of the deformer's own attributes as one pass reads them
// (NoiseDeformerAttributes.h names the attribute that fills each field).
struct DeformerAttributeValues
{
    short noiseType = 0;
    short space = 0;
    int seed = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    float scaleZ = 1.0f;
    bool fractalState = false;
    float roughness = 0.0f;
    float iterations = 1.0f;
    bool alongNormals = true;
    float amplitude = 0.0f;
    float amplitudeX = 0.0f;
    float amplitudeY = 0.0f;
    float amplitudeZ = 0.0f;
    bool boundingBoxState = false;
    float falloff = 0.0f;
    bool animationState = false;
    float frequency = 0.0f;
    float phase = 0.0f;
    // Read only while animated.
    MTime time;
    MMatrix handleSpace;
};

#endif
