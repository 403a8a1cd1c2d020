#include "motore_comandi.h"
#include "snap_oggetti.h"

#include "view/disegna_entita.h"

namespace tramel {

namespace {

Entita& entita(disegno& d, const Preso& p)
{
    return conEntita(d, p.tipo, p.posizione, [](Entita& e) -> Entita& { return e; });
}

void disegnaEvidenziato(const ContestoDisegno& c, const DrawingState& s, const Preso& p)
{
    conEntita(s.dis, p.tipo, p.posizione, [&](const auto& e) {
        if constexpr (std::is_same_v<std::decay_t<decltype(e)>, testo>)
            disegnatesto(c, e, false, &s.cachetesti.scatola(p.posizione));
        else
            disegna(c, e, false);
    });
}

// The stretch marks of the vertices the window caught.
void segna(disegno& d, const PresoStira& p)
{
    conEntita(d, p.entita.tipo, p.entita.posizione, [&](auto& e) {
        for (int v : p.vertici) {
            if constexpr (std::is_base_of_v<ListaVertici, std::decay_t<decltype(e)>>)
                e.ins_vertselez(1, v);
            else if constexpr (requires { e.vert1_selez; })
                (v == 1 ? e.vert1_selez : e.vert2_selez) = 1;
        }
    });
}

bool comandoZoom(const std::string& nome)
{
    return nome == "Zoom Dinamico" || nome == "Zoom Tutto" || nome == "Zoom %" || nome == "Zoom Prec.";
}

} // namespace

// The boxes of the texts as the window measures them, brought up to date
// with texts added or changed since the last redraw.
const CacheTesti& CommandEngine::testiMisurati()
{
    s_.cachetesti.aggiorna(s_.dis.testi, {superficie_.metrics(), s_.vista.dpiX, s_.vista.dpiY});
    return s_.cachetesti;
}

Riquadro CommandEngine::ordinaAngoli(double& x1, double& y1, double& x2, double& y2)
{
    const Riquadro f = finestraOrdinata(x1, y1, x2, y2);
    x1 = f.x1;
    y1 = f.y1;
    x2 = f.x2;
    y2 = f.y2;
    return f;
}

// Selects what is not selected yet, counts it and draws it highlighted.
void CommandEngine::evidenzia(const std::vector<Preso>& presi)
{
    const ContestoDisegno c(s_, superficie_);
    bool disegnato = false;
    for (const Preso& p : presi) {
        Entita& e = entita(s_.dis, p);
        if (e.stato == STATO_SELEZIONATO)
            continue;
        e.stato = STATO_SELEZIONATO;
        ++s_.comandi.numselez;
        selezionati_.push_back(p);
        disegnaEvidenziato(c, s_, p);
        disegnato = true;
    }
    if (disegnato)
        superficie_.aggiorna();
}

void CommandEngine::selezionaoggetti(double X, double Y)
{
    const Notifier::Occupato attesa(porte_.notifier);
    evidenzia(tramel::selezionaoggetti(s_.dis, testiMisurati(), X, Y, raggioMirino(s_.vista.scala)));
}

void CommandEngine::selezfin(double& x1, double& y1, double& x2, double& y2)
{
    const Riquadro f = ordinaAngoli(x1, y1, x2, y2);
    const Notifier::Occupato attesa(porte_.notifier);
    evidenzia(tramel::selezfin(s_.dis, testiMisurati(), f));
}

void CommandEngine::selezinters(double& x1, double& y1, double& x2, double& y2)
{
    const Riquadro f = ordinaAngoli(x1, y1, x2, y2);
    const Notifier::Occupato attesa(porte_.notifier);
    const auto presi = tramel::selezinters(s_.dis, testiMisurati(), f, comandoZoom(s_.comandi.comandoattivo));
    if (s_.corrente().nome() != "Selstamp") {
        evidenzia(presi);
        return;
    }
    // The print window only marks what is to be printed, including a fill
    // that encloses it: the page shows that fill, not clipped to the window.
    for (const Preso& p : presi)
        entita(s_.dis, p).stampare = 1;
    for (const Preso& p : riempitiAttorno(s_.dis, {f.x1, f.y1}))
        entita(s_.dis, p).stampare = 1;
}

void CommandEngine::selezintersStira(double& x1, double& y1, double& x2, double& y2)
{
    const Riquadro f = ordinaAngoli(x1, y1, x2, y2);
    const Notifier::Occupato attesa(porte_.notifier);
    const ContestoDisegno c(s_, superficie_);
    for (const PresoStira& p : tramel::selezintersStira(s_.dis, testiMisurati(), f)) {
        segna(s_.dis, p);
        Entita& e = entita(s_.dis, p.entita);
        if (e.stato != STATO_SELEZIONATO) {
            e.stato = STATO_SELEZIONATO;
            ++s_.comandi.numselez;
            selezionati_.push_back(p.entita);
        }
        // Every entity the window caught is drawn highlighted, selected before or not.
        disegnaEvidenziato(c, s_, p.entita);
    }
    superficie_.aggiorna();
}

void CommandEngine::selezoggettifiltri(double X, double Y)
{
    const auto punto =
        tramel::selezoggettifiltri(s_.dis, testiMisurati(), s_.aiuti.filtrosnap, X, Y, raggioMirino(s_.vista.scala));
    s_.snap.trovatosnap = punto ? 1 : 0;
    if (punto) {
        s_.snap.snapx = punto->x;
        s_.snap.snapy = punto->y;
    }
}

} // namespace tramel
