#include "recordcoma.h"

#include "platform/cp1252.h"

namespace tramel {

std::string recordcoma::nome() const
{
    const auto inizio = tipo.find_first_not_of(' ');
    if (inizio == std::string::npos)
        return {};
    return tipo.substr(inizio, tipo.find_last_not_of(' ') - inizio + 1);
}

Record codifica(const recordcoma& r)
{
    // Every field fits the 242 bytes, so no put can fail.
    Record record(recordcoma::LUNGHEZZA);
    record.putFixed(cp1252::encode(r.tipo), recordcoma::LUNGHEZZA_TIPO);
    for (double v : {r.x1, r.y1, r.x2, r.y2, r.x3, r.y3})
        record.putDouble(v);
    for (std::int32_t v : {r.colore1, r.colore2, r.tratto, r.riempimento})
        record.putLong(v);
    record.putSingle(r.spessore);
    record.putFixed(cp1252::encode(r.stringa), recordcoma::LUNGHEZZA_STRINGA);
    record.putInteger(r.numero);
    return record;
}

std::optional<recordcoma> decodifica(const Record& record)
{
    if (record.size() < recordcoma::LUNGHEZZA)
        return std::nullopt;
    // A copy, so that reading moves a cursor of our own.
    Record in = Record::fromBytes(record.bytes().substr(0, recordcoma::LUNGHEZZA));
    recordcoma r;
    // The text fields keep their padding: the reader of a text entity cuts
    // the font field and the text out of `stringa` by position.
    r.tipo = cp1252::decode(*in.getFixed(recordcoma::LUNGHEZZA_TIPO));
    for (double* v : {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3})
        *v = *in.getDouble();
    for (std::int32_t* v : {&r.colore1, &r.colore2, &r.tratto, &r.riempimento})
        *v = *in.getLong();
    r.spessore = *in.getSingle();
    r.stringa = cp1252::decode(*in.getFixed(recordcoma::LUNGHEZZA_STRINGA));
    r.numero = *in.getInteger();
    return r;
}

} // namespace tramel
