// The program's end for a fault of its own.
#include "base/error.h"

#include <cstdlib>

namespace base {

void fail(const char* message) {
    static_cast<void>(message);
    std::_Exit(kProgramFault);
}

}  // namespace base
