// Character boundaries.
#include "present/characters.h"

namespace present {

std::size_t wholeCharactersWithin(std::string_view text, std::size_t maxBytes, const LeadByteTest& isLead) {
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t width = isLead(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return end;
}

}  // namespace present
