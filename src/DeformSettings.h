#pragma once

#include "PerlinNoise.h"

#include <maya/MMatrix.h>
#include <maya/MTime.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

class IGeomNoiseWrapper;
class MFloatVectorArray;

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

// Everything one deform pass works with, filled once per pass: the attribute
// values as read, then what the pass works out from them, the handle and the
// geometry. The literal path's DEFORMPOINT refers to its fields; the batch
// path's DeformKernel keeps a copy.
struct DeformSettings
{
    DeformerAttributeValues attributes;

    float envelope = 1.0f;
    // Object space for "space" Local, else world space: what the noise sees
    // and where the adapter's points and normals come from.
    MSpace::Space space = MSpace::kObject;
    // The geometry's object-to-world matrix.
    MMatrix worldMatrix;
    // The handle's matrix with its scale set to 1, and its inverse.
    MMatrix handleMatrix;
    MMatrix handleInverseMatrix;
    // Divides handle-space positions by the deformer's scales.
    MMatrix scaleMatrix;
    // From "noiseType".
    bool absolute = false;
    bool sine = false;
    // The noise's fourth coordinate.
    float seconds = 0.0f;
    // Per axis; along normals the same on every axis.
    MVector amplitude;
    // The octaves asked for: one without fractal.
    float iterations = 1.0f;
    float roughness = 0.0f;
    // Asked for the normal of every point displaced along normals, from any
    // thread (IGeomNoiseWrapper::getNormals reads only its caches).
    IGeomNoiseWrapper* wrapper = nullptr;
    // The colours sampled from the shading network, which stand in for the
    // noise; null when the noise is computed.
    const MFloatVectorArray* textureColors = nullptr;
    // The working table the noise reads: the pass's copy for its seed.
    const int* permutations = PerlinNoise::permutations();

    // Whether the noise sees world-space positions.
    bool worldSpace() const { return space != MSpace::kObject; }
};
