#include "Utf8.h"

namespace lampen::cli {

namespace {

bool continuation(unsigned char c) {
    return (c & 0xC0u) == 0x80u;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

} // namespace

Utf8Step nextCodePoint(std::string_view bytes, std::size_t pos) {
    Utf8Step step;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char b0 = at(0);
    if (b0 < 0x80) {
        step.codePoint = b0;
        step.valid = true;
        return step;
    }
    std::size_t length = 0;
    unsigned char lo = 0x80; // allowed range of the second byte, which rules out overlong
    unsigned char hi = 0xBF; // forms, surrogates and values above U+10FFFF
    char32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        cp = b0 & 0x1Fu;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        cp = b0 & 0x0Fu;
        lo = b0 == 0xE0 ? 0xA0 : 0x80;
        hi = b0 == 0xED ? 0x9F : 0xBF;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        cp = b0 & 0x07u;
        lo = b0 == 0xF0 ? 0x90 : 0x80;
        hi = b0 == 0xF4 ? 0x8F : 0xBF;
    } else {
        return step;
    }
    if (bytes.size() - pos < length)
        return step;
    if (at(1) < lo || at(1) > hi)
        return step;
    for (std::size_t i = 1; i < length; ++i) {
        if (!continuation(at(i)))
            return step;
        cp = (cp << 6) | (at(i) & 0x3Fu);
    }
    step.codePoint = cp;
    step.length = length;
    step.valid = true;
    return step;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string printable(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Utf8Step step = nextCodePoint(bytes, pos);
        if (step.valid && !isControl(step.codePoint))
            out.append(bytes.substr(pos, step.length));
        else
            appendUtf8(out, kReplacement);
        pos += step.length;
    }
    return out;
}

std::size_t displayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (const char c : utf8)
        if (!continuation(static_cast<unsigned char>(c)))
            ++width;
    return width;
}

} // namespace lampen::cli
