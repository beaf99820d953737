// Program entry: the window and its message loop, or, asked for on the
// command line, the report into a file without a window.
#include <windows.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/report_mode.h"
#include "app/win32/application.h"
#include "app/win32/resource_ids.h"
#include "platform/win32/win32_platform.h"
#include "present/texts.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // One platform for the whole run: its bindings (on Windows 9x, the 16-bit
    // services) are made once.
    platform::Win32Platform platform;
    texts::choose(platform.ansiCodePage());
    // The start-up code hands over no command line: it is read here.
    std::vector<std::string> words = app::splitCommandLine(GetCommandLineA(), platform::leadByteTest(platform));
    app::Invocation invocation = app::invocationOf({words.begin() + 1, words.end()});
    switch (invocation.action) {
        case app::Invocation::Action::Refuse:
            return app::kCommandLineRefused;
        case app::Invocation::Action::WriteReport:
            return app::writeReport(platform, invocation.file);
        case app::Invocation::Action::AppendRow:
            return app::appendInventoryRow(platform, invocation.file);
        case app::Invocation::Action::ShowUsage:
            MessageBoxA(nullptr, texts::kUsage, texts::kApplicationTitle, MB_OK | MB_ICONINFORMATION);
            return app::kReportWritten;
        case app::Invocation::Action::ShowWindow:
            break;
    }
    app::win32::Application program(platform, instance, IDI_VELNOR, IDC_HAND_POINT);
    program.start();
    return program.run();
}
