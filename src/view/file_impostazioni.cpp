#include "file_impostazioni.h"

#include "platform/cp1252.h"
#include "platform/palette.h"
#include "platform/record_file.h"
#include "view/impostdistipo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tramel {

namespace {

// The kinds of value the records hold. Each writes its value at the start of
// a record and reads it back, refusing a value that is missing, cut short or
// not sound; a refused value leaves the member at its default. T is the
// member's type, const when the fields only serve the writer.

template <class T>
struct Singola {
    T& v;
    void scrivi(Record& r) const { r.putSingle(v); }
    void leggi(Record& r) const
    {
        // A step or width that is not finite would stall the snap and the grid.
        if (const auto x = r.getSingle(); x && std::isfinite(*x))
            v = *x;
    }
};
template <class T>
Singola(T&) -> Singola<T>;

template <class T>
struct Intero {
    T& v;
    void scrivi(Record& r) const { r.putInteger(v); }
    void leggi(Record& r) const
    {
        if (const auto x = r.getInteger())
            v = *x;
    }
};
template <class T>
Intero(T&) -> Intero<T>;

template <class T>
struct Lungo {
    T& v;
    std::int32_t minimo;
    std::int32_t massimo;
    void scrivi(Record& r) const { r.putLong(v); }
    void leggi(Record& r) const
    {
        if (const auto x = r.getLong(); x && *x >= minimo && *x <= massimo)
            v = *x;
    }
};
template <class T>
Lungo(T&, std::int32_t, std::int32_t) -> Lungo<T>;

constexpr std::int32_t maxRgb = 0xFFFFFF;
constexpr std::int32_t minLong = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t maxLong = std::numeric_limits<std::int32_t>::max();

// The default font name, cut to what the record holds.
template <class T>
struct Testo {
    T& v;
    void scrivi(Record& r) const { r.putText(cp1252::encode(v).substr(0, fileini::maxTesto)); }
    void leggi(Record& r) const
    {
        const auto lunghezza = r.getInteger();
        if (!lunghezza)
            return;
        const std::size_t n = std::min<std::size_t>(static_cast<std::uint16_t>(*lunghezza), fileini::maxTesto);
        if (const auto bytes = r.getFixed(n))
            v = cp1252::decode(*bytes);
    }
};
template <class T>
Testo(T&) -> Testo<T>;

// "ON" or "OFF", stored as a Variant text.
template <class T>
struct Interruttore {
    T& v;
    void scrivi(Record& r) const { r.putVariant(Variant(std::string(v))); }
    void leggi(Record& r) const
    {
        const auto x = r.getVariant();
        if (x && x->tag() == Variant::Text && (*x == AIUTO_ON || *x == AIUTO_OFF))
            v = x->toText();
    }
};
template <class T>
Interruttore(T&) -> Interruttore<T>;

// A palette index, stored with any numeric or Boolean tag and kept as a 16-bit
// integer, so that the drawing header, which takes numbers only, can carry it.
// An index outside the palette is refused; for the highlight colour the
// default then follows the background already read.
template <class T>
struct IndiceColore {
    T& v;
    const Variant* sfondo = nullptr;
    void scrivi(Record& r) const { r.putVariant(v); }
    void leggi(Record& r) const
    {
        const auto x = r.getVariant();
        if (x && valoreNumerico(*x) && Palette::valid(x->toInt16()))
            v = Variant(x->toInt16());
        else if (sfondo)
            v = colevidenziaPer(*sfondo);
    }
};
template <class T>
IndiceColore(T&) -> IndiceColore<T>;
template <class T>
IndiceColore(T&, const Variant*) -> IndiceColore<T>;

bool filtroValido(std::int16_t f)
{
    return f == 0 || f == 2 || f == 3 || f == 4 || f == 6;
}
bool qualsiasi(std::int16_t) { return true; }

// A 16-bit integer member stored as a Variant of any numeric tag.
template <class T>
struct InteroVariante {
    T& v;
    bool (*valido)(std::int16_t) = qualsiasi;
    void scrivi(Record& r) const { r.putVariant(Variant(std::int16_t{v})); }
    void leggi(Record& r) const
    {
        if (const auto x = r.getVariant(); x && valoreNumerico(*x) && valido(x->toInt16()))
            v = x->toInt16();
    }
};
template <class T>
InteroVariante(T&) -> InteroVariante<T>;
template <class T>
InteroVariante(T&, bool (*)(std::int16_t)) -> InteroVariante<T>;

// The 48 records in file order. S is DrawingState, or const DrawingState for the writer.
template <class S, class F>
void perOgniRecord(S& s, F&& f)
{
    auto& m = s.modulo;
    f(Singola{s.aiuti.passogriglia});
    f(Singola{s.aiuti.passosnap});
    f(Interruttore{s.aiuti.snapattivo});
    f(Interruttore{s.aiuti.grigliaattiva});
    f(IndiceColore{s.colori.colsfondo});
    f(IndiceColore{s.colori.colanteprima});
    f(IndiceColore{s.colori.colevidenzia, &s.colori.colsfondo});
    f(Lungo{m.gen_colorelinea, 0, maxRgb});
    f(Lungo{m.gen_TipoLinea, 0, 5});
    f(Lungo{m.gen_speslinea, 0, maxLong});
    f(Lungo{m.gen_campitura, 0, 7});
    f(Lungo{m.gen_colocampitura, 0, maxRgb});
    f(Lungo{m.gen_colcont, 0, maxRgb});
    f(Lungo{m.gen_spescont, 0, maxLong});
    f(Lungo{m.gen_trattcont, 0, 5});
    f(InteroVariante{s.barre.vedibarra3});
    f(InteroVariante{s.barre.vedibarra4});
    f(InteroVariante{s.barre.vedibarra1});
    f(InteroVariante{s.barre.vedibarra6});
    f(InteroVariante{s.barre.vedibarra7});
    f(InteroVariante{s.aiuti.filtrosnap, filtroValido});
    f(Interruttore{s.aiuti.ortoattivo});
    f(Intero{s.aiuti.mostrabordotesto});
    f(Testo{s.testoNuovo.gen_carattere_testo});
    f(Lungo{s.testoNuovo.gen_dimens_testo, minLong, maxLong});
    f(Intero{s.testoNuovo.gen_bold_testo});
    f(Intero{s.testoNuovo.gen_corsivo_testo});
    f(Intero{s.testoNuovo.gen_barrato_testo});
    f(Intero{s.testoNuovo.gen_sottolineato_testo});
    f(Lungo{s.testoNuovo.gen_colore_testo, 0, maxRgb});
    f(Intero{s.testoNuovo.gen_opaco_testo});
    f(Lungo{s.testoNuovo.gen_colore_opaco_testo, 0, maxRgb});
    for (auto& spessore : m.spesslinstampa)
        f(Singola{spessore});
}

// Every value of the file at its default, nothing written.
void valoriiniziali(DrawingState& s)
{
    s.aiuti.passogriglia = 1.0f;
    s.aiuti.passosnap = 1.0f;
    s.aiuti.snapattivo = AIUTO_ON;
    s.aiuti.grigliaattiva = AIUTO_ON;
    s.colori.colsfondo = Variant(std::int16_t{15});
    s.colori.colanteprima = Variant(std::int16_t{5});
    s.colori.colevidenzia = Variant(std::int16_t{3});
    inizializ_varLinee(s.modulo);
    inizializ_varSup(s.modulo);
    inizializ_varTesto(s);
    s.barre.vedibarra1 = s.barre.vedibarra3 = s.barre.vedibarra4 = s.barre.vedibarra6 = s.barre.vedibarra7 = 1;
    s.aiuti.filtrosnap = 0;
    s.aiuti.ortoattivo = AIUTO_OFF;
    s.modulo.spesslinstampa.fill(0.0f);
}

} // namespace

