// What the C++ library calls when an operation of the program cannot be done.
//
// The library's own versions throw; the program is built without exceptions,
// so each of these is a fault of the program itself (a position past the end
// of a string, an empty function called, a pure virtual function reached),
// and the process ends at once rather than going on with a broken object.
#include <cstdlib>

extern "C" void __cxa_pure_virtual() {
    std::abort();
}

namespace std {
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
}  // namespace std
