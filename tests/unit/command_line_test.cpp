// The command line: split as the system's C runtime splits it, and read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

using app::Invocation;
using Words = std::vector<std::string>;

bool shiftJisLead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

Words split(const std::string& line) {
    return app::splitCommandLine(line, shiftJisLead);
}

// Each line as the C runtime of Windows (msvcrt.dll) gives it to main(). The
// sources are UTF-8 and the compiler makes their texts Shift-JIS: 表 and ソ
// end in the byte 0x5C, a backslash when read byte by byte.
TEST(CommandLineTest, SplitsAsTheSystemsCRuntimeDoes) {
    struct Case {
        std::string line;
        Words words;
    };
    const Case cases[] = {
        {"", {""}},
        {"velnor.exe", {"velnor.exe"}},
        {"velnor.exe /report out.txt", {"velnor.exe", "/report", "out.txt"}},
        {"velnor.exe \t /report\t\tout.txt  ", {"velnor.exe", "/report", "out.txt"}},
        // The program's name: quoted with its blanks, backslashes as they are.
        {"\"C:\\Program Files\\Velnor\\velnor.exe\" -report x", {"C:\\Program Files\\Velnor\\velnor.exe", "-report", "x"}},
        {"\"C:\\a b\\v.exe\"x y", {"C:\\a b\\v.exe", "x", "y"}},
        {"C:\\a\\\"b c", {"C:\\a\\\"b", "c"}},
        {"\"unclosed name", {"unclosed name"}},
        // Quoted parts, and quotes in the middle of a word.
        {"v /report \"\\\\server\\share\\My Reports\\PC 1.txt\"", {"v", "/report", "\\\\server\\share\\My Reports\\PC 1.txt"}},
        {"v a\"b c\"d e", {"v", "ab cd", "e"}},
        {"v \"\" x", {"v", "", "x"}},
        {"v \"", {"v", ""}},
        {"v \"open to the end", {"v", "open to the end"}},
        // Backslashes: plain unless a quote follows.
        {"v a\\\\b c\\", {"v", "a\\\\b", "c\\"}},
        {"v a\\\"b", {"v", "a\"b"}},
        {"v a\\\\\\\"b", {"v", "a\\\"b"}},
        {"v \"a\\\\\"b", {"v", "a\\b"}},
        {"v \"C:\\dir\\\\\" next", {"v", "C:\\dir\\", "next"}},
        // Two quotes inside a quoted part: one quote, and the part closes.
        {"v \"a\"\"b c\"", {"v", "a\"b", "c"}},
        // Two-byte characters whose second byte is 0x5C, before a quote and a blank.
        {"v /report \"C:\\表\\ソ\"", {"v", "/report", "C:\\表\\ソ"}},
        {"v C:\\ソ \"x\"", {"v", "C:\\ソ", "x"}},
        {"\"C:\\ソ\\v.exe\" a", {"C:\\ソ\\v.exe", "a"}},
        {"C:\\ソ\\v.exe a", {"C:\\ソ\\v.exe", "a"}},
        // A lead byte that ends the line is a character of its own.
        {std::string("v a\x83"), {"v", std::string("a\x83")}},
        {std::string("v\x83"), {std::string("v\x83")}},
    };
    for (const Case& c : cases) EXPECT_EQ(split(c.line), c.words) << c.line;
}

TEST(CommandLineTest, OnlyTheKnownSwitchesWithTheirFilesAreTaken) {
    using Action = Invocation::Action;
    struct Case {
        Words arguments;  // after the program's name
        Action action;
        std::string file;
    };
    const Case cases[] = {
        {{}, Action::ShowWindow, ""},
        // A file dropped onto the program's icon: the window, as before.
        {{"C:\\dropped.txt"}, Action::ShowWindow, ""},
        {{"/report", "out.txt"}, Action::WriteReport, "out.txt"},
        {{"-report", "C:\\表\\a b.txt"}, Action::WriteReport, "C:\\表\\a b.txt"},
        {{"/REPORT", "x"}, Action::WriteReport, "x"},
        {{"-Report", "-x"}, Action::WriteReport, "-x"},
        {{"/report"}, Action::Refuse, ""},
        {{"/report", ""}, Action::Refuse, ""},
        {{"/report", "a", "b"}, Action::Refuse, ""},
        {{"out.txt", "/report"}, Action::Refuse, ""},
        {{"/reports", "x"}, Action::Refuse, ""},
        {{"/repor", "x"}, Action::Refuse, ""},
        {{"report", "x"}, Action::ShowWindow, ""},
        {{"/csv", "\\\\server\\share\\inventory.csv"}, Action::AppendRow, "\\\\server\\share\\inventory.csv"},
        {{"-CSV", "a.csv"}, Action::AppendRow, "a.csv"},
        {{"/csv"}, Action::Refuse, ""},
        {{"/csv", ""}, Action::Refuse, ""},
        {{"/csv", "a", "/report", "b"}, Action::Refuse, ""},
        {{"/report", "folder\\"}, Action::WriteReport, "folder\\"},
        {{"/?"}, Action::ShowUsage, ""},
        {{"-?"}, Action::ShowUsage, ""},
        {{"/?", "x"}, Action::Refuse, ""},
        {{"/??"}, Action::Refuse, ""},
        {{"/help"}, Action::Refuse, ""},
        {{"/"}, Action::Refuse, ""},
        {{"-"}, Action::Refuse, ""},
    };
    for (const Case& c : cases) {
        Invocation invocation = app::invocationOf(c.arguments);
        std::string shown;
        for (const std::string& word : c.arguments) shown += "[" + word + "]";
        EXPECT_EQ(invocation.action, c.action) << shown;
        EXPECT_EQ(invocation.file, c.file) << shown;
    }
}

}  // namespace
