#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace tramel {

namespace {

constexpr int doubleDigits = 15;
constexpr int singleDigits = 7;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// A finite value rounded to a number of significant digits: value = d.ddd × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <typename T>
Decimal toDecimal(T value, int significant)
{
    // "-d.ddde+XX": the digits are the one before the point and those after it.
    char buf[64];
    const char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, significant - 1).ptr;
    Decimal d;
    d.negative = buf[0] == '-';
    const char* p = buf + (d.negative ? 1 : 0);
    const char* e = std::find(p, end, 'e');
    d.digits.assign(p, 1);
    if (e - p > 2)
        d.digits.append(p + 2, e);
    const char* exponent = e + (e[1] == '+' ? 2 : 1); // "-05" or "15"
    std::from_chars(exponent, end, d.exponent);
    return d;
}

std::string_view nonFiniteText(double value)
{
    return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
}

// Appends the unsigned plain text of a rounded value: fixed notation for
// exponents from -4 up to (not including) the number of significant digits,
// else the exponent form; trailing zeros dropped. It appends in place, since
// the file writers format millions of numbers.
void appendPlain(std::string& out, const Decimal& d, int significant, std::string_view point, bool leadingZero)
{
    const std::string_view s = std::string_view(d.digits).substr(0, d.digits.find_last_not_of('0') + 1);
    const int n = static_cast<int>(s.size());
    const int e = d.exponent;
    if (s.empty()) {
        out += '0';
    } else if (e < -4 || e >= significant) {
        out += s[0];
        if (n > 1)
            out.append(point).append(s.substr(1));
        out += e < 0 ? "E-" : "E+";
        if (std::abs(e) < 10)
            out += '0';
        out += std::to_string(std::abs(e));
    } else if (e < 0) {
        if (leadingZero)
            out += '0';
        out.append(point).append(static_cast<std::size_t>(-e - 1), '0').append(s);
    } else if (n <= e + 1) {
        out.append(s).append(static_cast<std::size_t>(e + 1 - n), '0');
    } else {
        out.append(s.substr(0, static_cast<std::size_t>(e + 1))).append(point).append(s.substr(static_cast<std::size_t>(e + 1)));
    }
}

template <typename T>
void appendBasic(std::string& out, T value, int significant)
{
    if (!std::isfinite(value)) {
        out.append(value < 0 ? "" : " ").append(nonFiniteText(value));
        return;
    }
    const Decimal d = toDecimal(value, significant);
    const std::size_t segno = out.size();
    out += ' ';
    appendPlain(out, d, significant, ".", false);
    if (d.negative && out.compare(segno + 1, std::string::npos, "0") != 0)
        out[segno] = '-';
}

struct Mask {
    std::size_t minWhole = 0;
    std::size_t decimals = 0;
    bool grouped = false;
};

Mask readMask(std::string_view mask)
{
    const std::size_t point = mask.find('.');
    const std::string_view whole = mask.substr(0, point);
    Mask m;
    m.minWhole = static_cast<std::size_t>(std::count(whole.begin(), whole.end(), '0'));
    m.grouped = whole.find(',') != std::string_view::npos;
    if (point != std::string_view::npos)
        m.decimals = static_cast<std::size_t>(std::count(mask.begin() + point, mask.end(), '0'));
    return m;
}

void increment(std::string& digits)
{
    auto i = digits.rbegin();
    for (; i != digits.rend() && *i == '9'; ++i)
        *i = '0';
    if (i == digits.rend())
        digits.insert(0, 1, '1');
    else
        ++*i;
}

// The digits of |value| × 10^decimals rounded half away from zero to an integer.
std::string scaledDigits(const Decimal& d, std::size_t decimals)
{
    const long keep = d.exponent + 1 + static_cast<long>(decimals);
    if (keep < 0)
        return "0";
    const auto k = static_cast<std::size_t>(keep);
    std::string s = d.digits.substr(0, k);
    s.append(k - s.size(), '0');
    if (k < d.digits.size() && d.digits[k] >= '5')
        increment(s);
    return s.empty() ? "0" : s;
}

std::string groupedBy3(const std::string& whole, const std::string& separator)
{
    std::string out;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

// The value of digits with a point and an exponent of sign and digits; an
// exponent without digits counts as none.
double unsignedValue(std::string mantissa, std::string_view exponent)
{
    if (std::any_of(exponent.begin(), exponent.end(), isDigit))
        mantissa += 'e' + std::string(exponent);
    double value = 0.0;
    const auto r = std::from_chars(mantissa.data(), mantissa.data() + mantissa.size(), value);
    // Beyond the Double range: a negative exponent underflowed to 0, anything else overflowed.
    if (r.ec == std::errc::result_out_of_range)
        value = exponent.starts_with('-') ? 0.0 : HUGE_VAL;
    return value;
}

} // namespace

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string strNumero(double value)
{
    std::string s;
    appendBasic(s, value, doubleDigits);
    return s;
}

