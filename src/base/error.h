// The program's exception: a message in the system code page, shown by the
// error box when it escapes an event handler.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace base {

class Error : public std::exception {
public:
    explicit Error(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace base
