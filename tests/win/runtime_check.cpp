// The program's own start-up code, heap and memory functions as velnor.exe
// links them, run under Wine by the end-to-end tests: static objects built
// before WinMain and destroyed after it in reverse order, local statics
// destroyed first, the x87 unit as the program expects it, the exit code, the
// memory functions on the cases where a mistake shows, and the abnormal end.
// Prints "OK" (from the last destructor) or what failed.
//
// With the argument "abort" it ends abnormally after registering an exit
// function, and with "exhaust" it asks for more memory than there is: both
// must end with exit code 3 and print nothing more.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

namespace {

char events[16];
int eventCount = 0;
int failures = 0;

void write(const char* text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

void expect(bool condition, const char* what) {
    if (condition) return;
    write("FAIL ");
    write(what);
    write("\n");
    ++failures;
}

void record(char event) {
    if (eventCount < static_cast<int>(sizeof events) - 1) events[eventCount++] = event;
}

struct Recorder {
    char built;
    char destroyed;
    Recorder(char b, char d) : built(b), destroyed(d) { record(built); }
    ~Recorder() {
        record(destroyed);
        // The first object built goes last: the verdict.
        if (built != 'A') return;
        if (std::string(events) != "ABLlba") {
            write(events);
            write(": ");
        }
        expect(std::string(events) == "ABLlba", "the order of construction and destruction, wanted ABLlba");
        write(failures == 0 ? "OK\n" : "NOT OK\n");
    }
};

Recorder first('A', 'a');
Recorder second('B', 'b');

Recorder& local() {
    static Recorder recorder('L', 'l');
    return recorder;
}

// The compiler knows these functions and would work out calls with constant
// arguments itself; calls through these pointers reach ours.
void* (*volatile copy)(void*, const void*, std::size_t) = std::memcpy;
void* (*volatile move)(void*, const void*, std::size_t) = std::memmove;
void* (*volatile fill)(void*, int, std::size_t) = std::memset;
int (*volatile compare)(const void*, const void*, std::size_t) = std::memcmp;
void* (*volatile find)(const void*, int, std::size_t) = std::memchr;
std::size_t (*volatile length)(const char*) = std::strlen;

void checkMemoryFunctions() {
    char text[] = "abcdefgh";
    move(text + 2, text, 5);  // overlapping, to a higher address
    expect(std::string(text) == "ababcdeh", "memmove upwards");
    move(text, text + 3, 5);  // overlapping, to a lower address
    expect(std::string(text) == "bcdehdeh", "memmove downwards");
    char copied[4] = {};
    expect(copy(copied, "xyz", 3) == copied && std::string(copied) == "xyz", "memcpy");
    expect(fill(copied, 0x81, 2) == copied && copied[0] == '\x81' && copied[1] == '\x81' && copied[2] == 'z',
           "memset");
    const unsigned char low[] = {1, 0x7F}, high[] = {1, 0x80};
    expect(compare(low, high, 2) < 0 && compare(high, low, 2) > 0, "memcmp compares bytes unsigned");
    expect(compare(low, high, 1) == 0 && compare(low, high, 0) == 0, "memcmp over equal bytes");
    const char bytes[] = {'a', '\x95', '\\', 0, 'b'};
    expect(find(bytes, '\\', 5) == bytes + 2 && find(bytes, 'b', 5) == bytes + 4, "memchr finds");
    expect(find(bytes, 'b', 4) == nullptr && find(bytes, 0x95, 5) == bytes + 1, "memchr stops and takes the byte");
    expect(length("") == 0 && length("\x83\x5c\x95\x5c") == 4, "strlen");
}

void checkHeap() {
    void* none = ::operator new(0);
    void* other = ::operator new(0);
    expect(none != nullptr && other != nullptr && none != other, "operator new of no bytes gives distinct blocks");
    ::operator delete(none);
    ::operator delete(other);
    std::string grown;
    for (int i = 0; i < 1000; ++i) grown += "0123456789";
    expect(grown.size() == 10000 && grown.compare(9990, 10, "0123456789") == 0, "a string grows on the heap");
    volatile std::size_t size = static_cast<std::size_t>(-1) / 2 + 1;
    void* huge = ::operator new(size, std::nothrow);
    expect(huge == nullptr, "the nothrow form gives null when there is no memory");
}

void checkFloatingPointUnit() {
#if defined(__i386__) || defined(__x86_64__)
    unsigned short control = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(control));
    expect(control == 0x037F, "x87 control word 037F at WinMain");
#endif
}

bool argument(const std::string& word) {
    std::string line = GetCommandLineA();
    return line.size() > word.size() && line.compare(line.size() - word.size() - 1, std::string::npos, " " + word) == 0;
}

void neverRun() {
    write("exit function run after abort\n");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (argument("abort")) {
        std::atexit(neverRun);
        std::abort();
    }
    if (argument("exhaust")) {
        std::atexit(neverRun);
        volatile std::size_t size = static_cast<std::size_t>(-1) / 2 + 1;
        static_cast<char*>(::operator new(size))[0] = 0;
        write("an allocation of half the address space succeeded\n");
    }
    expect(std::string(events) == "AB", "static objects built in order before WinMain");
    local();
    checkFloatingPointUnit();
    checkMemoryFunctions();
    checkHeap();
    return 7;
}
