#include "command_engine.h"
#include "snap_oggetti.h"

#include "view/disegna_entita.h"

namespace tramel {

namespace {

Entita& entita(disegno& d, const Preso& p)
{
    const int i = p.posizione;
    switch (p.tipo) {
    case TipoEntita::superficie: return d.superfici.Item(i);
    case TipoEntita::linea: return d.linee.Item(i);
    case TipoEntita::rettangolo: return d.rettangoli.Item(i);
    case TipoEntita::testo: return d.testi.Item(i);
    case TipoEntita::cerchio: return d.cerchi.Item(i);
    case TipoEntita::arco: return d.archi.Item(i);
    case TipoEntita::polilinea: return d.polilinee.Item(i);
    }
    return d.linee.Item(i);
}

void disegnaEvidenziato(const ContestoDisegno& c, const DrawingState& s, const Preso& p)
{
    const disegno& d = s.dis;
    const int i = p.posizione;
    switch (p.tipo) {
    case TipoEntita::superficie: disegnasuperficie(c, d.superfici.Item(i), false); break;
    case TipoEntita::linea: disegnalinea(c, d.linee.Item(i), false); break;
    case TipoEntita::rettangolo: disegnarettangolo(c, d.rettangoli.Item(i), false); break;
    case TipoEntita::testo: disegnatesto(c, d.testi.Item(i), false, &s.cachetesti.scatola(i)); break;
    case TipoEntita::cerchio: disegnacerchio(c, d.cerchi.Item(i), false); break;
    case TipoEntita::arco: disegnaarco(c, d.archi.Item(i), false); break;
    case TipoEntita::polilinea: disegnaPolilinea(c, d.polilinee.Item(i), false); break;
    }
}

// The stretch marks of the vertices the window caught.
void segna(disegno& d, const PresoStira& p)
{
    const int i = p.entita.posizione;
    for (int v : p.vertici) {
        switch (p.entita.tipo) {
        case TipoEntita::superficie: d.superfici.Item(i).ins_vertselez(1, v); break;
        case TipoEntita::rettangolo: d.rettangoli.Item(i).ins_vertselez(1, v); break;
        case TipoEntita::polilinea: d.polilinee.Item(i).ins_vertselez(1, v); break;
        case TipoEntita::linea: (v == 1 ? d.linee.Item(i).vert1_selez : d.linee.Item(i).vert2_selez) = 1; break;
        case TipoEntita::arco: (v == 1 ? d.archi.Item(i).vert1_selez : d.archi.Item(i).vert2_selez) = 1; break;
        case TipoEntita::testo:
        case TipoEntita::cerchio: break;
        }
    }
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
