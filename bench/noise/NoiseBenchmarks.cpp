// The noise alone, without the host: one evaluation of the four-dimensional
// source, and the composed value the deformer asks for once per point, with
// one and with four octaves. Each reports the points it evaluated per second.
#include "NoiseCalculation.h"
#include "PerlinNoise.h"

#include <maya/MPoint.h>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// Where the noise is taken: space and time coordinates spread over many
// lattice cells, fixed from run to run so that runs compare.
struct NoiseSample
{
    MPoint position;
    float time;
};

const std::vector<NoiseSample>& noiseSamples()
{
    static const std::vector<NoiseSample> samples = [] {
        std::mt19937 generator(20150101u);
        std::uniform_real_distribution<double> space(-8.0, 8.0);
        std::uniform_real_distribution<float> time(0.0f, 4.0f);
        std::vector<NoiseSample> made(4096);
        for (NoiseSample& sample : made) {
            const double x = space(generator);
            const double y = space(generator);
            const double z = space(generator);
            sample = {MPoint(x, y, z), time(generator)};
        }
        return made;
    }();
    return samples;
}

void reportPointRate(benchmark::State& state, size_t pointsPerIteration)
{
    state.counters["points"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(pointsPerIteration), benchmark::Counter::kIsRate);
}

void BM_PerlinCalcNoise(benchmark::State& state)
{
    const std::vector<NoiseSample>& samples = noiseSamples();
    for (auto _ : state) {
        for (const NoiseSample& sample : samples) {
            MPoint value =
                PerlinNoise::calcNoise(static_cast<float>(sample.position.x), static_cast<float>(sample.position.y),
                                       static_cast<float>(sample.position.z), sample.time);
            benchmark::DoNotOptimize(value);
        }
    }
    reportPointRate(state, samples.size());
}

// The deformer's own call: the class-wide source through its interface,
// neither absolute nor sine, roughness at the deformer's default of 1.
void BM_CalculateNoise(benchmark::State& state)
{
    const std::vector<NoiseSample>& samples = noiseSamples();
    const float octaves = static_cast<float>(state.range(0));
    PerlinNoise source;
    for (auto _ : state) {
        for (const NoiseSample& sample : samples) {
            MPoint value =
                NoiseCalculation::calculateNoise(source, octaves, 1.0f, false, false, sample.position, sample.time);
            benchmark::DoNotOptimize(value);
        }
    }
    reportPointRate(state, samples.size());
}

BENCHMARK(BM_PerlinCalcNoise)->Unit(benchmark::kMicrosecond)->MinTime(0.2);
BENCHMARK(BM_CalculateNoise)->ArgName("octaves")->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond)->MinTime(0.2);

} // namespace

BENCHMARK_MAIN();
