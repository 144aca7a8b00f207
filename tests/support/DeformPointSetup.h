#pragma once

#include "NoiseDeformerNode.h"

#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MVector.h>

namespace kavo::test {

// Every field of a DEFORMPOINT under its own name, with the values the
// record refers to kept here. Set what a test needs, then bind: the record
// refers to point, direction, the matrices and amplitude of this setup
// (which must outlive it) and copies the rest.
struct DeformPointSetup
{
    explicit DeformPointSetup(INoise& source) : noiseSource(source) {}

    DEFORMPOINT bind()
    {
        return DEFORMPOINT{point,  direction, scaleMatrix,  noiseSource, iterations,   roughness,           absolute,
                           sine,   seconds,   alongNormals, amplitude,   handleMatrix, handleInverseMatrix, falloff,
                           weight, texture,   index};
    }

    MPoint point{0.0, 0.0, 0.0, 1.0};
    MVector direction{1.0, 1.0, 1.0};
    MMatrix scaleMatrix;
    INoise& noiseSource;
    float iterations = 1.0f;
    float roughness = 0.0f;
    bool absolute = false;
    bool sine = false;
    float seconds = 0.0f;
    bool alongNormals = true;
    MVector amplitude{1.0, 1.0, 1.0};
    MMatrix handleMatrix;
    MMatrix handleInverseMatrix;
    float falloff = 1.0f;
    float weight = 1.0f;
    bool texture = false;
    int index = 0;
};

} // namespace kavo::test
