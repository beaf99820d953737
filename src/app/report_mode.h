// The report and the inventory row taken from the command line: no window,
// the readings a window would have after its start-up and a clock
// measurement, into a file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace app {

// The file a report for a target goes into: a target that ends with a
// backslash (or slash), or names a folder, means the file named after the
// computer in that folder ("FOLDER\PCNAME.txt"); any other target is the file.
std::string reportFileFor(platform::Platform& platform, const std::string& target);

// Writes the report whole into the target's file, or leaves the file as it
// was. Whether the file can be written is known before the four seconds of
// the clock's measurement: a target that cannot be written ends at once.
// Nothing else is written anywhere, and a drive without a medium brings up no
// prompt: there is no window to answer one. The exit code: kReportWritten,
// or kReportNotWritten.
int writeReport(platform::Platform& platform, const std::string& target);

// How long a table another program holds open is waited for, in all.
inline constexpr std::uint32_t kBusyTableWaitMs = 8000;

// Appends the inventory row to the table at file (the header row first where
// the file is new or empty), as one write while no one else writes it. Many
// PCs may append at the same moment: a table another one holds is tried
// again after a pause of its own (so that they do not meet again), until
// kBusyTableWaitMs have passed. The exit code: kReportWritten, or
// kReportNotWritten with the file as it was.
int appendInventoryRow(platform::Platform& platform, const std::string& file);

}  // namespace app
