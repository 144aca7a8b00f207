#pragma once

// A failure the command line reports to the user and ends with: the message
// to print and the process's exit status. Usage and input errors (a bad
// option, an unreadable file, a value that does not parse) end with 2, a
// failure while the host evaluates the scene with 1, so a farm script can
// tell a broken job description from a broken frame.

#include <stdexcept>
#include <string>

namespace kavo::app {

class AppError : public std::runtime_error
{
public:
    static constexpr int kUsageExitCode = 2;
    static constexpr int kEvaluationExitCode = 1;

    static AppError usage(const std::string& message) { return AppError(message, kUsageExitCode); }
    static AppError evaluation(const std::string& message) { return AppError(message, kEvaluationExitCode); }

    int exitCode() const { return m_exitCode; }

private:
    AppError(const std::string& message, int exitCode) : std::runtime_error(message), m_exitCode(exitCode) {}

    int m_exitCode;
};

} // namespace kavo::app
