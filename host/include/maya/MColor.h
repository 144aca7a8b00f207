#pragma once

#include <maya/MTypes.h>

// A colour with alpha, single precision. The default is opaque black.
class OPENMAYA_EXPORT MColor
{
public:
    MColor();
    MColor(float rr, float gg, float bb = 0.0, float aa = 1.0);
    // Red, green and blue from the array; opaque.
    MColor(const float rgb[3]);

    bool operator==(const MColor& other) const;
    bool operator!=(const MColor& other) const;

    float r;
    float g;
    float b;
    float a;
};
