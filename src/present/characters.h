// Where characters end in a text of the system's code page: one or two bytes
// each, as the system's own lead-byte test says, never a table of our own.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace present {

// Whether a byte begins a two-byte character in the system's code page.
using LeadByteTest = std::function<bool(unsigned char)>;

// How many bytes the character at a place of the text takes: 2 for a lead
// byte with a byte after it, else 1.
std::size_t characterLength(std::string_view text, std::size_t at, const LeadByteTest& isLead);

// The length in bytes of the longest beginning of the text that takes at
// most maxBytes and ends with a whole character. A lead byte at the very
// end of the text counts as a character of its own.
std::size_t wholeCharactersWithin(std::string_view text, std::size_t maxBytes, const LeadByteTest& isLead);

// A text from the system as one line (of a report, or one field of a table
// row): a control byte becomes a blank, and a two-byte character cut in half
// at the end loses its first byte.
std::string oneLine(std::string_view text, const LeadByteTest& isLead);

}  // namespace present
