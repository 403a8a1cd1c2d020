#include "motore_comandi.h"

#include "view/aggiungi.h"
#include "view/estensioni.h"

#include <cmath>
#include <optional>

namespace tramel {

namespace {

constexpr double ESTENSIONE_MINIMA = 0.5;  // "Zoom Tutto" leaves a smaller drawing as it is
constexpr double MARGINE_STRISCIA = 2.5;   // strip sizes to margins

} // namespace

void CommandEngine::eseguicomando(int& k)
{
    recordcoma& r = s_.comandi.coma.at(static_cast<std::size_t>(k));
    const DatiComando& c = dati(comando(r.nome()));
    switch (c.famiglia) {
    case Famiglia::Modifica:
        completaModifica(k);
        break;
    case Famiglia::Disegno:
        completaDisegno(c, r);
        break;
    case Famiglia::Misura:
        completaMisura(r);
        break;
    case Famiglia::Zoom: {
        const bool cambiata = c.comando == Comando::ZoomPercento ? zoomPercento()
                              : c.comando == Comando::ZoomTutto  ? zoomTutto()
                              : c.comando == Comando::ZoomPrec   ? zoomPrec()
                                                                 : true;
        // A zoom that leaves the view as it is ends without a record.
        if (!cambiata) {
            s_.corrente().tipo.clear();
            scrivilabel1();
        }
        break;
    }
    case Famiglia::Nessuna:
    case Famiglia::Stampa:
        break;
    }
    // A view change made inside another command gives it back.
    riprendi();
}

void CommandEngine::completaModifica(int& k)
{
    const int k0 = k;
    std::int16_t found = 0;
    {
        // The property dialogs ask the user: no hourglass over them.
        std::optional<Notifier::Occupato> occupato;
        if (comando(s_.comandi.coma.at(static_cast<std::size_t>(k)).nome()) != Comando::ProprietaOggetto)
            occupato.emplace(porte_.notifier);
        eseguiComandoModifica_su_Superfici(k, found);
        eseguiComandoModifica_su_Linee(k, found);
        eseguiComandoModifica_su_Rettangoli(k, found);
        eseguiComandoModifica_su_Testi(k, found);
        eseguiComandoModifica_su_Cerchi(k, found);
        eseguiComandoModifica_su_Archi(k, found);
        eseguiComandoModifica_su_Polilinee(k, found);
    }
    // The edit leaves nothing selected.
    selezionati_.clear();
    const std::string nome = s_.comandi.coma.at(static_cast<std::size_t>(k0)).nome();
    // After the stretch the user's own selection mode is back.
    if (comando(nome) == Comando::Stira)
        s_.comandi.modoselez = s_.comandi.modoscelto;
    if (found == 0) {
        annullacomando(k);
        return;
    }
    s_.dasalvare = 1;
    redraw();
    // A property dialog cancelled blanks the name: the edit is over without a record.
    const std::string fatto = s_.comandi.coma.at(static_cast<std::size_t>(k0)).nome();
    if (fatto.empty())
        return;
    s_.comandi.comandoattivo = fatto;
    k = k0 + 1;
    reiniz(k);
    s_.overlay.Line3.visibile = false;
    s_.overlay.Shape1.visibile = false;
}

void CommandEngine::completaDisegno(const DatiComando& c, recordcoma& r)
{
    // A text is added by its dialog.
    if (c.comando == Comando::Testo)
        return;
    s_.cisonooggetti = 1;
    if (c.comando == Comando::Superficie || c.comando == Comando::Polilinea) {
        const std::int16_t vertici = c.comando == Comando::Superficie ? s_.ogg.oggsuperficie->vertic()
                                                                       : s_.ogg.oggpolilinea->vertic();
        if (vertici < 2) {
            porte_.notifier.beep();
            porte_.notifier.messaggio("Inserire almeno due vertici.", agganci_.titolo, Pulsanti::Ok, Icona::Nessuna);
        } else {
            aggiungi_oggetto(s_, superficie_, r.nome());
        }
    } else {
        aggiungi_oggetto(s_, superficie_, r.nome());
    }
    if (c.comando == Comando::Linea) {
        // The chain goes on from the end point.
        riga_.Text[1].testo = strNumero(r.x2) + "," + strNumero(r.y2);
        r.x1 = r.x2;
        r.y1 = r.y2;
        s_.ogg.ogglinea->Xi = r.x2;
        s_.ogg.ogglinea->Yi = r.y2;
        riga_.notifica();
        return;
    }
    s_.comandi.comandoattivo = c.nome;
    s_.overlay.Line3.visibile = false;
    if (c.comando == Comando::Cerchio)
        s_.overlay.Shape1.visibile = false;
    reiniz(s_.comandi.numcomando);
    if (c.comando == Comando::Cerchio)
        scrivilabel1();
}

void CommandEngine::completaMisura(const recordcoma& r)
{
    const double d = std::hypot(r.x2 - r.x1, r.y2 - r.y1);
    const double gradi = angolo_retta_P1P2(r.x1, r.y1, r.x2, r.y2) * 180 / pigreco;
    const NumberFormat& f = agganci_.formato;
    RigaComando::Casella& t = riga_.Text[1];
    t.abilitata = true;
    t.solaLettura = true;
    t.coloreTesto = 9;
    t.testo = "   P1=(" + f.format(r.x1, "##0.00") + ";" + f.format(r.y1, "##0.00") + ") - P2=(" +
              f.format(r.x2, "##0.00") + ";" + f.format(r.y2, "##0.00") + ")     DISTANZA = " +
              f.format(d, "##0.000") + " ANGOLO = " + f.format(gradi, "##0.0000");
    t.colore = 15;
    riga_.notifica();
}

// The view moved by a zoom command, which leaves it in the log, and the
// scroll bars back to the middle; false when the rectangle has no scale.
bool CommandEngine::zoomA(double x1, double y1, double x2, double y2)
{
    const int prima = s_.comandi.numcomando;
    selzoom(x1, y1, x2, y2);
    if (s_.comandi.numcomando == prima)
        return false;
    if (agganci_.impscroll)
        agganci_.impscroll();
    return true;
}

bool CommandEngine::zoomPercento()
{
    // The view keeps its top-left corner and shows 100/percent of its size.
    const double fattore = 100.0 / s_.zoompercento;
    if (!(s_.zoompercento > 0) || fattore == 1)
        return false;
    const Vista& v = s_.vista;
    const double l = v.origineX / v.scala, t = v.origineY / v.scala;
    const double w = v.larghezzaMm / v.scala, h = v.altezzaMm / v.scala;
    return zoomA(l, t, l + w * fattore, t + h * fattore);
}

bool CommandEngine::zoomTutto()
{
    determxymin_xymax(s_, MisuraTesto{superficie_.metrics(), s_.vista.dpiX, s_.vista.dpiY});
    if (std::abs(s_.xmax - s_.xmin) < ESTENSIONE_MINIMA || std::abs(s_.ymax - s_.ymin) < ESTENSIONE_MINIMA)
        return false;
    // The margins on the right and at the bottom come from the scroll strips' sizes.
    const auto misura = [](const std::function<double()>& f) { return f ? f() : 0.0; };
    const double mx = misura(agganci_.larghezzaPicture4) * MARGINE_STRISCIA / s_.vista.scala;
    const double my = misura(agganci_.altezzaPicture3) * MARGINE_STRISCIA / s_.vista.scala;
    if (!zoomA(s_.xmin, s_.ymin, s_.xmax + my, s_.ymax + mx))
        return false;
    riga_.Text[1].testo.clear();
    riga_.notifica();
    return true;
}

bool CommandEngine::zoomPrec()
{
    Notifier::Occupato occupato(porte_.notifier);
    // Each zoom record holds the view it made, the latest the current one: one
    // more plain zoom is skipped for every "Zoom Prec." met on the way back.
    int zoom = 0;
    int cercati = 2;
    for (int i = s_.comandi.numcomando - 1; i >= 1; --i) {
        const recordcoma& r = s_.comandi.coma.at(static_cast<std::size_t>(i));
        if (r.tipo.rfind("Zoom", 0) != 0)
            continue;
        if (r.tipo.rfind("Zoom Prec.", 0) == 0)
            ++cercati;
        else
            ++zoom;
        if (zoom == cercati)
            return zoomA(r.x1, r.y1, r.x2, r.y2);
    }
    // Nothing in the log: the window kept by memxin, unless it is the view already.
    const Vista& v = s_.vista;
    if (v.origineX / v.scala == s_.finx && v.origineY / v.scala == s_.finy && v.larghezzaMm / v.scala == s_.finlarg &&
        v.altezzaMm / v.scala == s_.finalt) {
        porte_.notifier.beep();
        porte_.notifier.messaggio("Nessun \"Zoom Precedente\" memorizzato", agganci_.titolo, Pulsanti::Ok,
                                  Icona::Nessuna);
        return false;
    }
    if (!zoomA(s_.finx, s_.finy, s_.finx + s_.finlarg, s_.finy + s_.finalt))
        return false;
    memxin();
    return true;
}

} // namespace tramel