void inizializ_varLinee(ValoriModulo& m)
{
    m.gen_colorelinea = 0;
    m.gen_speslinea = 0;
    m.gen_TipoLinea = 0;
}

void inizializ_varSup(ValoriModulo& m)
{
    m.gen_campitura = 7;
    m.gen_colocampitura = 0;
    m.gen_colcont = 0;
    m.gen_spescont = 0;
    m.gen_trattcont = 0;
}

void inizializ_varTesto(DrawingState& s)
{
    s.aiuti.mostrabordotesto = 0;
    s.testoNuovo.gen_carattere_testo = "Arial";
    s.testoNuovo.gen_dimens_testo = 10;
    s.testoNuovo.gen_bold_testo = 0;
    s.testoNuovo.gen_corsivo_testo = 0;
    s.testoNuovo.gen_barrato_testo = 0;
    s.testoNuovo.gen_sottolineato_testo = 0;
    s.testoNuovo.gen_colore_testo = Palette::color(NERO);
    s.testoNuovo.gen_opaco_testo = 0;
    s.testoNuovo.gen_colore_opaco_testo = Palette::color(BIANCO);
}

bool leggifileini_dis(DrawingState& s)
{
    if (!fileExists(s.modulo.nomefileini))
        return inizializini(s);
    valoriiniziali(s);
    RecordFile file;
    if (!file.open(s.modulo.nomefileini, fileini::lunghezzaRecord))
        return true;
    std::uint64_t n = 1;
    perOgniRecord(s, [&](auto campo) {
        if (auto record = file.read(n++))
            campo.leggi(*record);
    });
    return true;
}

bool inizializini(DrawingState& s)
{
    valoriiniziali(s);
    return salvafileini_dis(s);
}

bool salvafileini_dis(const DrawingState& s)
{
    // The file may be writable in a folder that is not: it is then written in place.
    RecordFileWriter file(s.modulo.nomefileini, fileini::lunghezzaRecord, RecordFileWriter::Mode::InPlaceWhenNeeded);
    bool ok = true;
    perOgniRecord(s, [&](auto campo) {
        Record record(fileini::lunghezzaRecord);
        campo.scrivi(record);
        ok = file.write(record) && ok;
    });
    return file.commit() && ok;
}

namespace {

bool avvisaSeNonScritto(bool scritto, const DrawingState& s, Notifier& notifier, const std::string& titolo)
{
    if (!scritto)
        notifier.messaggio("Impossibile salvare il file: \"" + s.modulo.nomefileini + "\"", titolo, Pulsanti::Ok,
                           Icona::Avviso);
    return scritto;
}

} // namespace

bool leggiImpostazioni(DrawingState& s, Notifier& notifier, const std::string& titolo)
{
    return avvisaSeNonScritto(leggifileini_dis(s), s, notifier, titolo);
}

bool salvaImpostazioni(const DrawingState& s, Notifier& notifier, const std::string& titolo)
{
    return avvisaSeNonScritto(salvafileini_dis(s), s, notifier, titolo);
}

} // namespace tramel
