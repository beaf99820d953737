// The process's start and end, in place of the C runtime's start-up code: the
// floating-point unit as that code left it, the static objects built before
// WinMain and destroyed after it, the functions registered with atexit, and
// the exit code.
#include <windows.h>

#include <cstddef>
#include <cstdlib>

// The linker's lists of constructors and destructors (.ctors and .dtors):
// a word of -1, the functions, a null pointer.
extern "C" {
extern void (*__CTOR_LIST__[])();
extern void (*__DTOR_LIST__[])();
}

namespace {

// The functions registered with atexit, the last one first: the destructors
// of static objects (the compiler registers each one once its object is
// built, local statics included) and the destructor list.
struct ExitFunction {
    void (*function)();
    ExitFunction* next;
};
ExitFunction* exitFunctions = nullptr;

void runExitFunctions() {
    // A function may register another while it runs; that one runs next.
    while (exitFunctions != nullptr) {
        ExitFunction* entry = exitFunctions;
        exitFunctions = entry->next;
        entry->function();
        delete entry;
    }
}

// From the last to the first, as GCC's own start-up code runs them.
void runConstructors() {
    std::size_t count = 0;
    while (__CTOR_LIST__[count + 1] != nullptr) ++count;
    for (std::size_t i = count; i >= 1; --i) __CTOR_LIST__[i]();
}

void runDestructors() {
    for (std::size_t i = 1; __DTOR_LIST__[i] != nullptr; ++i) __DTOR_LIST__[i]();
}

// WinMain reads the whole command line itself (GetCommandLineA), split as
// the system's C runtime splits it; this start-up code does not cut it up.
char noArguments[] = "";

}  // namespace

extern "C" int atexit(void (*function)()) {
    exitFunctions = new ExitFunction{function, exitFunctions};
    return 0;
}

// An abnormal end (a failed allocation, a fault of the program): at once, with
// the exit code the C runtime's abort gives, and nothing else run.
extern "C" void abort() {
    ExitProcess(3);
}

// The same end, asked for with its code (the program's own faults: the
// headers' _Exit comes here).
extern "C" void _exit(int code) {
    ExitProcess(static_cast<UINT>(code));
}

// The entry point the linker gives a GUI program. Windows passes nothing the
// program needs; the stack is aligned here for the code that follows.
extern "C" __attribute__((force_align_arg_pointer)) void WinMainCRTStartup() {
#if defined(__i386__) || defined(__x86_64__)
    // The x87 unit as the MinGW start-up code leaves it (FNINIT: 64-bit
    // precision, rounding to nearest, every exception masked), which the
    // arithmetic outside the extended-precision scopes was made with.
    __asm__ __volatile__("fninit");
#endif
    runConstructors();
    // Registered after the constructors' own registrations, as GCC's start-up
    // does, so that the destructor list runs before the static objects go.
    atexit(runDestructors);
    int code = WinMain(GetModuleHandleA(nullptr), nullptr, noArguments, SW_SHOWDEFAULT);
    runExitFunctions();
    ExitProcess(static_cast<UINT>(code));
}
