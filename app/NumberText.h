#pragma once

// Numbers to and from text, the same whatever the user's locale: what the
// command line reads and what the writers put in files.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kavo::app {

class NumberText
{
public:
    // 17 significant digits, enough for every double to read back as the
    // very same double.
    static std::string exact(double value);
    // 9 significant digits, which do the same for single precision.
    static std::string exact(float value);
    // The same digits written at `first` (room for 32 characters), for
    // writers that format millions of numbers; returns the end.
    static char* exact(double value, char* first);
    static char* exact(float value, char* first);

    // The whole text as a finite real number, or nothing.
    static std::optional<double> real(std::string_view text);
    // The whole text as an integer, or nothing.
    static std::optional<long long> integer(std::string_view text);
    // "x,y,z": three finite reals, or nothing.
    static std::optional<std::array<double, 3>> triple(std::string_view text);
};

} // namespace kavo::app
