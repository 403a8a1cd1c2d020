#pragma once
#include "variant.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tramel {

// One fixed-length record of a record file, with a cursor for reading and
// writing its fields one after the other. Numbers are little-endian, floats
// IEEE 754. Text fields take and give bytes as they are stored (callers
// convert with cp1252), since a field may hold any byte, a NUL included.
// A field that does not fit between the cursor and the end of the record is
// neither written nor read: the call reports failure and the cursor stays.
class Record {
public:
    // A record of the given length, all zero bytes.
    explicit Record(std::size_t length) : bytes_(length, '\0') {}
    // A record holding the given bytes, as read from a file.
    static Record fromBytes(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t position() const { return pos_; }
    // Moves the cursor; an offset past the end is taken as the end.
    void seek(std::size_t offset);

    bool putInteger(std::int16_t value);
    bool putLong(std::int32_t value);
    bool putSingle(float value);
    bool putDouble(double value);
    // Exactly `width` bytes: the text, cut or padded with blanks.
    bool putFixed(std::string_view bytes, std::size_t width);
    // A 16-bit length followed by the bytes; texts over 65535 bytes are refused.
    bool putText(std::string_view bytes);
    // A 16-bit tag and the value in the width the tag gives (text as putText);
    // Variant text is converted to Windows-1252 here.
    bool putVariant(const Variant& value);

    std::optional<std::int16_t> getInteger();
    std::optional<std::int32_t> getLong();
    std::optional<float> getSingle();
    std::optional<double> getDouble();
    std::optional<std::string> getFixed(std::size_t width);
    std::optional<std::string> getText();
    // Fails on a tag other than 0, 2, 3, 4, 5, 8 and 11.
    std::optional<Variant> getVariant();

private:
    bool put(std::string_view raw);
    std::optional<std::string_view> take(std::size_t count);
    template <typename T>
    bool putLittle(T value);
    template <typename T>
    std::optional<T> getLittle();
    std::optional<Variant> variantOf(std::int16_t tag);

    std::string bytes_;
    std::size_t pos_ = 0;
};

} // namespace tramel
