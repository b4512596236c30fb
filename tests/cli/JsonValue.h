#pragma once
// A strict JSON reader for checking the program's output: the whole text must be exactly one
// document by RFC 8259, strings valid UTF-8 without raw control characters and without lone
// surrogates in their escapes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lampen::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text; // a string, decoded to UTF-8
    std::vector<JsonValue> items;
    // an object's members in document order: names[i] names values[i]
    std::vector<std::string> names;
    std::vector<JsonValue> values;

    // The member named key; throws std::out_of_range when there is none.
    const JsonValue& at(std::string_view key) const;
    std::vector<std::string> keys() const;
};

// The document, or nothing with the reason and byte offset in *error.
std::optional<JsonValue> parseJson(std::string_view text, std::string* error = nullptr);

// Whether the bytes are valid UTF-8.
bool validUtf8(std::string_view bytes);

} // namespace lampen::test
