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

}  // namespace present
