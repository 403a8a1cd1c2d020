#include "esporta_dxf.h"

#include "geometry/misure.h"
#include "platform/cp1252.h"
#include "platform/file_writer.h"
#include "platform/numbers.h"
#include "platform/palette.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tramel {

namespace {

// Entity names in capitals: strict readers drop mixed-case ones.
constexpr std::string_view TESTO = "TEXT";
constexpr std::string_view POLILINEA = "POLYLINE";

// The plain number text without its leading blank: ".4", "-.25", "1E+15".
// It does not depend on the locale, as DXF readers want "." as decimal point.
std::string_view senzaBlank(std::string_view s)
{
    if (s.starts_with(' '))
        s.remove_prefix(1);
    return s;
}

// A text as one value line: Windows-1252, control characters (a line break
// would shift every pair after it) as blanks, the bytes the code page leaves
// undefined (a reader cannot decode them) as "?", trailing blanks removed.
std::string valoreTesto(const std::string& utf8)
{
    std::string s = cp1252::encode(utf8);
    for (char& c : s) {
        if (static_cast<unsigned char>(c) < ' ')
            c = ' ';
        else if (!cp1252::assigned(c))
            c = '?';
    }
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// Writes the group-code and value lines into any sink with write(string_view).
template <class Uscita>
class Dxf {
public:
    Dxf(Uscita& out, double ymax) : out_(out), ymax_(ymax) {}

    // False when a number to write is not finite.
    bool scrivi(disegno& dis)
    {
        righe({"0", "SECTION", "2", "ENTITIES"});
        perOgniVivo<Linea, Cerchio, testo, polilinea, superficie, Rettangolo>(dis,
                                                                            [this](auto& e) { entita(e); });
        righe({" 0 ", "ENDSEC", " 0 ", "EOF"});
        return finito_;
    }

private:
    void riga(std::string_view s)
    {
        out_.write(s);
        out_.write("\r\n");
    }
    void righe(std::initializer_list<std::string_view> l)
    {
        for (const std::string_view s : l)
            riga(s);
    }
    void coppia(std::string_view codice, std::string_view valore)
    {
        riga(codice);
        riga(valore);
    }
    void coppia(std::string_view codice, double v)
    {
        // One buffer serves every number, so that writing one allocates nothing.
        numero_.clear();
        appendStrNumero(numero_, v);
        const std::string_view scritto = senzaBlank(numero_);
        finito_ = finito_ && std::isfinite(v) && rilegge(scritto);
        coppia(codice, scritto);
    }
    // Rounded to 15 digits, a value within a hair of the largest Double is
    // written beyond it, and every reader takes that as infinite.
    static bool rilegge(std::string_view scritto)
    {
        double letto = 0;
        return std::from_chars(scritto.data(), scritto.data() + scritto.size(), letto).ec == std::errc();
    }
    void y(std::string_view codice, double v) { coppia(codice, ymax_ - v); }
    void testata(std::string_view nome, Rgb colore)
    {
        righe({"0", nome, "8", "0", "62"});
        riga(std::to_string(SELCOLxDXF(colore)));
    }

    void entita(const Linea& l)
    {
        testata("LINE", l.colorelinea);
        coppia("10", l.Xi);
        y("20", l.Yi);
        coppia("11", l.Xf);
        y("21", l.Yf);
    }

    void entita(Cerchio& c)
    {
        calcola_raggio_perimet_area_cerchio(c);
        testata("CIRCLE", c.colcont);
        coppia("10", c.Xcentro);
        y("20", c.Ycentro);
        coppia("40", c.raggio);
    }

    void entita(const testo& t)
    {
        // The height in single precision; the base line sits lower by the height as written.
        const std::string scritta = strNumero(t.dimens_testo / 25.0f);
        const std::string_view altezza = senzaBlank(scritta);
        testata(TESTO, t.colore_testo);
        coppia("10", t.pos_testox);
        coppia("20", ymax_ - t.pos_testoy - valNumero(altezza));
        coppia("40", altezza);
        coppia("1", valoreTesto(t.stringa_testo));
        coppia("50", std::to_string(t.ang_testo()));
    }

    void entita(const polilinea& p) { vertici(p, p.colcont, false); }
    void entita(const Poligono& p) { vertici(p, p.colcont, true); }

    void vertici(const ListaVertici& v, Rgb colore, bool chiusa)
    {
        testata(POLILINEA, colore);
        coppia("66", "1");
        if (chiusa)
            coppia("70", "1");
        riga("0");
        v.perOgniVertice([this](double x, double yv) {
            righe({"VERTEX", "8", "0"});
            coppia("10", x);
            y("20", yv);
            riga("0");
        });
        righe({"SEQEND", "8", "0"});
    }

    Uscita& out_;
    double ymax_;
    std::string numero_;
    bool finito_ = true;
};

struct InMemoria {
    std::string testo;
    void write(std::string_view s) { testo += s; }
};

} // namespace

int SELCOLxDXF(Rgb colore)
{
    static constexpr std::array<int, Palette::count> dxf = {0, 166, 3, 51, 1, 6, 3, 9, 8, 5, 2, 4, 1, 230, 2, 0};
    for (int i = 0; i < Palette::count; ++i)
        if (Palette::color(i) == colore)
            return dxf[static_cast<std::size_t>(i)];
    return 0;
}

std::optional<std::string> testoDxf(disegno& dis, double ymax)
{
    InMemoria out;
    if (!Dxf(out, ymax).scrivi(dis))
        return std::nullopt;
    return out.testo;
}

bool scriviDxf(disegno& dis, double ymax, const std::filesystem::path& path)
{
    FileWriter out(path);
    // An uncommitted file is discarded, so a refused export writes nothing.
    return Dxf(out, ymax).scrivi(dis) && out.commit();
}

} // namespace tramel
