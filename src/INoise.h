#pragma once

#include <maya/MPoint.h>

#include <cstdarg>

// A source of four-dimensional noise: three space coordinates and a fourth
// one that callers fill with time. A value travels as a point (n, n, n, 1) so
// that the composition on top of it may make the axes differ.
//
// Sources are owned and destroyed by their concrete type, never through this
// interface; the destructor is protected so that deleting through it does not
// compile, and the interface keeps exactly its three virtual slots.
class INoise
{
public:
    // The noise at (x, y, z, w). Extra arguments are gathered into a list and
    // handed to vaNoise, so a source that needs more parameters implements
    // only vaNoise.
    virtual MPoint noise(float x, float y, float z, float w, ...) = 0;
    virtual MPoint vaNoise(float x, float y, float z, float w, va_list args) = 0;

    // Reshuffles the source for a seed; seed 0 stands for the source's
    // reference state.
    virtual void setRandomSeed(int seed) = 0;

protected:
    ~INoise() = default;
};
