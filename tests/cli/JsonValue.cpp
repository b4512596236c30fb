#include "JsonValue.h"

#include <cstdlib>
#include <stdexcept>

namespace lampen::test {

const JsonValue& JsonValue::at(std::string_view key) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == key)
            return values[i];
    throw std::out_of_range("no member \"" + std::string(key) + "\"");
}

std::vector<std::string> JsonValue::keys() const {
    return names;
}

bool validUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t extra = 0;
        unsigned long cp = 0;
        unsigned long least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b >> 5) == 0x6) {
            extra = 1;
            cp = b & 0x1Fu;
            least = 0x80;
        } else if ((b >> 4) == 0xE) {
            extra = 2;
            cp = b & 0x0Fu;
            least = 0x800;
        } else if ((b >> 3) == 0x1E) {
            extra = 3;
            cp = b & 0x07u;
            least = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= bytes.size())
            return false;
        for (std::size_t j = 1; j <= extra; ++j) {
            const auto c = static_cast<unsigned char>(bytes[i + j]);
            if ((c >> 6) != 0x2)
                return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

namespace {

class Reader {
public:
    explicit Reader(std::string_view text) : t_(text) {}

    std::optional<JsonValue> document(std::string* error) {
        std::optional<JsonValue> v;
        skipBlanks();
        v = value(0);
        skipBlanks();
        if (v && pos_ != t_.size())
            fail("text after the document");
        if (!error_.empty()) {
            if (error)
                *error = error_ + " at byte " + std::to_string(pos_);
            return std::nullopt;
        }
        return v;
    }

private:
    std::string_view t_;
    std::size_t pos_ = 0;
    std::string error_;

    std::optional<JsonValue> fail(const std::string& why) {
        if (error_.empty())
            error_ = why;
        return std::nullopt;
    }
    bool atEnd() const { return pos_ >= t_.size(); }
    char peek() const { return atEnd() ? '\0' : t_[pos_]; }
    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (t_.substr(pos_, word.size()) != word)
            return false;
        pos_ += word.size();
        return true;
    }

    std::optional<JsonValue> value(int depth) {
        if (depth > 64)
            return fail("nested too deeply");
        JsonValue v;
        const char c = peek();
        if (c == '{')
            return object(depth);
        if (c == '[')
            return array(depth);
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            if (!string(v.text))
                return std::nullopt;
            return v;
        }
        if (literal("null"))
            return v;
        if (literal("true")) {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = true;
            return v;
        }
        if (literal("false")) {
            v.kind = JsonValue::Kind::Bool;
            return v;
        }
        if (c == '-' || (c >= '0' && c <= '9'))
            return number();
        return fail("no value");
    }

    std::optional<JsonValue> number() {
        const std::size_t start = pos_;
        const auto digits = [&] {
            const std::size_t from = pos_;
            while (!atEnd() && peek() >= '0' && peek() <= '9')
                ++pos_;
            return pos_ - from;
        };
        if (peek() == '-')
            ++pos_;
        if (peek() == '0')
            ++pos_;
        else if (digits() == 0)
            return fail("bad number");
        if (peek() == '.') {
            ++pos_;
            if (digits() == 0)
                return fail("bad fraction");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-')
                ++pos_;
            if (digits() == 0)
                return fail("bad exponent");
        }
        JsonValue v;
        v.kind = JsonValue::Kind::Number;
        v.number = std::strtod(std::string(t_.substr(start, pos_ - start)).c_str(), nullptr);
        return v;
    }

    bool hex4(unsigned& out) {
        if (t_.size() - pos_ < 4)
            return false;
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = t_[pos_++];
            out <<= 4;
            if (h >= '0' && h <= '9')
                out |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                out |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                out |= static_cast<unsigned>(h - 'A' + 10);
            else
                return false;
        }
        return true;
    }

    static void append(std::string& out, unsigned long cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool string(std::string& out) {
        ++pos_; // opening quote
        const std::size_t rawStart = pos_;
        while (true) {
            if (atEnd()) {
                fail("unterminated string");
                return false;
            }
            const auto c = static_cast<unsigned char>(t_[pos_]);
            if (c == '"') {
                ++pos_;
                break;
            }
            if (c < 0x20) {
                fail("raw control character in a string");
                return false;
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                ++pos_;
                continue;
            }
            ++pos_;
            const char e = peek();
            ++pos_;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                unsigned u = 0;
                if (!hex4(u)) {
                    fail("bad \\u escape");
                    return false;
                }
                unsigned long cp = u;
                if (u >= 0xDC00 && u <= 0xDFFF) {
                    fail("lone low surrogate");
                    return false;
                }
                if (u >= 0xD800 && u <= 0xDBFF) {
                    unsigned low = 0;
                    if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF) {
                        fail("lone high surrogate");
                        return false;
                    }
                    cp = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                }
                append(out, cp);
                break;
            }
            default:
                fail("bad escape");
                return false;
            }
        }
        if (!validUtf8(t_.substr(rawStart, pos_ - 1 - rawStart))) {
            fail("string is not valid UTF-8");
            return false;
        }
        return true;
    }

    std::optional<JsonValue> array(int depth) {
        ++pos_;
        JsonValue v;
        v.kind = JsonValue::Kind::Array;
        skipBlanks();
        if (peek() == ']') {
            ++pos_;
            return v;
        }
        while (true) {
            skipBlanks();
            auto item = value(depth + 1);
            if (!item)
                return std::nullopt;
            v.items.push_back(std::move(*item));
            skipBlanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == ']') {
                ++pos_;
                return v;
            }
            return fail("expected , or ]");
        }
    }

    std::optional<JsonValue> object(int depth) {
        ++pos_;
        JsonValue v;
        v.kind = JsonValue::Kind::Object;
        skipBlanks();
        if (peek() == '}') {
            ++pos_;
            return v;
        }
        while (true) {
            skipBlanks();
            if (peek() != '"')
                return fail("expected a member name");
            std::string key;
            if (!string(key))
                return std::nullopt;
            skipBlanks();
            if (peek() != ':')
                return fail("expected :");
            ++pos_;
            skipBlanks();
            auto member = value(depth + 1);
            if (!member)
                return std::nullopt;
            v.names.push_back(std::move(key));
            v.values.push_back(std::move(*member));
            skipBlanks();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == '}') {
                ++pos_;
                return v;
            }
            return fail("expected , or }");
        }
    }
};

} // namespace

std::optional<JsonValue> parseJson(std::string_view text, std::string* error) {
    return Reader(text).document(error);
}

} // namespace lampen::test
