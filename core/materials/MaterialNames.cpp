#include "core/materials/MaterialNames.h"

#include <cstddef>

namespace porvap {
namespace {

std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC2 || lead > 0xF4)
        return 1;
    return lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Second bytes that would make an overlong form, a surrogate or a code above U+10FFFF.
bool SecondByteAllowed(unsigned char lead, unsigned char second) {
    return (lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0) &&
           (lead != 0xF0 || second >= 0x90) && (lead != 0xF4 || second < 0x90);
}

// The character starting at text[i]; `length` receives its length in bytes. A valid UTF-8
// sequence gives its code; any other byte is taken alone as Latin-1.
char32_t Decode(const std::string& text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    length = 1;
    const std::size_t sequence = SequenceLength(lead);
    if (sequence == 1 || i + sequence > text.size() || !SecondByteAllowed(lead, byte(1)))
        return lead;
    char32_t code = lead & (0x7F >> sequence);
    for (std::size_t k = 1; k < sequence; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return lead;
        code = (code << 6) | (byte(k) & 0x3F);
    }
    length = sequence;
    return code;
}

// Simple case folding: the small letter of a capital, every other character as it is.
char32_t Fold(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x178)  // Y with diaeresis, whose small letter is in Latin-1
        return 0xFF;
    if (c == 0x17F)  // long s
        return U's';
    const bool capitalEven = (c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177);
    const bool capitalOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((capitalEven && c % 2 == 0) || (capitalOdd && c % 2 == 1))
        return c + 1;
    return c;
}

}  // namespace

bool SameMaterialName(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        std::size_t lengthA = 0;
        std::size_t lengthB = 0;
        if (Fold(Decode(a, i, lengthA)) != Fold(Decode(b, j, lengthB)))
            return false;
        i += lengthA;
        j += lengthB;
    }
    return i == a.size() && j == b.size();
}

}  // namespace porvap
