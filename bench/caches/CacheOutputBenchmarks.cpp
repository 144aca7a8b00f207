// kavo-deform over a frame range, run as a user runs it: a 1,000 x 1,000
// grid, four octaves of Perlin noise, 100 frames, written to a .pc2 cache,
// to a geometry cache (.xml with one .mcx data file) and to an OBJ file per
// frame, side by side. Each benchmark runs the program once in a fresh
// folder and reports the wall time of the whole run, its frames per second
// (start-up included), the processor time it took per frame (user and
// system, every thread; on a shared machine the steadier figure) and the
// program's peak resident memory. A thread of
// this process removes every finished output while the run goes on, so the
// OBJ range (about 240 MB a frame) does not fill the disk; the program still
// writes every byte.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef KAVO_APP_PATH
#define KAVO_APP_PATH "kavo-deform"
#endif

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 100;

// Removes the finished files of `folder` (not the temporary files a run is
// still writing, whose names start with a dot) until told to stop.
class OutputRemover
{
public:
    explicit OutputRemover(fs::path folder)
        : m_folder(std::move(folder))
        , m_thread([this] {
            while (!m_stop) {
                removeFinished();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        })
    {
    }
    ~OutputRemover()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    void removeFinished() const
    {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error))
            if (entry.path().filename().string()[0] != '.' && entry.path().extension() == ".obj")
                fs::remove(entry.path(), error);
    }

    fs::path m_folder;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

struct RunResult
{
    int status = -1;
    double seconds = 0.0;
    double peakMegabytes = 0.0;
    double processorSeconds = 0.0;
};

RunResult runApp(const std::vector<std::string>& arguments, const fs::path& folder)
{
    std::vector<char*> argv;
    std::string program = KAVO_APP_PATH;
    argv.push_back(program.data());
    std::vector<std::string> words = arguments;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    RunResult result;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    for (const timeval& time : {usage.ru_utime, usage.ru_stime})
        result.processorSeconds += static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    return result;
}

void BM_FrameRange(benchmark::State& state, const std::vector<std::string>& outputs)
{
    const fs::path folder = fs::temp_directory_path() / ("kavo-bench-caches-" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::vector<std::string> arguments = {"@plane:1000x1000", "-o"};
    arguments.insert(arguments.end(), outputs.begin(), outputs.end());
    arguments.insert(arguments.end(), {"--frames", "1:" + std::to_string(kFrames), "--set", "fractalState=on", "--set",
                                       "iterations=4", "--quiet"});
    RunResult result;
    for (auto _ : state) {
        {
            const OutputRemover remover(folder);
            result = runApp(arguments, folder);
        }
        state.SetIterationTime(result.seconds);
    }
    fs::remove_all(folder);
    if (result.status != 0) {
        state.SkipWithError(("kavo-deform exited with " + std::to_string(result.status)).c_str());
        return;
    }
    state.counters["fps"] = kFrames / result.seconds;
    state.counters["peak_MB"] = result.peakMegabytes;
    state.counters["cpu_s_per_frame"] = result.processorSeconds / kFrames;
}

BENCHMARK_CAPTURE(BM_FrameRange, pc2, std::vector<std::string>{"grid.pc2"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_FrameRange, geometry_cache, std::vector<std::string>{"grid.xml"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_FrameRange, obj_per_frame, std::vector<std::string>{"grid.####.obj"})
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
