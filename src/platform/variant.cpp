#include "variant.h"

#include "numbers.h"
#include "rounding.h"

#include <array>
#include <cmath>

namespace tramel {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

// strNumero without its leading blank.
template <typename T>
std::string numberText(T value)
{
    const std::string text = strNumero(value);
    return text[0] == ' ' ? text.substr(1) : text;
}

} // namespace

Variant Variant::boolean(bool value)
{
    return Variant(Bool{value});
}

Variant::Tag Variant::tag() const
{
    constexpr std::array<Tag, 7> tags = {Empty, Integer, Long, Single, Double, Text, Boolean};
    return tags[value_.index()];
}

double Variant::toDouble() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](const std::string& s) { return valNumero(s); },
                          [](Bool b) { return b.value ? -1.0 : 0.0; },
                          [](auto number) { return static_cast<double>(number); },
                      },
                      value_);
}

std::int16_t Variant::toInt16() const
{
    return cint(toDouble());
}

std::string Variant::toText() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](const std::string& s) { return s; },
                          [](Bool b) { return std::string(b.value ? "True" : "False"); },
                          [](std::int16_t n) { return std::to_string(n); },
                          [](std::int32_t n) { return std::to_string(n); },
                          [](auto number) { return numberText(number); },
                      },
                      value_);
}

bool valoreNumerico(const Variant& x)
{
    return x.tag() != Variant::Empty && x.tag() != Variant::Text && std::isfinite(x.toDouble());
}

} // namespace tramel
