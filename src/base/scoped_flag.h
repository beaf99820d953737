// A flag raised for the length of a scope, then given back the value it had
// before: for work that must know it is inside itself (a window setting its
// own state to the model's, a registration under way), also where that work
// comes back into itself.
#pragma once

namespace base {

class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = before_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace base
