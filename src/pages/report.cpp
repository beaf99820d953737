// The report's text, section by section.
#include "pages/report.h"

#include <cstddef>

#include "pages/clock_measurement.h"
#include "pages/display_page.h"
#include "present/characters.h"
#include "present/gauge_rules.h"
#include "present/percent.h"
#include "present/texts.h"

namespace pages {
namespace {

// Captions and lines stand two blanks in; values start in one column after
// the longest caption (texts::kFileSystemCaption, 16 bytes: in a fixed-pitch
// font a two-byte character takes two columns) and two blanks more.
constexpr const char* kIndent = "  ";
constexpr std::size_t kValueColumn = 2 + 16 + 2;

// How figures and texts are written: the user's separators, and the
// system's code page.
struct Format {
    present::Separators separators;
    const present::LeadByteTest& isLead;
    std::string line(const std::string& text) const { return present::oneLine(text, isLead); }
};

std::string twoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

std::string timeText(const platform::LocalTime& t) {
    return std::to_string(t.year) + "/" + twoDigits(t.month) + "/" + twoDigits(t.day) + " " + twoDigits(t.hour) +
           ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
}

const char* kindName(std::optional<platform::PlatformKind> kind) {
    if (!kind) return texts::kUnknown;
    switch (*kind) {
        case platform::PlatformKind::Windows9x: return texts::kWindows9x;
        case platform::PlatformKind::WindowsNt: return texts::kWindowsNt;
        case platform::PlatformKind::Other: break;
    }
    return texts::kOtherPlatform;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
}

std::string windowsText(const ReportFacts& facts, const Format& f) {
    if (!facts.version) return texts::kUnknown;
    const platform::VersionInfo& v = *facts.version;
    std::string text =
        std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(buildNumber(facts));
    std::string pack = servicePack(facts, f.isLead);
    if (!pack.empty()) text += " " + pack;
    return text + " (" + kindName(facts.kind) + ")";
}

class Writer {
public:
    void line(const std::string& text = {}) {
        out_ += text;
        out_ += "\r\n";
    }
    // A caption and its value, the values of a section in one column; an
    // empty value leaves the caption alone on its line.
    void row(const std::string& caption, const std::string& value) {
        std::string start = kIndent + trimmed(caption);
        if (value.empty()) return line(start);
        start += start.size() < kValueColumn ? std::string(kValueColumn - start.size(), ' ') : std::string(" ");
        line(start + value);
    }
    void section(const char* title) {
        line();
        line(std::string("[") + title + "]");
    }
    void none() { line(std::string(kIndent) + texts::kNoEntries); }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void writeDisks(Writer& w, const ReportFacts& facts, const Format& f) {
    w.section(texts::kDiskTab);
    if (facts.drives.empty()) w.none();
    for (const DriveReading& drive : facts.drives) {
        if (&drive != &facts.drives.front()) w.line();
        UsageFigures figures = diskUsage(drive.totalBytes, drive.freeBytes, f.separators);
        w.line(std::string(1, drive.letter) + ":");
        w.row(texts::kTotalCaption, figures.total);
        w.row(texts::kUsedCaption, figures.used);
        w.row(texts::kFreeCaption, figures.free);
        w.row(texts::kShareCaption, present::percentText(figures.percent));
        w.row(texts::kFileSystemCaption, drive.volume ? f.line(drive.volume->fileSystem) : std::string());
        w.row(texts::kSerialCaption, drive.volume ? serialText(drive.volume->serial) : std::string());
    }
}

void writeMemory(Writer& w, const ReportFacts& facts, const Format& f) {
    w.section(texts::kMemoryTab);
    UsageFigures figures{texts::kNotMeasured, texts::kNotMeasured, texts::kNotMeasured};
    std::string share = texts::kNotMeasured;
    if (facts.memory) {
        figures = memoryUsage(*facts.memory, f.separators);
        share = present::percentText(figures.percent);
    }
    w.row(texts::kTotalCaption, figures.total);
    w.row(texts::kUsedCaption, figures.used);
    w.row(texts::kFreeCaption, figures.free);
    w.row(texts::kShareCaption, share);
}

void writeCpu(Writer& w, const ReportFacts& facts, const Format& f) {
    w.section(texts::kCpuTab);
    w.row(texts::kClockCaption,
          facts.clockHertz ? frequencyDisplay(*facts.clockHertz, f.separators).text : texts::kNotMeasured);
    w.row(texts::kProcessorNameCaption, f.line(facts.processorName));
    w.row(texts::kVendorCaption, f.line(facts.vendor));
    if (facts.showsLoad)
        w.row(texts::kLoadCaption, facts.load ? present::percentText(*facts.load) : texts::kNotMeasured);
}

void writeResources(Writer& w, const ReportFacts& facts) {
    if (!facts.showsResources) return;
    w.section(texts::kResourcesTab);
    FreeShares shares = facts.resources.value_or(FreeShares{});
    auto share = [&](int percent) {
        return facts.resources ? present::gaugeText(percent) : std::string(texts::kNotMeasured);
    };
    w.row(texts::kSystemHeapCaption, share(shares.system));
    w.row(texts::kGdiHeapCaption, share(shares.gdi));
    w.row(texts::kUserHeapCaption, share(shares.user));
}

// The lines as the page shows them, without the empty ones around them.
void writeBios(Writer& w, const ReportFacts& facts, const Format& f) {
    if (!facts.showsBios) return;
    w.section(texts::kBiosTab);
    std::size_t begin = 0, end = facts.biosLines.size();
    while (begin < end && trimmed(f.line(facts.biosLines[begin])).empty()) ++begin;
    while (end > begin && trimmed(f.line(facts.biosLines[end - 1])).empty()) --end;
    if (begin == end) w.none();
    for (std::size_t i = begin; i < end; ++i) {
        std::string line = f.line(facts.biosLines[i]);
        w.line(trimmed(line).empty() ? std::string() : kIndent + line);
    }
}

// Each mode in the page's own lines, one empty line between two.
void writeModes(Writer& w, const ReportFacts& facts) {
    w.section(texts::kDisplayTab);
    if (facts.modes.empty()) w.none();
    for (std::size_t i = 0; i < facts.modes.size(); ++i) {
        if (i > 0) w.line();
        for (const std::string& line : modeLines(static_cast<std::int32_t>(i), facts.modes[i]))
            if (!line.empty()) w.line(line);
    }
}

void writeUser(Writer& w, const ReportFacts& facts, const Format& f) {
    w.section(texts::kUserTab);
    w.row(texts::kOwnerCaption, f.line(facts.owner));
    w.row(texts::kOrganisationCaption, f.line(facts.organisation));
    w.row(texts::kComputerNameCaption, f.line(facts.computerName));
    if (!facts.pendingComputerName.empty()) w.row(texts::kPendingComputerName, f.line(facts.pendingComputerName));
}

}  // namespace

std::string reportText(const ReportFacts& facts, present::Separators separators, const present::LeadByteTest& isLead) {
    const Format f{separators, isLead};
    Writer w;
    w.line(std::string(texts::kApplicationTitle) + texts::kReportVersion + texts::kFileVersion);
    w.row(texts::kReportTaken, timeText(facts.taken));
    w.row(texts::kReportWindows, windowsText(facts, f));
    writeDisks(w, facts, f);
    writeMemory(w, facts, f);
    writeCpu(w, facts, f);
    writeResources(w, facts);
    writeBios(w, facts, f);
    writeModes(w, facts);
    writeUser(w, facts, f);
    return w.take();
}

std::uint32_t buildNumber(const ReportFacts& facts) {
    std::uint32_t build = facts.version->build;
    return facts.kind == platform::PlatformKind::Windows9x ? build & 0xFFFF : build;
}

std::string servicePack(const ReportFacts& facts, const present::LeadByteTest& isLead) {
    return facts.version ? trimmed(present::oneLine(facts.version->servicePack, isLead)) : std::string();
}

std::string reportFileStem(const std::string& computerName, const present::LeadByteTest& isLead) {
    std::string stem;
    for (std::size_t i = 0; i < computerName.size();) {
        std::size_t length = present::characterLength(computerName, i, isLead);
        auto byte = static_cast<unsigned char>(computerName[i]);
        bool refused = length == 1 && (byte < 0x20 || std::string_view("\\/:*?\"<>|").find(computerName[i]) !=
                                                           std::string_view::npos);
        stem += refused ? std::string("_") : computerName.substr(i, length);
        i += length;
    }
    return stem.empty() ? std::string(texts::kApplicationName) : stem;
}

}  // namespace pages
