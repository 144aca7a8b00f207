// PerlinNoise::calcNoiseBatch with each instruction set the processor runs,
// over the same kind of scattered samples as BM_PerlinCalcNoise, so the two
// compare within one run. Reports the points evaluated per second.
#include "PerlinNoise.h"
#include "SimdTarget.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Coordinates
{
    std::vector<float> x, y, z, w;
};

const Coordinates& scatteredCoordinates()
{
    static const Coordinates made = [] {
        std::mt19937 generator(20150101u);
        std::uniform_real_distribution<float> space(-8.0f, 8.0f);
        std::uniform_real_distribution<float> time(0.0f, 4.0f);
        Coordinates c;
        for (int i = 0; i < 4096; ++i) {
            c.x.push_back(space(generator));
            c.y.push_back(space(generator));
            c.z.push_back(space(generator));
            c.w.push_back(time(generator));
        }
        return c;
    }();
    return made;
}

void BM_PerlinCalcNoiseBatch(benchmark::State& state, const std::string& target)
{
    if (!SimdTarget::choose(target.c_str())) {
        state.SkipWithError("this processor does not run it");
        return;
    }
    const Coordinates& c = scatteredCoordinates();
    std::vector<float> values(c.x.size());
    for (auto _ : state) {
        PerlinNoise::calcNoiseBatch(c.x.data(), c.y.data(), c.z.data(), c.w.data(), values.data(), values.size());
        benchmark::DoNotOptimize(values.data());
    }
    SimdTarget::choose(nullptr);
    state.counters["points"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * values.size(), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_PerlinCalcNoiseBatch, AVX512, std::string("AVX-512"))->Unit(benchmark::kMicrosecond)->MinTime(0.2);
BENCHMARK_CAPTURE(BM_PerlinCalcNoiseBatch, AVX2, std::string("AVX2"))->Unit(benchmark::kMicrosecond)->MinTime(0.2);
BENCHMARK_CAPTURE(BM_PerlinCalcNoiseBatch, SSE4, std::string("SSE4"))->Unit(benchmark::kMicrosecond)->MinTime(0.2);
BENCHMARK_CAPTURE(BM_PerlinCalcNoiseBatch, portable, std::string("portable"))
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2);

} // namespace
