// The program's error for a broken program, and how it is raised in each build.
#pragma once

#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

namespace base {

#if __cpp_exceptions
// A message in the system code page, shown by the error box when it escapes
// an event handler.
class Error : public std::exception {
public:
    explicit Error(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
#endif

// Reports a fault of the program itself (a layout table out of order, a
// control it lacks), never one of the machine. A build with exceptions raises
// the error, as the tests expect; the Windows build has none and ends the
// process, which could not go on sensibly.
[[noreturn]] inline void fail(const char* message) {
#if __cpp_exceptions
    throw Error(message);
#else
    (void)message;
    std::abort();
#endif
}

}  // namespace base
