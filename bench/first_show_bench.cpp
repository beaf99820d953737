// The cost of showing a page for the first time at its worst: the windows
// the page shows are made on the spot (those of hidden controls wait), as
// when the user picks a page before the program has made them in idle time.
// The real main window on the real platform, started as the program starts,
// without its message loop ever going idle; each page not in front is then
// shown in tab order and painted in full, and shown again later, already
// made, for comparison. Prints the wall milliseconds of each showing.
// Usage: first_show_bench   (run by bench/measure.py)
#include <windows.h>

#include <cstdio>
#include <vector>

#include "pages/control_ids.h"
#include "app/win32/application.h"

namespace {

double now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Handles what waits in the queue, the paints included, as the loop would.
void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Milliseconds from the switch until the page is on the screen.
double show(ui::Form& form, ui::PageControl& pages, ui::TabPage& page, HWND main) {
    double began = now();
    form.dispatch([&] { pages.setActivePage(page); });
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump();
    return now() - began;
}

}  // namespace

int main() {
    platform::Win32Platform platform;
    app::win32::Application program(platform, GetModuleHandleA(nullptr), 0, 0);
    program.start();
    ui::Form& form = program.window().form();
    for (const auto& timer : form.timers()) timer->setEnabled(false);  // no tick in between
    HWND main = FindWindowA("VelnorForm", nullptr);
    pump();
    auto& pages = form.get<ui::PageControl>(ids::PageControl1);
    std::vector<ui::TabPage*> all = pages.pages();
    ui::TabPage* front = pages.activePage();
    for (int round = 0; round < 2; ++round) {
        for (ui::TabPage* page : all) {
            if (page == front) continue;
            double ms = show(form, pages, *page, main);
            std::printf("%s %s %.2f\n", round == 0 ? "first" : "again", ids::nameOf(page->id()), ms);
        }
        show(form, pages, *front, main);
    }
    std::fflush(stdout);
    return 0;
}
