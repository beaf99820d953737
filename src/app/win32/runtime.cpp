// Keeps the executable small. The C++ runtime reports a failed container or
// string operation through these functions; the library's own versions build
// their exceptions on a second string implementation and pull in some 50 KB
// with it. Ours throw the program's own error, which the error box shows like
// any other; an allocation failure stays std::bad_alloc.
#include <cstdlib>
#include <new>

#include "base/error.h"

namespace __gnu_cxx {
// The verbose handler would link the C++ demangler for a message nobody sees
// in a GUI program.
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
    throw std::bad_alloc();
}
void __throw_bad_array_new_length() {
    throw std::bad_alloc();
}
void __throw_logic_error(const char* what) {
    throw base::Error(what);
}
void __throw_length_error(const char* what) {
    throw base::Error(what);
}
void __throw_out_of_range(const char* what) {
    throw base::Error(what);
}
void __throw_out_of_range_fmt(const char* what, ...) {
    throw base::Error(what);
}
void __throw_invalid_argument(const char* what) {
    throw base::Error(what);
}
void __throw_bad_function_call() {
    throw base::Error("bad function call");
}
}  // namespace std
