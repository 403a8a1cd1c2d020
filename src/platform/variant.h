#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tramel {

// A value of the original runtime's variant type, limited to the kinds the
// program stores: empty, 16- and 32-bit integers, Single, Double, text and
// Boolean. The tag numbers are the runtime's type codes, as files store them.
// Text is UTF-8.
class Variant {
public:
    enum Tag : std::int16_t { Empty = 0, Integer = 2, Long = 3, Single = 4, Double = 5, Text = 8, Boolean = 11 };

    Variant() = default;
    explicit Variant(std::int16_t value) : value_(value) {}
    explicit Variant(std::int32_t value) : value_(value) {}
    explicit Variant(float value) : value_(value) {}
    explicit Variant(double value) : value_(value) {}
    explicit Variant(std::string value) : value_(std::move(value)) {}
    static Variant boolean(bool value);

    Tag tag() const;
    bool isEmpty() const { return tag() == Empty; }

    // Empty gives 0, a Boolean -1 or 0, a text its leading number (valNumero).
    double toDouble() const;
    // toDouble() rounded half to even, saturated to the 16-bit range.
    std::int16_t toInt16() const;
    // Empty gives "", a number its plain text without the leading blank
    // ("." as decimal point), a Boolean "True" or "False".
    std::string toText() const;

    // Same tag and same value.
    bool operator==(const Variant&) const = default;
    // A number equals a value of a numeric tag, or an empty one, of that value; never a text.
    friend bool operator==(const Variant& v, double number) { return v.tag() != Text && v.toDouble() == number; }
    // A text equals a value whose text is the same: "ON" == Variant("ON"), "" == Variant().
    friend bool operator==(const Variant& v, std::string_view text) { return v.toText() == text; }

private:
    struct Bool {
        bool value = false;
        bool operator==(const Bool&) const = default;
    };
    explicit Variant(Bool value) : value_(value) {}

    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string, Bool> value_;
};

// A finite value of a tag other than Empty and Text (a Boolean counts as -1 or 0).
bool valoreNumerico(const Variant& x);

} // namespace tramel
