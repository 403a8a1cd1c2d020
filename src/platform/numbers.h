#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tramel {

// The plain number text, independent of the regional settings: a blank before
// a value that is not negative and "-" before a negative one, "." as decimal
// point, no leading zero (0.5 gives " .5"), no trailing zeros, 15 significant
// digits for a Double and 7 for a Single. A value whose decimal exponent e
// (after rounding to those digits) lies outside -4 <= e < 15 (Single: 7) takes
// the exponent form: " 1E+16", "-2.5E-07", " 1.23456789012346E+15".
std::string strNumero(double value);
std::string strNumero(float value);
// strNumero(value) appended to out: no allocation once out has room, for
// writers that put out millions of numbers.
void appendStrNumero(std::string& out, double value);

// The leading number of a text, "." as decimal point: blanks (spaces, tabs and
// line feeds) are skipped wherever they are, then an optional sign, digits, a
// fraction and an exponent (E or D, optional sign); reading stops at the first
// other character. A text that does not start with a number gives 0. Hex and
// octal prefixes are not read.
double valNumero(std::string_view text);

// The text without the spaces and tabs before and after it.
std::string_view trimmed(std::string_view text);

// Numbers in the user's regional format: the decimal and group separators are
// held here, so that tests can pin them.
class NumberFormat {
public:
    NumberFormat(std::string decimalSeparator, std::string groupSeparator);
    // The separators of the user's regional settings.
    static NumberFormat system();

    const std::string& decimalSeparator() const { return decimal_; }
    const std::string& groupSeparator() const { return group_; }

    // Formats with a mask of "#" and "0" digit places, an optional "," among the
    // integer places and "." followed by "0"s: "##0.000", "##,#0.00". The integer
    // part shows at least as many digits as the mask has "0"s before the point,
    // the fraction exactly as many as "0"s after it, rounded half away from zero
    // on the value's 15 significant digits; "," groups the integer digits by three.
    // A value that rounds to zero shows no sign.
    std::string format(double value, std::string_view mask) const;

    // Reads a whole text as a number: blanks around it, a sign, group separators
    // among the integer digits, the decimal separator and an exponent; nullopt
    // for anything else, for an empty text and for a value beyond the Double range.
    std::optional<double> parse(std::string_view text) const;

    // The plain number text in regional form: no leading blank, the regional
    // decimal separator and a zero before it when the value is below 1 ("0,5").
    std::string toText(double value) const;

private:
    std::string decimal_;
    std::string group_;
};

// A number typed in a dialog box: a "." or "," is the regional decimal
// separator, there are no group separators, and the whole text is one finite
// number; nothing otherwise.
std::optional<double> leggiNumero(const NumberFormat& formato, std::string_view testo);
// The same, for a value stored in a Single: nothing beyond the Single range.
std::optional<float> leggiSingolo(const NumberFormat& formato, std::string_view testo);
// Whether a finite value fits a Single.
bool entraInSingolo(double v);

} // namespace tramel
