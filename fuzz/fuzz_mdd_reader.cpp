// Any bytes as a .mdd point cache (see fuzz_sampled_cache.h).

#include "fuzz_sampled_cache.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    kavo::fuzz::readSampledCache(data, size, "fuzz.mdd");
    return 0;
}