std::string strNumero(float value)
{
    std::string s;
    appendBasic(s, value, singleDigits);
    return s;
}

void appendStrNumero(std::string& out, double value)
{
    appendBasic(out, value, doubleDigits);
}

double valNumero(std::string_view text)
{
    std::string mantissa; // digits and point, as from_chars reads them
    std::string exponent;
    bool negative = false;
    bool sign = false;
    bool digits = false;
    bool inExponent = false;
    for (const char c : text) {
        if (isBlank(c))
            continue;
        if (inExponent) {
            if (!isDigit(c) && !(exponent.empty() && (c == '+' || c == '-')))
                break;
            exponent += c;
        } else if (isDigit(c) || (c == '.' && mantissa.find('.') == std::string::npos)) {
            mantissa += c;
            digits = digits || isDigit(c);
        } else if ((c == '+' || c == '-') && mantissa.empty() && !sign) {
            sign = true;
            negative = c == '-';
        } else if (digits && (c == 'E' || c == 'e' || c == 'D' || c == 'd')) {
            inExponent = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    const double value = unsignedValue(mantissa, exponent);
    return negative ? -value : value;
}

NumberFormat::NumberFormat(std::string decimalSeparator, std::string groupSeparator)
    : decimal_(std::move(decimalSeparator)), group_(std::move(groupSeparator))
{
}

std::string NumberFormat::format(double value, std::string_view mask) const
{
    if (!std::isfinite(value))
        return std::string(nonFiniteText(value));
    const Mask m = readMask(mask);
    const Decimal d = toDecimal(value, doubleDigits);
    std::string s = scaledDigits(d, m.decimals);
    if (s.size() <= m.decimals)
        s.insert(0, m.decimals + 1 - s.size(), '0');
    std::string whole = s.substr(0, s.size() - m.decimals);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() < m.minWhole)
        whole.insert(0, m.minWhole - whole.size(), '0');
    std::string text = m.grouped ? groupedBy3(whole, group_) : whole;
    if (m.decimals > 0)
        text += decimal_ + s.substr(s.size() - m.decimals);
    const bool negative = d.negative && s.find_first_not_of('0') != std::string::npos;
    return (negative ? "-" : "") + text;
}

std::optional<double> NumberFormat::parse(std::string_view text) const
{
    text = trimmed(text);
    std::string clean; // the number as from_chars reads it
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        clean += text[i++] == '-' ? "-" : "";
    bool digits = false;
    bool point = false;
    while (i < text.size()) {
        const std::string_view rest = text.substr(i);
        if (isDigit(text[i])) {
            clean += text[i++];
            digits = true;
        } else if (!point && rest.starts_with(decimal_)) {
            clean += '.';
            point = true;
            i += decimal_.size();
        } else if (!point && digits && !group_.empty() && rest.starts_with(group_)) {
            i += group_.size();
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    const std::string_view rest = text.substr(i);
    if (rest.starts_with('E') || rest.starts_with('e'))
        clean += 'e' + std::string(rest.substr(1));
    else if (!rest.empty())
        return std::nullopt;
    double value = 0.0;
    const auto r = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (r.ec != std::errc() || r.ptr != clean.data() + clean.size())
        return std::nullopt;
    return value;
}

std::string NumberFormat::toText(double value) const
{
    if (!std::isfinite(value))
        return std::string(nonFiniteText(value));
    const Decimal d = toDecimal(value, doubleDigits);
    std::string text;
    appendPlain(text, d, doubleDigits, decimal_, true);
    return (d.negative && text != "0" ? "-" : "") + text;
}

std::optional<double> leggiNumero(const NumberFormat& formato, std::string_view testo)
{
    std::string letto;
    for (const char c : testo)
        letto += c == '.' || c == ',' ? formato.decimalSeparator() : std::string(1, c);
    const auto v = NumberFormat(formato.decimalSeparator(), "").parse(letto);
    if (!v || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

bool entraInSingolo(double v)
{
    return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max();
}

std::optional<float> leggiSingolo(const NumberFormat& formato, std::string_view testo)
{
    const auto v = leggiNumero(formato, testo);
    if (!v || !entraInSingolo(*v))
        return std::nullopt;
    return static_cast<float>(*v);
}

} // namespace tramel
