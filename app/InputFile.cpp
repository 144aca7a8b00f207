#include "InputFile.h"

#include "AppError.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavo::app {

namespace {

constexpr std::uintmax_t kGiB = std::uintmax_t(1) << 30;

std::string quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

std::string sizeText(std::uintmax_t bytes)
{
    return bytes % kGiB == 0 ? std::to_string(bytes / kGiB) + " GiB" : std::to_string(bytes) + " bytes";
}

// What the file is when it is not a regular file; empty when it is one.
std::string nonRegularKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    if (!S_ISREG(mode))
        return "not a regular file";
    return {};
}

void checkStatus(const std::string& path, const InputFile::Kind& kind, const struct stat& status)
{
    const std::string what = nonRegularKind(status.st_mode);
    if (!what.empty())
        throw AppError::usage("the " + std::string(kind.description) + " " + quoted(path) + " is " + what +
                              ", not a file that can be read");
    if (static_cast<std::uintmax_t>(status.st_size) > kind.sizeLimit)
        throw AppError::usage("the " + std::string(kind.description) + " " + quoted(path) + " is too large (" +
                              std::to_string(status.st_size) + " bytes; the limit is " + sizeText(kind.sizeLimit) +
                              ")");
}

AppError unreadable(const std::string& path, const InputFile::Kind& kind, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return AppError::usage("no such file: " + quoted(path));
    return AppError::usage("cannot read the " + std::string(kind.description) + " " + quoted(path) + ": " +
                           std::strerror(error));
}

// Closes the descriptor whichever way reading ends.
class Descriptor
{
public:
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor() { close(m_descriptor); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

} // namespace

const InputFile::Kind InputFile::kObj{"OBJ file", 2 * kGiB};
const InputFile::Kind InputFile::kWeights{"weights file", kGiB};
const InputFile::Kind InputFile::kTexture{"texture image", 4 * kGiB};

void InputFile::check(const std::string& path, const Kind& kind)
{
    struct stat status
    {};
    if (stat(path.c_str(), &status) != 0)
        throw unreadable(path, kind, errno);
    checkStatus(path, kind, status);
}

std::string InputFile::read(const std::string& path, const Kind& kind)
{
    check(path, kind);
    // Non-blocking, so a file swapped for a pipe after the check cannot
    // stall the open; the descriptor is checked again below.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        throw unreadable(path, kind, errno);
    struct stat status
    {};
    if (fstat(file.get(), &status) != 0)
        throw unreadable(path, kind, errno);
    checkStatus(path, kind, status);

    std::string text(static_cast<size_t>(status.st_size), '\0');
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t count = ::read(file.get(), text.data() + done, text.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw unreadable(path, kind, errno);
        if (count == 0)
            break;
        done += static_cast<size_t>(count);
    }
    text.resize(done);
    return text;
}

} // namespace kavo::app
