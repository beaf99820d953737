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
    // The start-up code hands over no command line: it is read here.
    app::Invocation invocation;
    {
        platform::Win32Platform platform;
        texts::choose(platform.ansiCodePage());
        std::vector<std::string> words = app::splitCommandLine(
            GetCommandLineA(), [&platform](unsigned char byte) { return platform.isLeadByte(byte); });
        invocation = app::invocationOf({words.begin() + 1, words.end()});
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
    }
    app::win32::Application program(instance, IDI_VELNOR, IDC_HAND_POINT);
    program.start();
    return program.run();
}
