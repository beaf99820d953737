// The report's text, section by section.
#include "pages/report.h"

#include <cstddef>

#include "pages/clock_measurement.h"
#include "pages/display_page.h"
#include "present/gauge_rules.h"
#include "present/percent.h"
#include "present/texts.h"

namespace pages {
namespace {

// Captions and lines stand two blanks in; values start in one column after
// the longest caption ("ファイルシステム", 16 bytes: in a fixed-pitch font a
// two-byte character takes two columns) and two blanks more.
constexpr const char* kIndent = "  ";
constexpr std::size_t kValueColumn = 2 + 16 + 2;

// Shift-JIS: the first bytes of two-byte characters, and the bytes that may follow one.
bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isTrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// A text from the system as one line of the report.
std::string oneLine(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (isLeadByte(byte)) {
            if (i + 1 < text.size() && isTrailByte(static_cast<unsigned char>(text[i + 1]))) {
                out += text[i];
                out += text[++i];
            }
        } else if (byte < 0x20 || byte == 0x7F) {
            out += ' ';
        } else {
            out += text[i];
        }
    }
    return out;
}

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

std::string windowsText(const ReportFacts& facts) {
    if (!facts.version) return texts::kUnknown;
    const platform::VersionInfo& v = *facts.version;
    // Windows 9x repeats the version in the build number's high word.
    std::uint32_t build = facts.kind == platform::PlatformKind::Windows9x ? v.build & 0xFFFF : v.build;
    std::string text = std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(build);
    std::string servicePack = trimmed(oneLine(v.servicePack));
    if (!servicePack.empty()) text += " " + servicePack;
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

void writeDisks(Writer& w, const ReportFacts& facts, present::Separators separators) {
    w.section(texts::kDiskTab);
    if (facts.drives.empty()) w.none();
    for (const DriveReading& drive : facts.drives) {
        if (&drive != &facts.drives.front()) w.line();
        UsageFigures figures = diskUsage(drive.totalBytes, drive.freeBytes, separators);
        w.line(std::string(1, drive.letter) + ":");
        w.row(texts::kTotalCaption, figures.total);
        w.row(texts::kUsedCaption, figures.used);
        w.row(texts::kFreeCaption, figures.free);
        w.row(texts::kShareCaption, present::percentText(figures.percent));
        w.row(texts::kFileSystemCaption, drive.volume ? oneLine(drive.volume->fileSystem) : std::string());
        w.row(texts::kSerialCaption, drive.volume ? serialText(drive.volume->serial) : std::string());
    }
}

void writeMemory(Writer& w, const ReportFacts& facts, present::Separators separators) {
    w.section(texts::kMemoryTab);
    UsageFigures figures{texts::kNotMeasured, texts::kNotMeasured, texts::kNotMeasured};
    std::string share = texts::kNotMeasured;
    if (facts.memory) {
        figures = memoryUsage(*facts.memory, separators);
        share = present::percentText(figures.percent);
    }
    w.row(texts::kTotalCaption, figures.total);
    w.row(texts::kUsedCaption, figures.used);
    w.row(texts::kFreeCaption, figures.free);
    w.row(texts::kShareCaption, share);
}

void writeCpu(Writer& w, const ReportFacts& facts, present::Separators separators) {
    w.section(texts::kCpuTab);
    w.row(texts::kClockCaption,
          facts.clockHertz ? frequencyDisplay(*facts.clockHertz, separators).text : texts::kNotMeasured);
    w.row(texts::kProcessorNameCaption, oneLine(facts.processorName));
    w.row(texts::kVendorCaption, oneLine(facts.vendor));
    if (facts.showsLoad)
        w.row(texts::kShareCaption, facts.load ? present::percentText(*facts.load) : texts::kNotMeasured);
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
void writeBios(Writer& w, const ReportFacts& facts) {
    if (!facts.showsBios) return;
    w.section(texts::kBiosTab);
    std::size_t begin = 0, end = facts.biosLines.size();
    while (begin < end && trimmed(oneLine(facts.biosLines[begin])).empty()) ++begin;
    while (end > begin && trimmed(oneLine(facts.biosLines[end - 1])).empty()) --end;
    if (begin == end) w.none();
    for (std::size_t i = begin; i < end; ++i) {
        std::string line = oneLine(facts.biosLines[i]);
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

void writeUser(Writer& w, const ReportFacts& facts) {
    w.section(texts::kUserTab);
    w.row(texts::kOwnerCaption, oneLine(facts.owner));
    w.row(texts::kOrganisationCaption, oneLine(facts.organisation));
    w.row(texts::kComputerNameCaption, oneLine(facts.computerName));
    if (!facts.pendingComputerName.empty()) w.row(texts::kPendingComputerName, oneLine(facts.pendingComputerName));
}

}  // namespace

std::string reportText(const ReportFacts& facts, present::Separators separators) {
    Writer w;
    w.line(std::string(texts::kApplicationTitle) + texts::kReportVersion + texts::kFileVersion);
    w.row(texts::kReportTaken, timeText(facts.taken));
    w.row(texts::kReportWindows, windowsText(facts));
    writeDisks(w, facts, separators);
    writeMemory(w, facts, separators);
    writeCpu(w, facts, separators);
    writeResources(w, facts);
    writeBios(w, facts);
    writeModes(w, facts);
    writeUser(w, facts);
    return w.take();
}

}  // namespace pages
