#include "coord_vert.h"

#include "passaggio_dialogo.h"

namespace tramel {

namespace {

// "N." numbers carry the blank of a number that is not negative.
std::string numeroRiga(int i)
{
    return " " + std::to_string(i + 1);
}

bool vertici(const std::string& didascalia)
{
    return didascalia == "Coordinate Vertici Superficie" || didascalia == "Coordinate Vertici Rettangolo" ||
           didascalia == "Coordinate Vertici Polilinea";
}

} // namespace

void ColonneVertici::List1_Click(int riga)
{
    selezionata = riga >= 0 && riga < static_cast<int>(righe.size()) ? riga : -1;
    Command3 = Command7 = selezionata >= 0;
    tooltip6 = selezionata >= 0 ? std::string(dopoIl) + numeroRiga(selezionata) : std::string(primaDelPrimo);
    limitaElimina();
}

void ColonneVertici::limitaElimina()
{
    if (righe.size() <= 2)
        Command7 = false;
}

CoordVert ColonneVertici::box(const std::string& didascalia)
{
    CoordVert box(*this);
    box.caption = didascalia;
    if (selezionata >= 0) {
        const RigaVertice& r = righe[static_cast<std::size_t>(selezionata)];
        box.Text1 = senzaSpazi(r.x.testo);
        box.Text2 = senzaSpazi(r.y.testo);
        box.Frame4 = "Coordinate Vertice N." + numeroRiga(selezionata);
    }
    return box;
}

bool ColonneVertici::rigaScelta(bool& pulsante)
{
    if (selezionata >= 0)
        return true;
    notifier_.beep();
    pulsante = false;
    return false;
}

void ColonneVertici::Command3_Click(const std::string& didascalia, const MostraCoordVert& mostra)
{
    if (!rigaScelta(Command3))
        return;
    CoordVert b = box(didascalia);
    if (didascalia == CoordVert::didascaliaCerchio && selezionata == 0) {
        b.Frame4 = "Coordinate Centro Cerchio";
        b.Label11 = "Xc =";
        b.Label10 = "Yc =";
    } else if (didascalia == CoordVert::didascaliaCerchio) {
        b.Frame4 = "Raggio Cerchio";
        b.Text1Visibile = false;
        b.Label10 = "R =";
    }
    b.Command1 = CoordVert::modifica;
    mostra(b);
}

void ColonneVertici::Command6_Click(const std::string& didascalia, const MostraCoordVert& mostra)
{
    CoordVert b(*this);
    b.caption = didascalia;
    b.Frame4 = selezionata >= 0 ? std::string(dopoIl) + numeroRiga(selezionata) : std::string(primaDelPrimo);
    b.Command1 = CoordVert::inserisci;
    mostra(b);
    List1_Click(-1);
}

void ColonneVertici::Command7_Click(const std::string& didascalia, const MostraCoordVert& mostra)
{
    if (!rigaScelta(Command7))
        return;
    CoordVert b = box(didascalia);
    b.caselleAbilitate = false;
    b.Command1 = CoordVert::elimina;
    mostra(b);
    // The row may be gone: nothing stays selected.
    List1_Click(-1);
}

std::optional<std::vector<Punto>> ColonneVertici::punti() const
{
    std::vector<Punto> p;
    for (const RigaVertice& r : righe) {
        const auto x = r.x.valore(formato_);
        const auto y = r.y.valore(formato_);
        if (!x || !y)
            return std::nullopt;
        p.push_back({*x, *y});
    }
    return p;
}

std::string CoordVert::Text_KeyPress(char tasto) const
{
    if (tasto == '.' || tasto == ',')
        return colonne_.formato_.decimalSeparator();
    return std::string(1, tasto);
}

std::optional<double> CoordVert::leggi(const std::string& testo) const
{
    const auto v = leggiNumero(colonne_.formato_, testo);
    if (!v)
        rifiuta(colonne_.notifier_, msgCoordinate);
    return v;
}

bool CoordVert::Command1_Click()
{
    std::optional<double> x;
    if (Text1Visibile && !(x = leggi(Text1)))
        return false;
    const auto y = leggi(Text2);
    if (!y)
        return false;
    // Three decimals, then the shortest form in the user's numbers.
    const NumberFormat& f = colonne_.formato_;
    const auto riga = [&](double v) {
        const double tondo = f.parse(f.format(v, "##0.000")).value_or(v);
        return Coordinata::di(tondo, allineaDestra(f.toText(tondo)));
    };
    auto& righe = colonne_.righe;
    const int i = colonne_.selezionata;
    const auto scelta = [&] { return righe.begin() + i; };
    // A box left as the row showed it keeps the row's coordinate exactly.
    const auto modificata = [&](Coordinata& c, const std::string& testo, double v) {
        if (testo != senzaSpazi(c.testo))
            c = riga(v);
    };
    if (vertici(caption)) {
        if (Command1 == modifica && i >= 0) {
            modificata(scelta()->x, Text1, *x);
            modificata(scelta()->y, Text2, *y);
        } else if (Command1 == elimina && i >= 0) {
            righe.erase(scelta());
        } else if (Command1 == inserisci) {
            righe.insert(righe.begin() + (i + 1), {riga(x.value_or(0)), riga(*y)});
        }
    } else if (caption == didascaliaCerchio && Command1 == modifica && i >= 0) {
        if (i == 0)
            modificata(scelta()->x, Text1, x.value_or(0));
        modificata(scelta()->y, Text2, *y);
    }
    return true;
}

} // namespace tramel
