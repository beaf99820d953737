// The program's end for a fault of its own.
#pragma once

namespace base {

// The exit code of a program that found a fault of its own.
inline constexpr int kProgramFault = 3;

// Ends the process at once with kProgramFault, in every build alike: a fault
// of the program itself (a layout table out of order, a control or timer it
// lacks), never one of the machine, after which it could not go on sensibly.
// Nothing else runs; the message is for a reader of the code.
[[noreturn]] void fail(const char* message);

}  // namespace base
