#include "scrittura_dis.h"

#include "formato_dis.h"

#include "platform/cp1252.h"
#include "platform/record_file.h"

#include <string>

namespace tramel {

namespace {

Record conSingola(float v)
{
    Record r(recordcoma::LUNGHEZZA); // the bytes after the value stay 0
    r.putSingle(v);
    return r;
}

Record conVariante(const Variant& v)
{
    Record r(recordcoma::LUNGHEZZA);
    r.putVariant(v);
    return r;
}

void intestazione(RecordFileWriter& out, const DrawingState& s, std::int16_t statoFinestra)
{
    for (const float v : {s.finx, s.finy, s.finlarg, s.finalt})
        out.write(conSingola(v));
    out.write(conVariante(Variant(statoFinestra)));
    out.write(conVariante(s.colori.colsfondo));
    out.write(conVariante(s.colori.colanteprima));
    out.write(conVariante(Variant(s.aiuti.snapattivo)));
    out.write(conSingola(s.aiuti.passosnap));
    out.write(conVariante(Variant(s.aiuti.grigliaattiva)));
    out.write(conSingola(s.aiuti.passogriglia));
}

recordcoma conTipo(std::string_view tipo)
{
    recordcoma r; // text fields blank, numbers 0
    r.tipo = tipo;
    return r;
}

// Outline attributes of arcs and polylines, and of the filled kinds.
template <class T>
recordcoma contorno(std::string_view tipo, const T& e)
{
    recordcoma r = conTipo(tipo);
    r.colore1 = e.colcont;
    r.tratto = e.trattcont;
    r.spessore = e.spescont;
    return r;
}

template <class T>
recordcoma riempito(std::string_view tipo, const T& e)
{
    recordcoma r = contorno(tipo, e);
    r.colore2 = e.colocampitura;
    r.riempimento = e.campitura;
    return r;
}

recordcoma record(const Linea& l)
{
    recordcoma r = conTipo(dis::LINEA);
    r.x1 = l.Xi;
    r.y1 = l.Yi;
    r.x2 = l.Xf;
    r.y2 = l.Yf;
    r.colore1 = l.colorelinea;
    r.tratto = l.TipoLinea;
    r.spessore = l.speslinea;
    return r;
}

recordcoma record(const Arco& a)
{
    recordcoma r = contorno(dis::ARCO, a);
    r.x1 = a.p1x;
    r.y1 = a.p1y;
    r.x2 = a.p2x;
    r.y2 = a.p2y;
    r.x3 = a.p3x;
    r.y3 = a.p3y;
    return r;
}

recordcoma record(const Cerchio& c)
{
    recordcoma r = riempito(dis::CERCHIO, c);
    r.x1 = c.Xcentro;
    r.y1 = c.Ycentro;
    r.x2 = c.Xpunto;
    r.y2 = c.YPunto;
    return r;
}

double flag(std::int16_t v)
{
    return v == VERO ? 1.0 : 0.0;
}

// Cut or blank-padded to width bytes.
std::string campo(std::string bytes, std::size_t width)
{
    bytes.resize(width, ' ');
    return bytes;
}

recordcoma record(const testo& t)
{
    recordcoma r = conTipo(dis::TESTO);
    r.x1 = t.pos_testox;
    r.y1 = t.pos_testoy;
    r.x2 = flag(t.barrato_testo);
    r.y2 = flag(t.bold_testo);
    r.x3 = flag(t.corsivo_testo);
    r.y3 = flag(t.opaco_testo);
    r.colore1 = t.colore_testo;
    r.colore2 = t.colore_opaco_testo;
    r.tratto = t.sottolineato_testo == VERO ? 1 : 0;
    r.riempimento = t.ang_testo();
    r.spessore = t.dimens_testo;
    // Each part is cut to its width in stored bytes, so that the text always
    // starts right after the 32 bytes of the font field.
    r.stringa = cp1252::decode(campo(cp1252::encode(t.carattere_testo()), dis::LUNGHEZZA_CARATTERE)
                               + campo(cp1252::encode(t.stringa_testo), dis::LUNGHEZZA_TESTO));
    return r;
}

// The vertices three to a record: the first record carries the attributes and
// the count, the others only the continuation tag and their vertices.
void scriviVertici(RecordFileWriter& out, recordcoma r, const ListaVertici& e, std::string_view continua)
{
    const int n = e.vertic();
    r.numero = e.vertic();
    for (int i = 0; i < dis::recordPerVertici(n); ++i) {
        if (i > 0)
            r = conTipo(continua);
        int k = 3 * i;
        for (auto [x, y] : {std::pair{&r.x1, &r.y1}, std::pair{&r.x2, &r.y2}, std::pair{&r.x3, &r.y3}}) {
            if (++k <= n) {
                const Punto p = e.punto(k);
                *x = p.x;
                *y = p.y;
            }
        }
        out.write(codifica(r));
    }
}

// Lines, arcs, circles and texts: one record each.
template <class T>
void scrivi(RecordFileWriter& out, const T& e)
{
    out.write(codifica(record(e)));
}

void scrivi(RecordFileWriter& out, const superficie& e)
{
    scriviVertici(out, riempito(dis::SUPERFICIE, e), e, dis::CONTINUA_SUPERFICIE);
}

void scrivi(RecordFileWriter& out, const polilinea& e)
{
    scriviVertici(out, contorno(dis::POLILINEA, e), e, dis::CONTINUA_POLILINEA);
}

// Always two records, the fourth corner in the second.
void scrivi(RecordFileWriter& out, const Rettangolo& e)
{
    recordcoma r = riempito(dis::RETTANGOLO, e);
    e.prel_vert_ret(r.x1, r.y1, 1);
    e.prel_vert_ret(r.x2, r.y2, 2);
    e.prel_vert_ret(r.x3, r.y3, 3);
    out.write(codifica(r));
    recordcoma seguito = conTipo(dis::CONTINUA_RETTANGOLO);
    e.prel_vert_ret(seguito.x1, seguito.y1, 4);
    out.write(codifica(seguito));
}

} // namespace

bool salvafile(const DrawingState& s, const std::filesystem::path& path, std::int16_t statoFinestra)
{
    RecordFileWriter out(path, recordcoma::LUNGHEZZA);
    intestazione(out, s, statoFinestra);
    // The kinds in the order the file keeps them.
    perOgniVivo<Linea, superficie, polilinea, Arco, Cerchio, Rettangolo, testo>(
        s.dis, [&out](const auto& e) { scrivi(out, e); });
    return out.commit();
}

} // namespace tramel
