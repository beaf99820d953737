// Splitting the command line and reading what it asks for.
#include "app/command_line.h"

#include <cstddef>

namespace app {
namespace {

class Scanner {
public:
    Scanner(std::string_view line, const present::LeadByteTest& isLead) : line_(line), isLead_(isLead) {}

    // The byte at the position, 0 at the end of the line (where the system's
    // line has its terminating zero).
    char peek(std::size_t ahead = 0) const { return at_ + ahead < line_.size() ? line_[at_ + ahead] : '\0'; }
    bool atEnd() const { return peek() == '\0'; }
    void skip() { ++at_; }
    // The character at the position, one byte or a lead byte and the one
    // after it; a lead byte that ends the line is a character alone.
    void takeCharacter(std::string& out) {
        std::size_t length = present::characterLength(line_, at_, isLead_);
        out.append(line_.substr(at_, length));
        at_ += length;
    }

private:
    std::string_view line_;
    const present::LeadByteTest& isLead_;
    std::size_t at_ = 0;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string programName(Scanner& scan) {
    std::string name;
    if (scan.peek() == '"') {
        scan.skip();
        while (!scan.atEnd() && scan.peek() != '"') scan.takeCharacter(name);
        if (scan.peek() == '"') scan.skip();
    } else {
        while (!scan.atEnd() && !isBlank(scan.peek())) scan.takeCharacter(name);
    }
    return name;
}

// One argument. It ends at a blank outside quotes or at the line's end, so
// the next one starts outside quotes.
std::string argument(Scanner& scan) {
    std::string out;
    bool quoted = false;
    for (;;) {
        std::size_t backslashes = 0;
        while (scan.peek() == '\\') {
            scan.skip();
            ++backslashes;
        }
        bool takeQuote = false;
        if (scan.peek() == '"') {
            if (backslashes % 2 == 0) {
                // Two quotes inside a quoted part: the second is a character.
                if (quoted && scan.peek(1) == '"') {
                    scan.skip();
                    takeQuote = true;
                } else {
                    scan.skip();
                }
                quoted = !quoted;
            } else {
                takeQuote = true;
            }
            backslashes /= 2;
            out.append(backslashes, '\\');
            if (takeQuote) {
                out += '"';
                scan.skip();
            }
            continue;
        }
        out.append(backslashes, '\\');
        if (scan.atEnd() || (!quoted && isBlank(scan.peek()))) return out;
        scan.takeCharacter(out);
    }
}

bool isSwitch(const std::string& word) {
    return !word.empty() && (word[0] == '/' || word[0] == '-');
}

// A switch of the given name (lower case), its letters in any case.
bool sameSwitch(const std::string& word, const char* name) {
    if (!isSwitch(word)) return false;
    std::size_t i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i + 1 >= word.size()) return false;
        char c = word[i + 1];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != name[i]) return false;
    }
    return i + 1 == word.size();
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view line, const present::LeadByteTest& isLead) {
    Scanner scan(line, isLead);
    std::vector<std::string> arguments{programName(scan)};
    for (;;) {
        while (isBlank(scan.peek())) scan.skip();
        if (scan.atEnd()) return arguments;
        arguments.push_back(argument(scan));
    }
}

Invocation invocationOf(const std::vector<std::string>& arguments) {
    bool anySwitch = false;
    for (const std::string& word : arguments) anySwitch = anySwitch || isSwitch(word);
    if (!anySwitch) return {};
    if (arguments.size() == 1 && sameSwitch(arguments[0], "?")) return {Invocation::Action::ShowUsage, {}};
    if (arguments.size() == 2 && !arguments[1].empty()) {
        if (sameSwitch(arguments[0], "report")) return {Invocation::Action::WriteReport, arguments[1]};
        if (sameSwitch(arguments[0], "csv")) return {Invocation::Action::AppendRow, arguments[1]};
    }
    return {Invocation::Action::Refuse, {}};
}

}  // namespace app
