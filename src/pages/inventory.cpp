// The inventory row, column by column.
#include "pages/inventory.h"

#include <cstdint>
#include <vector>

#include "present/texts.h"

namespace pages {
namespace {

// The columns in their order, each with how it is taken from the facts.
struct Column {
    const char* name;
    std::string (*value)(const ReportFacts& facts, const present::LeadByteTest& isLead);
};

std::string number(std::uint64_t value) {
    return std::to_string(value);
}

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

// A text of the system's as one field, as the report writes it on one line.
std::string text(const std::string& value, const present::LeadByteTest& isLead) {
    return present::oneLine(value, isLead);
}

std::string platformName(const ReportFacts& facts) {
    if (!facts.kind) return "unknown";
    switch (*facts.kind) {
        case platform::PlatformKind::Windows9x: return "9x";
        case platform::PlatformKind::WindowsNt: return "NT";
        default: return "other";
    }
}

std::string biosLines(const ReportFacts& facts, const present::LeadByteTest& isLead) {
    std::string out;
    for (const std::string& line : facts.biosLines) {
        std::string shown = text(line, isLead);
        if (shown.find_first_not_of(' ') == std::string::npos) continue;
        if (!out.empty()) out += "; ";
        out += shown;
    }
    return out;
}

// Each drive that answers as "c|NTFS|1A2B3C4D|total|free", the drives
// separated by ';'.
std::string drives(const ReportFacts& facts, const present::LeadByteTest& isLead) {
    std::string out;
    for (const DriveReading& drive : facts.drives) {
        if (!out.empty()) out += ';';
        out += std::string(1, drive.letter) + "|" + (drive.volume ? text(drive.volume->fileSystem, isLead) : "") +
               "|" + (drive.volume ? serialText(drive.volume->serial) : "") + "|" +
               number(static_cast<std::uint64_t>(drive.totalBytes)) + "|" +
               number(static_cast<std::uint64_t>(drive.freeBytes));
    }
    return out;
}

using Facts = const ReportFacts&;
using Lead = const present::LeadByteTest&;

const Column kColumns[] = {
    {"format", [](Facts, Lead) { return std::to_string(kInventoryFormat); }},
    {"velnor_version", [](Facts, Lead) { return std::string(texts::kFileVersion); }},
    {"created",
     [](Facts f, Lead) {
         const platform::LocalTime& t = f.taken;
         return std::to_string(t.year) + "-" + twoDigits(t.month) + "-" + twoDigits(t.day) + "T" + twoDigits(t.hour) +
                ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
     }},
    {"computer_name", [](Facts f, Lead l) { return text(f.computerName, l); }},
    {"pending_computer_name", [](Facts f, Lead l) { return text(f.pendingComputerName, l); }},
    {"platform", [](Facts f, Lead) { return platformName(f); }},
    {"windows_version",
     [](Facts f, Lead) {
         return f.version ? std::to_string(f.version->major) + "." + std::to_string(f.version->minor) : std::string();
     }},
    {"windows_build",
     [](Facts f, Lead) { return f.version ? number(buildNumber(f)) : std::string(); }},
    {"service_pack", servicePack},
    {"cpu_vendor", [](Facts f, Lead l) { return text(f.vendor, l); }},
    {"cpu_name", [](Facts f, Lead l) { return text(f.processorName, l); }},
    {"cpu_clock_hz",
     [](Facts f, Lead) { return f.clockHertz ? number(static_cast<std::uint64_t>(*f.clockHertz)) : std::string(); }},
    {"cpu_load_percent",
     [](Facts f, Lead) { return f.showsLoad && f.load ? std::to_string(*f.load) : std::string(); }},
    {"memory_total_bytes",
     [](Facts f, Lead) { return f.memory ? number(static_cast<std::uint64_t>(f.memory->total)) : std::string(); }},
    {"memory_free_bytes",
     [](Facts f, Lead) { return f.memory ? number(static_cast<std::uint64_t>(f.memory->available)) : std::string(); }},
    {"resources_system_percent",
     [](Facts f, Lead) { return f.resources ? std::to_string(f.resources->system) : std::string(); }},
    {"resources_gdi_percent",
     [](Facts f, Lead) { return f.resources ? std::to_string(f.resources->gdi) : std::string(); }},
    {"resources_user_percent",
     [](Facts f, Lead) { return f.resources ? std::to_string(f.resources->user) : std::string(); }},
    {"bios", biosLines},
    {"display_mode",
     [](Facts f, Lead) {
         if (!f.currentMode) return std::string();
         return number(f.currentMode->width) + "x" + number(f.currentMode->height) + "x" +
                number(f.currentMode->bitsPerPixel);
     }},
    {"display_mode_count", [](Facts f, Lead) { return number(f.modes.size()); }},
    {"owner", [](Facts f, Lead l) { return text(f.owner, l); }},
    {"organisation", [](Facts f, Lead l) { return text(f.organisation, l); }},
    {"drives", drives},
};

}  // namespace

std::string csvField(const std::string& value) {
    if (value.find_first_of(",\"\r\n") == std::string::npos) return value;
    std::string out = "\"";
    for (char c : value) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

std::string inventoryHeader() {
    std::string out;
    for (const Column& column : kColumns) {
        if (!out.empty()) out += ',';
        out += column.name;
    }
    return out + "\r\n";
}

std::string inventoryRow(const ReportFacts& facts, const present::LeadByteTest& isLead) {
    std::string out;
    for (const Column& column : kColumns) {
        if (&column != &kColumns[0]) out += ',';
        out += csvField(column.value(facts, isLead));
    }
    return out + "\r\n";
}

}  // namespace pages
