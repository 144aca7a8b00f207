#include "TemporaryFiles.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include <pthread.h>
#include <stdlib.h>
#include <unistd.h>

namespace kavo::app {

namespace {

std::mutex& listLock()
{
    static std::mutex lock;
    return lock;
}

// Never destroyed: the signal thread may still read it while the process
// exits.
std::vector<std::string>& listed()
{
    static auto* files = new std::vector<std::string>;
    return *files;
}

sigset_t stopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    return signals;
}

void forget(const std::string& path)
{
    std::vector<std::string>& files = listed();
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
}

// Waits for a stop signal, removes the files and ends the process by that
// signal. The lock stays held, so no new temporary file appears meanwhile.
[[noreturn]] void takeSignals(sigset_t signals)
{
    int signal = 0;
    while (sigwait(&signals, &signal) != 0) {
    }
    listLock().lock();
    for (const std::string& path : listed())
        unlink(path.c_str());
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    _exit(128 + signal);
}

} // namespace

void TemporaryFiles::removeOnSignals()
{
    const sigset_t signals = stopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(takeSignals, signals).detach();
}

int TemporaryFiles::create(std::string& pattern, int suffixLength)
{
    const std::lock_guard<std::mutex> guard(listLock());
    const int descriptor = mkstemps(pattern.data(), suffixLength);
    if (descriptor >= 0)
        listed().push_back(pattern);
    return descriptor;
}

bool TemporaryFiles::rename(const std::string& temporary, const std::string& target)
{
    const std::lock_guard<std::mutex> guard(listLock());
    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        return false;
    forget(temporary);
    return true;
}

void TemporaryFiles::remove(const std::string& temporary)
{
    const std::lock_guard<std::mutex> guard(listLock());
    std::remove(temporary.c_str());
    forget(temporary);
}

void TemporaryFiles::whileListed(const std::function<void()>& use)
{
    const std::lock_guard<std::mutex> guard(listLock());
    use();
}

} // namespace kavo::app
