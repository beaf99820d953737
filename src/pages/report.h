// The report of all seven pages: one plain text that a reader understands
// without the window, made from the figures the pages hold and from what
// only the report reads (the drives the disk page has not chosen).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/disk_page.h"
#include "pages/memory_page.h"
#include "pages/resources_page.h"
#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "present/characters.h"
#include "present/number_mask.h"

namespace pages {

// Everything the report tells, as raw figures; the report formats them with
// the pages' own rules.
struct ReportFacts {
    platform::LocalTime taken;
    std::optional<platform::VersionInfo> version;  // none: the system did not tell
    std::optional<platform::PlatformKind> kind;
    std::vector<DriveReading> drives;  // the drives that are ready, in the drive box's order
    std::optional<PhysicalMemory> memory;
    std::optional<double> clockHertz;
    std::string processorName;
    std::string vendor;
    bool showsLoad = false;  // the CPU page shows a load (Windows 9x)
    std::optional<std::int32_t> load;
    bool showsResources = false;  // the resources page has figures (Windows 9x)
    std::optional<FreeShares> resources;  // none: the shares were never read
    bool showsBios = true;  // the BIOS page is there (hidden on a platform of neither kind)
    std::vector<std::string> biosLines;
    std::vector<platform::DisplayMode> modes;
    std::optional<platform::DisplayMode> currentMode;  // the mode the screen is in
    std::string owner;
    std::string organisation;
    std::string computerName;
    std::string pendingComputerName;  // empty: no new name waits for a restart
};

// The report in the system's code page, each line ended by CR LF. Figures
// use the pages' masks with the given separators; a text read from the
// system keeps its bytes, except that a control byte becomes a blank and a
// two-byte character cut in half loses its first byte, so that every line of
// the report stays one line. Where a character ends is the code page's
// answer (isLead).
std::string reportText(const ReportFacts& facts, present::Separators separators, const present::LeadByteTest& isLead);

// The build number of the facts' version (which there must be): Windows 9x
// repeats the version in its high word, which is not part of the build.
std::uint32_t buildNumber(const ReportFacts& facts);
// The service pack of the facts' version as one line without the blanks
// around it; empty where there is no version or no service pack.
std::string servicePack(const ReportFacts& facts, const present::LeadByteTest& isLead);

// A computer name as the start of a file name: a character no file name may
// hold (\\ / : * ? " < > | or a control byte) becomes '_'; an empty name
// gives the application's name.
std::string reportFileStem(const std::string& computerName, const present::LeadByteTest& isLead);

}  // namespace pages
