#include "SimdTarget.h"

// Which instruction sets Highway compiles here (HWY_TARGETS), with the same
// settings as the kernel files.
#include "HighwayHeadersOnly.h"

#include <hwy/detect_targets.h>

#include <atomic>
#include <cstring>

#if HWY_ARCH_X86
#ifdef _MSC_VER
#include <immintrin.h>
#include <intrin.h>
#else
#include <cpuid.h>
#endif
#endif

namespace {

struct Entry
{
    const char* name;
    bool compiled;
};

// In the order of SimdTarget::Id.
constexpr Entry kEntries[] = {
    {"AVX-512", (HWY_TARGETS & HWY_AVX3) != 0},
    {"AVX2", (HWY_TARGETS & HWY_AVX2) != 0},
    {"SSE4", (HWY_TARGETS & HWY_SSE4) != 0},
    {"portable", true},
};
static_assert(sizeof(kEntries) / sizeof(kEntries[0]) == SimdTarget::count, "one entry per target");

#if HWY_ARCH_X86

struct CpuId
{
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
};

// Sub-leaf 0 of leaf; all zero where the processor has no such leaf.
CpuId cpuid(unsigned int leaf)
{
    CpuId r;
#ifdef _MSC_VER
    int info[4];
    __cpuid(info, 0);
    if (static_cast<unsigned int>(info[0]) < leaf)
        return r;
    __cpuidex(info, static_cast<int>(leaf), 0);
    r.eax = static_cast<unsigned int>(info[0]);
    r.ebx = static_cast<unsigned int>(info[1]);
    r.ecx = static_cast<unsigned int>(info[2]);
    r.edx = static_cast<unsigned int>(info[3]);
#else
    if (!__get_cpuid_count(leaf, 0, &r.eax, &r.ebx, &r.ecx, &r.edx))
        return CpuId{};
#endif
    return r;
}

// The register state the operating system saves on a context switch (XCR0);
// without it the wide registers must not be used even where the processor
// has them.
unsigned long long savedRegisterState()
{
#ifdef _MSC_VER
    return _xgetbv(0);
#else
    // Inline rather than _xgetbv, which GCC offers only to functions compiled
    // for XSAVE.
    unsigned int low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (static_cast<unsigned long long>(high) << 32) | low;
#endif
}

bool bit(unsigned int value, int index)
{
    return (value >> index) & 1u;
}

// The instruction sets each target's kernels were compiled for (Highway's
// target attributes), checked bit by bit.
bool processorRuns(SimdTarget::Id target)
{
    if (target == SimdTarget::portable)
        return true;
    const CpuId basic = cpuid(1);
    const bool sse4 = bit(basic.ecx, 9) /*SSSE3*/ && bit(basic.ecx, 19) /*SSE4.1*/ && bit(basic.ecx, 20) /*SSE4.2*/ &&
                      bit(basic.ecx, 1) /*PCLMUL*/ && bit(basic.ecx, 25) /*AES*/;
    if (target == SimdTarget::sse4 || !sse4)
        return sse4;

    if (!bit(basic.ecx, 27) /*OSXSAVE*/)
        return false;
    const unsigned long long state = savedRegisterState();
    const CpuId extended = cpuid(7);
    const bool avx2 = (state & 0x6) == 0x6 /*XMM, YMM*/ && bit(basic.ecx, 28) /*AVX*/ && bit(basic.ecx, 12) /*FMA*/ &&
                      bit(basic.ecx, 29) /*F16C*/ && bit(extended.ebx, 5) /*AVX2*/ && bit(extended.ebx, 3) /*BMI1*/ &&
                      bit(extended.ebx, 8) /*BMI2*/;
    if (target == SimdTarget::avx2 || !avx2)
        return avx2;

    return (state & 0xE6) == 0xE6 /*opmask, ZMM*/ && bit(extended.ebx, 16) /*AVX512F*/ &&
           bit(extended.ebx, 17) /*AVX512DQ*/ && bit(extended.ebx, 30) /*AVX512BW*/ &&
           bit(extended.ebx, 31) /*AVX512VL*/;
}

#else

// Highway compiles nothing but the baseline for other processors here.
bool processorRuns(SimdTarget::Id target)
{
    return target == SimdTarget::portable;
}

#endif

SimdTarget::Id best()
{
    for (int i = 0; i < SimdTarget::count; ++i)
        if (SimdTarget::runs(static_cast<SimdTarget::Id>(i)))
            return static_cast<SimdTarget::Id>(i);
    return SimdTarget::portable;
}

std::atomic<SimdTarget::Id>& chosenTarget()
{
    static std::atomic<SimdTarget::Id> chosen{best()};
    return chosen;
}

} // namespace

const char* SimdTarget::name(Id target)
{
    return kEntries[target].name;
}

bool SimdTarget::runs(Id target)
{
    return kEntries[target].compiled && processorRuns(target);
}

std::vector<const char*> SimdTarget::runnableNames()
{
    std::vector<const char*> names;
    for (int i = 0; i < count; ++i)
        if (runs(static_cast<Id>(i)))
            names.push_back(kEntries[i].name);
    return names;
}

SimdTarget::Id SimdTarget::chosen()
{
    return chosenTarget().load(std::memory_order_relaxed);
}

bool SimdTarget::choose(const char* name)
{
    if (name == nullptr) {
        chosenTarget().store(best());
        return true;
    }
    for (int i = 0; i < count; ++i)
        if (std::strcmp(kEntries[i].name, name) == 0 && runs(static_cast<Id>(i))) {
            chosenTarget().store(static_cast<Id>(i));
            return true;
        }
    return false;
}
