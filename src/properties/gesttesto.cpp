#include "gesttesto.h"

#include "platform/palette.h"
#include "platform/rounding.h"
#include "view/comando.h"
#include "view/disegna_entita.h"
#include "view/file_impostazioni.h"

#include <cmath>
#include <limits>

namespace tramel {

namespace {

std::int16_t flag(bool v)
{
    return v ? VERO : FALSO;
}

// A stored flag takes the box's state; one already in that state keeps the
// value it was stored with.
void impostaFlag(std::int16_t& campo, bool v)
{
    if ((campo != 0) != v)
        campo = flag(v);
}

// The background colour a text or the defaults end with: the one the user
// chose, or the sample's when the background becomes opaque now; otherwise
// the one held.
Rgb coloreSfondo(const Gesttesto& d, bool opaco, Rgb colore)
{
    return d.Check1 && (d.coloreScelto || !opaco) ? d.Label8.numero() : colore;
}

// The font selection on a text.
void applicaCarattere(testo& t, const SceltaCarattere& c)
{
    t.colore_testo = c.colore;
    t.bold_testo = flag(c.grassetto);
    t.corsivo_testo = flag(c.corsivo);
    t.carattere_testo(c.nome);
    t.dimens_testo = c.dimensione;
    t.barrato_testo = flag(c.barrato);
    t.sottolineato_testo = flag(c.sottolineato);
}

// The angle box as whole degrees that ang_testo holds; nothing after the refusal.
std::optional<std::int32_t> angolo(const FinestraDialogo& f, const std::string& testo)
{
    const auto v = leggiNumero(f.formato, testo);
    if (!v || std::fabs(std::nearbyint(*v)) > std::numeric_limits<std::int32_t>::max()) {
        rifiuta(f.porte.notifier, msgAngolo);
        return std::nullopt;
    }
    return clng(*v);
}

bool inserisci(const FinestraDialogo& f, const Gesttesto& d)
{
    DrawingState& s = f.stato();
    const auto a = angolo(f, d.Text2);
    if (!a)
        return false;
    s.cisonotesti = 1;
    const recordcoma& r = s.corrente();
    testo& t = *s.ogg.oggtesto;
    t.stringa_testo = d.Text1;
    t.pos_testox = r.x1; // the clicked point, whatever the boxes say
    t.pos_testoy = r.y1;
    t.ang_testo(*a);
    applicaCarattere(t, d.carattere);
    t.opaco_testo = flag(d.Check1);
    t.colore_opaco_testo = clng(d.Label8.numero());
    disegnatesto(ContestoDisegno(s, f.superficie), t, true);
    s.dis.testi.Add(s.ogg.oggtesto.rilascia());
    s.dasalvare = 1;
    f.superficie.aggiorna();
    f.motore.annullacomando(s.comandi.numcomando);
    return true;
}

bool cambia(const FinestraDialogo& f, const Gesttesto& d)
{
    const bool singolo = d.Label1 == Gesttesto::selezionato;
    // Every number is read before any text changes.
    std::optional<std::int32_t> a;
    if (d.Text2 != VARI && (singolo || !d.Text2.empty()) && !(a = angolo(f, d.Text2)))
        return false;
    std::optional<double> x, y;
    if (singolo && (!(x = d.Text3.valore(f.formato)) || !(y = d.Text4.valore(f.formato)))) {
        rifiuta(f.porte.notifier, msgCoordinate);
        return false;
    }
    Notifier::Occupato occupato(f.porte.notifier);
    Collezione<testo>& testi = f.stato().dis.testi;
    for (int k = 1; k <= testi.Count(); ++k) {
        testo& t = testi.Item(k);
        if (t.stato != STATO_SELEZIONATO)
            continue;
        if (singolo) {
            t.stringa_testo = d.Text1;
            t.pos_testox = *x;
            t.pos_testoy = *y;
        }
        if (!d.Label8.vari()) {
            t.colore_opaco_testo = coloreSfondo(d, t.opaco_testo != 0, t.colore_opaco_testo);
            impostaFlag(t.opaco_testo, d.Check1);
        }
        if (a)
            t.ang_testo(*a);
        // The texts take the first one's font only when the user chose it.
        if (d.carattereScelto)
            applicaCarattere(t, d.carattere);
        if (singolo)
            break;
    }
    return true;
}

} // namespace

Gesttesto::Gesttesto(FinestraDialogo finestra)
    : Text3(Coordinata::di(0, "0")), Text4(Coordinata::di(0, "0")), sfondoFrame2(Palette::color(BIANCO)),
      f_(std::move(finestra))
{
    Label8.imposta(0);
}

void Gesttesto::Text1_Change(std::string testo)
{
    Text1 = std::move(testo);
    Label2 = Text1;
}

void Gesttesto::Check1_Click(bool spuntato)
{
    Check1 = spuntato;
    // Ticking over differing backgrounds settles them on white.
    if (Label8.vari()) {
        Label8.imposta(Palette::color(BIANCO));
        coloreScelto = true;
    }
    Label2Opaco = spuntato;
    sfondoLabel2 = Label8.numero();
    Command4 = spuntato;
}

void Gesttesto::Command3_Click()
{
    if (auto c = f_.porte.caratteri.scegli(carattere)) {
        // A size the user changed is kept to two decimals; the one given stays exact.
        static const NumberFormat invariante(".", ",");
        if (c->dimensione != carattere.dimensione)
            c->dimensione =
                static_cast<float>(invariante.parse(invariante.format(c->dimensione, "##0.00")).value_or(0));
        carattere = *c;
        carattereScelto = true;
        set_carattere();
    }
}

void Gesttesto::Command4_Click()
{
    if (const auto c = f_.porte.colori.scegli(Label8.numero())) {
        Label8.imposta(*c);
        coloreScelto = true;
        sfondoLabel2 = *c;
    }
}

void Gesttesto::set_carattere()
{
    const std::string testo = senzaSpazi(Text1);
    Label2 = testo.empty() ? carattere.nome : testo;
    Label4 = carattere.nome + " " + testoNumero(carattere.dimensione) + " Pt. ";
    if (!carattere.grassetto && !carattere.corsivo && !carattere.barrato && !carattere.sottolineato)
        Label4 += " - Normale";
    if (carattere.grassetto)
        Label4 += " - Grassetto";
    if (carattere.corsivo)
        Label4 += " - Corsivo";
    if (carattere.barrato)
        Label4 += " - Barrato";
    if (carattere.sottolineato)
        Label4 += " - Sottolineato";
}

bool Gesttesto::Command1_Click()
{
    switch (operazione(Dialogo::Gesttesto, Label1, Text1).value_or(Operazione::aggtesto)) {
    case Operazione::set_carattGenTesto: return set_carattGenTesto(f_, *this);
    case Operazione::annullacomando: f_.motore.annullacomando(-1); return true;
    default: return aggtesto(f_, *this);
    }
}

void Gesttesto::Command2_Click()
{
    if (Label1 != caratteristiche)
        f_.motore.annullacomando(-1);
}

void impost_gesttesto(const FinestraDialogo& f, Gesttesto& d)
{
    DrawingState& s = f.stato();
    if (senzaSpazi(s.testoNuovo.gen_carattere_testo).empty())
        inizializ_varTesto(s);
    const TestoNuovo& n = s.testoNuovo;
    const Rgb sfondo = sfondoFinestra(s);
    d.sfondoLabel2 = sfondo;
    d.Label8.imposta(sfondo);
    d.carattere = {n.gen_carattere_testo,
                   static_cast<float>(n.gen_dimens_testo),
                   n.gen_bold_testo != 0,
                   n.gen_corsivo_testo != 0,
                   n.gen_barrato_testo != 0,
                   n.gen_sottolineato_testo != 0,
                   n.gen_colore_testo};
    if (n.gen_opaco_testo != 0) {
        d.Label8.imposta(n.gen_colore_opaco_testo);
        d.Check1_Click(true);
    }
    d.sfondoFrame2 = sfondo;
    d.set_carattere();
}

bool set_carattGenTesto(const FinestraDialogo& f, const Gesttesto& d)
{
    DrawingState& s = f.stato();
    TestoNuovo& n = s.testoNuovo;
    // The defaults take the font only when the user chose it.
    if (d.carattereScelto) {
        const SceltaCarattere& c = d.carattere;
        n.gen_carattere_testo = c.nome;
        n.gen_dimens_testo = clng(c.dimensione);
        n.gen_bold_testo = flag(c.grassetto);
        n.gen_corsivo_testo = flag(c.corsivo);
        n.gen_barrato_testo = flag(c.barrato);
        n.gen_sottolineato_testo = flag(c.sottolineato);
        n.gen_colore_testo = c.colore;
    }
    n.gen_colore_opaco_testo = coloreSfondo(d, n.gen_opaco_testo != 0, n.gen_colore_opaco_testo);
    impostaFlag(n.gen_opaco_testo, d.Check1);
    salvaImpostazioni(s, f.porte.notifier, f.motore.agganci().titolo);
    return true;
}

bool aggtesto(const FinestraDialogo& f, const Gesttesto& d)
{
    if (comando(f.stato().corrente().nome()) == Comando::Testo)
        return inserisci(f, d);
    return cambia(f, d);
}

} // namespace tramel
