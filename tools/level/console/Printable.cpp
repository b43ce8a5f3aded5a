#include "console/Printable.hpp"

namespace {

// The length of the valid UTF-8 sequence starting at `at`, or 0 when it is not one: overlong
// forms, surrogates and code points above U+10FFFF are refused as the standard says.
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the range of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The code point of a valid UTF-8 sequence.
char32_t codePoint(std::string_view character) {
    static const unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t point = static_cast<unsigned char>(character[0]) & kLeadBits[character.size()];
    for (std::size_t i = 1; i < character.size(); ++i) {
        point = (point << 6) | (static_cast<unsigned char>(character[i]) & 0x3F);
    }
    return point;
}

// Characters that are valid UTF-8 and still act rather than show: the C1 controls, which some
// terminals obey like escape sequences; the marks that turn text right to left or break lines;
// and the ones that show as nothing, the byte order mark among them.
bool actsUnseen(char32_t point) {
    return (point >= 0x80 && point <= 0x9F) || (point >= 0x200B && point <= 0x200F) ||
           (point >= 0x2028 && point <= 0x202E) || (point >= 0x2060 && point <= 0x206F) ||
           point == 0xFEFF;
}

void escape(std::string_view bytes, std::string& out) {
    static const char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }
}

}  // namespace

std::string printable(std::string_view text, std::size_t longest) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t kept = 0; at < text.size() && kept < longest; ++kept) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t length = byte < 0x80 ? 1 : sequenceLength(text, at);
        const std::string_view character = text.substr(at, length == 0 ? 1 : length);
        if (length == 0 || byte < 0x20 || byte == 0x7F || actsUnseen(codePoint(character))) {
            escape(character, out);
        } else {
            out += character;
        }
        at += character.size();
    }
    if (at < text.size()) {
        out += "...";
    }
    return out;
}
