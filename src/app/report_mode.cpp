// The report mode and the inventory row.
#include "app/report_mode.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "pages/inventory.h"
#include "pages/user_page.h"
#include "platform/quiet_drives.h"

namespace app {
namespace {

// The computer's name as the start-up reads it, for a file named after it.
std::string computerName(platform::Platform& platform) {
    char name[pages::kLongestComputerName + 1] = {};
    std::uint32_t size = sizeof name;
    if (!platform.getComputerName(name, size)) return {};
    name[sizeof name - 1] = '\0';
    return name;
}

// A pause of 50 to 249 ms, drawn afresh for every try: programs that met at
// a busy table do not meet again at the same moment.
class Pauses {
public:
    explicit Pauses(platform::Platform& platform) : state_(platform.processId() * 2654435761u ^ platform.tickCount()) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return 50 + (state_ >> 16) % 200;
    }

private:
    std::uint32_t state_;
};

}  // namespace

std::string reportFileFor(platform::Platform& platform, const std::string& target) {
    bool folder = !target.empty() && (target.back() == '\\' || target.back() == '/');
    if (!folder && !platform.isDirectory(target)) return target;
    std::string stem = pages::reportFileStem(computerName(platform), platform::leadByteTest(platform));
    return target + (folder ? "" : "\\") + stem + ".txt";
}

int writeReport(platform::Platform& platform, const std::string& target) {
    // Also for the file's own drive: a floppy without a disk fails the write.
    platform::QuietDrives quiet(platform);
    std::string file = reportFileFor(platform, target);
    if (platform.checkWritable(file) != platform::kSuccess) return kReportNotWritten;
    MainWindow window(platform);
    window.takeReadingsForReport();
    return platform.replaceFile(file, window.report()) == platform::kSuccess ? kReportWritten : kReportNotWritten;
}

int appendInventoryRow(platform::Platform& platform, const std::string& file) {
    platform::QuietDrives quiet(platform);
    if (platform.checkWritable(file) != platform::kSuccess) return kReportNotWritten;
    MainWindow window(platform);
    window.takeReadingsForReport();
    const std::string row = window.inventoryRow();
    auto bytesFor = [&row](const platform::Platform::AppendTarget& table) {
        std::string bytes = table.endsWithLine ? std::string() : std::string("\r\n");
        if (table.size == 0) bytes += pages::inventoryHeader();
        return bytes + row;
    };
    Pauses pauses(platform);
    const std::uint32_t began = platform.tickCount();
    for (;;) {
        long result = platform.appendAlone(file, bytesFor);
        if (result == platform::kSuccess) return kReportWritten;
        bool busy = result == platform::kSharingViolation || result == platform::kLockViolation;
        if (!busy || platform.tickCount() - began >= kBusyTableWaitMs) return kReportNotWritten;
        platform.sleep(pauses.next());
    }
}

}  // namespace app
