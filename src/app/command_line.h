// The command line: its arguments, split as Windows programs split them, and
// what they ask of the program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "present/characters.h"

namespace app {

// Splits a command line as the system's C runtime (msvcrt.dll) does for its
// programs. The program's name comes first: in double quotes (which may hold
// blanks), or up to the first blank or tab; backslashes there are plain
// characters. Then the arguments, separated by blanks and tabs outside
// double quotes: 2n backslashes before a double quote give n backslashes and
// the quote opens or closes a quoted part; 2n + 1 give n backslashes and a
// literal quote; two quotes inside a quoted part give one quote and close
// it; any other backslash stands for itself. A lead byte and the byte after
// it are one character, so the second byte of a two-byte character (0x5C in
// 表 or ソ) is never taken for a backslash.
std::vector<std::string> splitCommandLine(std::string_view line, const present::LeadByteTest& isLead);

// What the command line asks for.
struct Invocation {
    enum class Action {
        ShowWindow,   // no switch: the window, as always
        WriteReport,  // the report into a file (or a folder's file), without a window
        AppendRow,    // the inventory row appended to a table, without a window
        ShowUsage,    // the switches and exit codes, in a message box
        Refuse,       // a switch the program does not know, or one without its file
    };
    Action action = Action::ShowWindow;
    std::string file;
};

// From the arguments after the program's name. No argument, or only words
// that are no switches (a file dropped onto the program's icon), shows the
// window as before. "/report FILE" writes the report into FILE (a FILE that
// names a folder, or ends with a backslash, means a file in it named after
// the computer); "/csv FILE" appends the inventory row to FILE; "/?" shows
// the usage. A switch may start with '-' too, its letters in any case.
// Anything else that has a switch (one the program does not know, one
// without its file or with an empty one, a word beside it) is refused.
Invocation invocationOf(const std::vector<std::string>& arguments);

// The exit codes of a run from the command line.
inline constexpr int kReportWritten = 0;  // also for the usage shown
inline constexpr int kReportNotWritten = 1;
inline constexpr int kCommandLineRefused = 2;

}  // namespace app
