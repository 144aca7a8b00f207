#pragma once

#include "INoise.h"

#include <cstdarg>
#include <vector>

// One evaluation as the source saw it.
struct NoiseCall
{
    float x, y, z, w;
    int tag; // the first variable argument, when the source reads one
};

// A noise source that answers every evaluation with the same point and
// records each call, to observe what the composition asks of its source.
class RecordingNoise : public INoise
{
public:
    explicit RecordingNoise(const MPoint& reply, bool readsTag = false) : m_reply(reply), m_readsTag(readsTag) {}

    MPoint noise(float x, float y, float z, float w, ...) override
    {
        va_list args;
        va_start(args, w);
        const MPoint value = vaNoise(x, y, z, w, args);
        va_end(args);
        return value;
    }

    MPoint vaNoise(float x, float y, float z, float w, va_list args) override
    {
        calls.push_back({x, y, z, w, m_readsTag ? va_arg(args, int) : 0});
        return m_reply;
    }

    void setRandomSeed(int) override {}

    std::vector<NoiseCall> calls;

private:
    MPoint m_reply;
    bool m_readsTag;
};
