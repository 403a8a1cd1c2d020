#include "aggiungi.h"

#include "comando.h"
#include "disegna_entita.h"

#include "geometry/misure.h"

namespace tramel {

namespace {

// The outline and fill defaults of surfaces, rectangles and circles.
template <class T>
void difettiSuperficie(T& e, const ValoriModulo& m)
{
    e.campitura = m.gen_campitura;
    e.colocampitura = m.gen_colocampitura;
    e.colcont = m.gen_colcont;
    e.spescont = static_cast<float>(m.gen_spescont);
    e.trattcont = m.gen_trattcont;
}

// The line defaults of polylines and arcs.
template <class T>
void difettiLinea(T& e, const ValoriModulo& m)
{
    e.colcont = m.gen_colorelinea;
    e.spescont = static_cast<float>(m.gen_speslinea);
    e.trattcont = m.gen_TipoLinea;
}

} // namespace

void aggiungi_oggetto(DrawingState& s, SuperficieDisegno& sup, const std::string& tipo)
{
    const ValoriModulo& m = s.modulo;
    OggettiCorrenti& o = s.ogg;
    disegno& d = s.dis;
    const ContestoDisegno c(s, sup);
    switch (comando(tipo)) {
    case Comando::Superficie:
        if (o.oggsuperficie->vertic() <= 1)
            return;
        difettiSuperficie(*o.oggsuperficie, m);
        disegnasuperficie(c, *o.oggsuperficie, true);
        calcola_perimetro_superficie(*o.oggsuperficie);
        calcola_area_superficie(*o.oggsuperficie);
        d.superfici.Add(o.oggsuperficie.rilascia());
        break;
    case Comando::Polilinea:
        if (o.oggpolilinea->vertic() <= 1)
            return;
        difettiLinea(*o.oggpolilinea, m);
        disegnaPolilinea(c, *o.oggpolilinea, true);
        d.polilinee.Add(o.oggpolilinea.rilascia());
        break;
    case Comando::Rettangolo: {
        difettiSuperficie(*o.oggrettangolo, m);
        disegnarettangolo(c, *o.oggrettangolo, true);
        d.rettangoli.Add(o.oggrettangolo.rilascia());
        Rettangolo& r = d.rettangoli.Item(d.rettangoli.Count());
        calcola_perimetro_rettangolo(r);
        calcola_area_rettangolo(r);
        break;
    }
    case Comando::Linea: {
        Linea& l = *o.ogglinea;
        l.colorelinea = m.gen_colorelinea;
        l.speslinea = static_cast<float>(m.gen_speslinea);
        l.TipoLinea = m.gen_TipoLinea;
        disegnalinea(c, l, true);
        d.linee.Add(o.ogglinea.rilascia());
        break;
    }
    case Comando::Cerchio:
        difettiSuperficie(*o.oggcerchio, m);
        calcola_raggio_perimet_area_cerchio(*o.oggcerchio);
        disegnacerchio(c, *o.oggcerchio, true);
        d.cerchi.Add(o.oggcerchio.rilascia());
        break;
    case Comando::Arco:
        difettiLinea(*o.oggarco, m);
        disegnaarco(c, *o.oggarco, true);
        d.archi.Add(o.oggarco.rilascia());
        s.overlay.Line4.visibile = false;
        break;
    // A text is added by its dialog; the other commands make no entity.
    case Comando::Testo:
    case Comando::Nessuno:
    case Comando::DistanzaAngolo:
    case Comando::ZoomArea:
    case Comando::ZoomTutto:
    case Comando::ZoomPrec:
    case Comando::ZoomPercento:
    case Comando::ZoomDinamico:
    case Comando::Cancella:
    case Comando::Sposta:
    case Comando::Copia:
    case Comando::Ruota:
    case Comando::Specchio:
    case Comando::Stira:
    case Comando::ProprietaOggetto:
    case Comando::Selstamp:
    case Comando::Sconosciuto:
        return;
    }
    s.dasalvare = 1;
    sup.aggiorna();
}

} // namespace tramel
