#include "sorgente_record.h"

#include <string>

namespace tramel {

std::optional<Record> SorgenteFile::read(std::uint64_t n)
{
    // The file's partial trailing record is not a record here.
    if (n == 0 || n > count())
        return std::nullopt;
    return file_.read(n);
}

std::optional<Record> SorgenteMemoria::read(std::uint64_t n)
{
    if (n == 0 || n > count())
        return std::nullopt;
    return Record::fromBytes(std::string(bytes_.substr((n - 1) * length_, length_)));
}

} // namespace tramel
