// The cost of the 2000 ms refresh tick: the real main window on the real
// platform, its Timer2 handler called in a loop with the messages it causes
// (painting included) handled after each call. Prints the CPU and wall time
// per tick (the soak counts objects and memory, in the real program). With a
// third argument of 1, a new processor load is written into HKEY_DYN_DATA
// before each tick, so that the load's pie and label repaint every time (the
// writing is not counted).
// Usage: tick_bench [ticks] [page index] [vary]   (run by bench/measure.py)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "pages/control_ids.h"
#include "app/win32/application.h"

namespace {

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

double seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

double processCpuSeconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    return seconds(kernel) + seconds(user);
}

double wallSeconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
    int ticks = argc > 1 ? std::atoi(argv[1]) : 1000;
    int page = argc > 2 ? std::atoi(argv[2]) : 1;
    bool vary = argc > 3 && std::atoi(argv[3]) != 0;
    if (ticks < 1) ticks = 1;

    platform::Win32Platform platform;
    app::win32::Application program(platform, GetModuleHandleA(nullptr), 0, 0);
    program.start();
    ui::Form& form = program.window().form();

    ui::Timer* timer2 = nullptr;
    for (const auto& timer : form.timers())
        if (timer->id() == ids::Timer2) timer2 = timer.get();
    if (timer2 == nullptr) return 1;
    timer2->setEnabled(false);  // only the ticks of the loop count
    auto& pages = form.get<ui::PageControl>(ids::PageControl1);
    form.dispatch([&] { pages.setActivePage(*pages.pages().at(static_cast<std::size_t>(page))); });
    HKEY statistics = nullptr;
    if (vary && RegCreateKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                                nullptr, &statistics, nullptr) != ERROR_SUCCESS)
        return 2;
    double writing = 0;
    int count = 0;
    auto tick = [&] {
        if (statistics != nullptr) {
            double began = wallSeconds();
            DWORD load = static_cast<DWORD>(count * 37 % 101);
            RegSetValueExA(statistics, "KERNEL\\CPUUsage", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&load),
                           sizeof load);
            writing += wallSeconds() - began;
        }
        ++count;
        form.dispatch([&] { timer2->fire(); });
        pump();
    };
    for (int i = 0; i < 20; ++i) tick();  // the first figures, fonts and brushes

    writing = 0;
    double cpu0 = processCpuSeconds(), wall0 = wallSeconds();
    for (int i = 0; i < ticks; ++i) tick();
    double wall = wallSeconds() - wall0 - writing;
    double cpu = processCpuSeconds() - cpu0;

    std::printf("ticks %d\n", ticks);
    std::printf("cpu_ms_per_tick %.4f\n", cpu * 1000.0 / ticks);
    std::printf("wall_ms_per_tick %.4f\n", wall * 1000.0 / ticks);
    std::printf("write_ms_per_tick %.4f\n", writing * 1000.0 / ticks);
    std::printf("label21 %s\n", form.get<ui::Label>(ids::Label21).text().c_str());
    std::printf("memo4 %s\n", form.get<ui::TextBox>(ids::Memo4).text().c_str());
    std::printf("gauge2 %d\n", form.get<ui::Gauge>(ids::Gauge2).progress());
    std::fflush(stdout);
    if (statistics != nullptr) RegCloseKey(statistics);
    return 0;
}
