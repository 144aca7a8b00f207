#pragma once

#include <vector>

// The instruction sets the batch kernels (PerlinNoiseBatch.cpp,
// DeformKernelBatch.cpp) are compiled for, which of them this processor and
// its operating system run, and the one the kernels use. Each kernel file
// keeps a table of its kernels indexed by Id, so a pass runs the noise and
// the directions on the same one.
class SimdTarget
{
public:
    // Best first. The last, portable, is Highway's code for the compiler's
    // baseline (on x86-64 by default its scalar or emulated 128-bit lanes,
    // plain C++) and runs everywhere.
    enum Id : unsigned char
    {
        avx512,
        avx2,
        sse4,
        portable,
        count
    };

    // "AVX-512", "AVX2", "SSE4", "portable": the names tests and benchmarks
    // choose by.
    static const char* name(Id target);
    // Whether this build compiled the kernels for target and this processor
    // and its operating system run them.
    static bool runs(Id target);
    // The names of those that run, best first; the last is "portable".
    static std::vector<const char*> runnableNames();

    // The one the kernels use: the best that runs, chosen at first use. A
    // pass reads it once and hands it to every kernel it calls.
    static Id chosen();
    // Makes the named one chosen, if it runs (answers whether it does); null
    // goes back to the best one. For tests and benchmarks, which compare the
    // instruction sets; the plug-in itself never calls it. Not to be called
    // while a pass or a batch runs.
    static bool choose(const char* name);
};
