#include "record.h"

#include "cp1252.h"

#include <algorithm>
#include <bit>
#include <type_traits>

namespace tramel {

namespace {

template <typename T>
using Bits = std::conditional_t<sizeof(T) == 2, std::uint16_t,
                                std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;

template <typename T>
std::optional<Variant> variantFrom(std::optional<T> value)
{
    if (!value)
        return std::nullopt;
    return Variant(*value);
}

} // namespace

Record Record::fromBytes(std::string bytes)
{
    Record r(0);
    r.bytes_ = std::move(bytes);
    return r;
}

void Record::seek(std::size_t offset)
{
    pos_ = std::min(offset, bytes_.size());
}

bool Record::put(std::string_view raw)
{
    if (raw.size() > bytes_.size() - pos_)
        return false;
    bytes_.replace(pos_, raw.size(), raw);
    pos_ += raw.size();
    return true;
}

std::optional<std::string_view> Record::take(std::size_t count)
{
    if (count > bytes_.size() - pos_)
        return std::nullopt;
    const std::string_view raw = std::string_view(bytes_).substr(pos_, count);
    pos_ += count;
    return raw;
}

template <typename T>
bool Record::putLittle(T value)
{
    const auto bits = std::bit_cast<Bits<T>>(value);
    char raw[sizeof(T)];
    for (std::size_t i = 0; i < sizeof(T); ++i)
        raw[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return put(std::string_view(raw, sizeof(T)));
}

template <typename T>
std::optional<T> Record::getLittle()
{
    const auto raw = take(sizeof(T));
    if (!raw)
        return std::nullopt;
    Bits<T> bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        bits |= static_cast<Bits<T>>(static_cast<unsigned char>((*raw)[i])) << (8 * i);
    return std::bit_cast<T>(bits);
}

bool Record::putInteger(std::int16_t value) { return putLittle(value); }
bool Record::putLong(std::int32_t value) { return putLittle(value); }
bool Record::putSingle(float value) { return putLittle(value); }
bool Record::putDouble(double value) { return putLittle(value); }

bool Record::putFixed(std::string_view bytes, std::size_t width)
{
    // Written in place: drawing files put two such fields in each of their many records.
    if (width > bytes_.size() - pos_)
        return false;
    const std::string_view field = bytes.substr(0, width);
    const auto start = bytes_.begin() + static_cast<std::ptrdiff_t>(pos_);
    std::fill(std::copy(field.begin(), field.end(), start), start + static_cast<std::ptrdiff_t>(width), ' ');
    pos_ += width;
    return true;
}

bool Record::putText(std::string_view bytes)
{
    if (bytes.size() > 0xFFFF)
        return false;
    Record field(2 + bytes.size());
    field.putLittle(static_cast<std::uint16_t>(bytes.size()));
    field.put(bytes);
    return put(field.bytes());
}

bool Record::putVariant(const Variant& value)
{
    const std::string text = value.tag() == Variant::Text ? cp1252::encode(value.toText()) : std::string();
    Record field(2 + 8 + 2 + text.size()); // room for the tag and the widest value
    field.putInteger(value.tag());
    bool ok = true;
    switch (value.tag()) {
    case Variant::Empty: break;
    case Variant::Integer:
    case Variant::Boolean: ok = field.putInteger(value.toInt16()); break;
    case Variant::Long: ok = field.putLong(static_cast<std::int32_t>(value.toDouble())); break;
    case Variant::Single: ok = field.putSingle(static_cast<float>(value.toDouble())); break;
    case Variant::Double: ok = field.putDouble(value.toDouble()); break;
    case Variant::Text: ok = field.putText(text); break;
    }
    return ok && put(std::string_view(field.bytes()).substr(0, field.position()));
}

std::optional<std::int16_t> Record::getInteger() { return getLittle<std::int16_t>(); }
std::optional<std::int32_t> Record::getLong() { return getLittle<std::int32_t>(); }
std::optional<float> Record::getSingle() { return getLittle<float>(); }
std::optional<double> Record::getDouble() { return getLittle<double>(); }

std::optional<std::string> Record::getFixed(std::size_t width)
{
    const auto raw = take(width);
    if (!raw)
        return std::nullopt;
    return std::string(*raw);
}

std::optional<std::string> Record::getText()
{
    const std::size_t start = pos_;
    const auto length = getLittle<std::uint16_t>();
    const auto raw = length ? take(*length) : std::nullopt;
    if (!raw) {
        pos_ = start;
        return std::nullopt;
    }
    return std::string(*raw);
}

std::optional<Variant> Record::variantOf(std::int16_t tag)
{
    switch (tag) {
    case Variant::Empty: return Variant();
    case Variant::Integer: return variantFrom(getInteger());
    case Variant::Long: return variantFrom(getLong());
    case Variant::Single: return variantFrom(getSingle());
    case Variant::Double: return variantFrom(getDouble());
    case Variant::Text: {
        const auto text = getText();
        return text ? std::optional<Variant>(Variant(cp1252::decode(*text))) : std::nullopt;
    }
    case Variant::Boolean: {
        const auto flag = getInteger();
        return flag ? std::optional<Variant>(Variant::boolean(*flag != 0)) : std::nullopt;
    }
    default: return std::nullopt;
    }
}

std::optional<Variant> Record::getVariant()
{
    const std::size_t start = pos_;
    const auto tag = getInteger();
    auto value = tag ? variantOf(*tag) : std::nullopt;
    if (!value)
        pos_ = start;
    return value;
}

} // namespace tramel
