// Every text the program shows or writes lives in the one text table: no
// other source file holds a string or character literal with a byte outside
// ASCII (comments may quote the texts).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The lines of a source that hold a literal with a non-ASCII byte.
std::vector<int> linesWithNonAsciiLiterals(const std::string& source) {
    std::vector<int> found;
    enum class In { Code, LineComment, BlockComment, Literal } in = In::Code;
    char quote = 0;
    bool nonAscii = false;
    int line = 1;
    for (std::size_t i = 0; i < source.size(); ++i) {
        char c = source[i];
        char next = i + 1 < source.size() ? source[i + 1] : '\0';
        switch (in) {
            case In::Code:
                if (c == '/' && next == '/') in = In::LineComment;
                else if (c == '/' && next == '*') in = In::BlockComment, ++i;
                else if (c == '"' || c == '\'') in = In::Literal, quote = c, nonAscii = false;
                break;
            case In::LineComment:
                if (c == '\n') in = In::Code;
                break;
            case In::BlockComment:
                if (c == '*' && next == '/') in = In::Code, ++i;
                break;
            case In::Literal:
                if (c == '\\') {
                    ++i;
                } else if (c == quote || c == '\n') {
                    if (nonAscii) found.push_back(line);
                    in = In::Code;
                } else if (static_cast<unsigned char>(c) >= 0x80) {
                    nonAscii = true;
                }
                break;
        }
        if (c == '\n') ++line;
    }
    return found;
}

TEST(Texts, TheFinderSeesLiteralsAndNotComments) {
    EXPECT_EQ(linesWithNonAsciiLiterals("// \"日本\"\nint a = 1; /* \"語\" */\nconst char* t = \"テスト\";\n"),
              std::vector<int>{3});
    EXPECT_EQ(linesWithNonAsciiLiterals("const char* q = \"a\\\"b\"; char c = '\\'';\nauto s = \"\xc3\xa9\";"),
              std::vector<int>{2});
}

TEST(Texts, NoSourceOutsideTheTextTableHoldsANonAsciiLiteral) {
    const fs::path root = fs::path(VELNOR_SOURCE_DIR) / "src";
    const fs::path table = root / "present" / "texts.h";
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".cpp" && path.extension() != ".h")) continue;
        ++files;
        if (fs::equivalent(path, table)) continue;
        std::ifstream in(path, std::ios::binary);
        std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(linesWithNonAsciiLiterals(source), std::vector<int>{}) << path.string();
    }
    EXPECT_GT(files, 50);
}

}  // namespace
