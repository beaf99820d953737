// Character boundaries.
#include "present/characters.h"

namespace present {

std::size_t characterLength(std::string_view text, std::size_t at, const LeadByteTest& isLead) {
    return at + 1 < text.size() && isLead(static_cast<unsigned char>(text[at])) ? 2 : 1;
}

std::size_t wholeCharactersWithin(std::string_view text, std::size_t maxBytes, const LeadByteTest& isLead) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t width = characterLength(text, end, isLead);
        if (end + width > maxBytes) break;
        end += width;
    }
    return end;
}

std::string oneLine(std::string_view text, const LeadByteTest& isLead) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = characterLength(text, i, isLead);
        auto byte = static_cast<unsigned char>(text[i]);
        if (length == 2)
            out.append(text.substr(i, 2));
        else if (isLead(byte))
            ;  // the first half of a character whose second half is missing
        else
            out += byte < 0x20 || byte == 0x7F ? ' ' : text[i];
        i += length;
    }
    return out;
}

}  // namespace present
