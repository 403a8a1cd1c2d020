#include "motore_comandi.h"

#include "view/disegna_entita.h"

#include <utility>

namespace tramel {

namespace {

// Moves the entity under construction of a drawing command from one set of
// current objects to the other; the set it leaves is empty.
void spostaOggetto(OggettiCorrenti& da, OggettiCorrenti& a, Comando c)
{
    switch (c) {
    case Comando::Linea:
        a.ogglinea = std::move(da.ogglinea);
        break;
    case Comando::Cerchio:
        a.oggcerchio = std::move(da.oggcerchio);
        break;
    case Comando::Arco:
        a.oggarco = std::move(da.oggarco);
        break;
    case Comando::Polilinea:
        a.oggpolilinea = std::move(da.oggpolilinea);
        break;
    case Comando::Testo:
        a.oggtesto = std::move(da.oggtesto);
        break;
    case Comando::Superficie:
        a.oggsuperficie = std::move(da.oggsuperficie);
        break;
    case Comando::Rettangolo:
        a.oggrettangolo = std::move(da.oggrettangolo);
        break;
    default:
        break;
    }
}

} // namespace

void CommandEngine::sospendi()
{
    recordcoma& r = s_.corrente();
    if (r.nome().empty())
        return;
    // A view command running inside another keeps that one below it.
    if (!s_.comandi.comasospeso.nome().empty())
        s_.comandi.comasospeso2 = std::exchange(s_.comandi.comasospeso, recordcoma{});
    s_.comandi.comasospeso = r;
    s_.comandi.comasospeso.numero = static_cast<std::int16_t>(s_.comandi.passocomando);
    impostatrasparente();
    annullacomando(s_.comandi.numcomando, Annullo::PerSospendere);
}

void CommandEngine::impostatrasparente()
{
    spostaOggetto(s_.ogg, s_.ogg2, comando(s_.comandi.comasospeso.nome()));
}

void CommandEngine::riprendi()
{
    if (!s_.comandi.comasospeso.nome().empty())
        ripristinatrasparente();
}

void CommandEngine::cambiaVista(const std::function<void()>& cambio)
{
    sospendi();
    cambio();
    riprendi();
}

void CommandEngine::lasciaVista()
{
    annullacomando(s_.comandi.numcomando, Annullo::PerSospendere);
    ripristinatrasparente();
}

void CommandEngine::ripristinatrasparente()
{
    const recordcoma sospeso = s_.comandi.comasospeso;
    const DatiComando& c = dati(comando(sospeso.nome()));
    switch (c.famiglia) {
    case Famiglia::Disegno:
        riprendiDisegno(c, sospeso);
        break;
    case Famiglia::Modifica:
        riprendiModifica(c, sospeso);
        break;
    default:
        break;
    }
    s_.corrente() = sospeso;
    s_.comandi.comasospeso = std::exchange(s_.comandi.comasospeso2, recordcoma{});
    // The others start their input again, with their own prompt.
    if (c.famiglia != Famiglia::Disegno && c.famiglia != Famiglia::Modifica)
        scrivilabel1();
}

void CommandEngine::riprendiDisegno(const DatiComando& c, const recordcoma& sospeso)
{
    s_.corrente() = sospeso;
    spostaOggetto(s_.ogg2, s_.ogg, c.comando);
    const int n = sospeso.numero;
    if (c.comando == Comando::Superficie || c.comando == Comando::Polilinea) {
        catenaVertici(c);
    } else {
        scrivilabel1();
        if (c.comando == Comando::Arco && n == 2) {
            riga_.Label1 = " Arco_Secondo Punto(P.Finale): ";
            eco(sospeso.x2, sospeso.y2);
        }
    }
    s_.comandi.passocomando = n;
    if (n == 0 || n == 1)
        eco(sospeso.x1, sospeso.y1);
    if (n > 0)
        scrivilabel2();
    disegnoPersistente(true);
    riga_.notifica();
}

// The vertices of a half-built surface or polyline joined again, and its prompt.
void CommandEngine::catenaVertici(const DatiComando& c)
{
    const bool sup = c.comando == Comando::Superficie;
    const int m = sup ? s_.ogg.oggsuperficie->vertic() : s_.ogg.oggpolilinea->vertic();
    riga_.Label1 = " " + std::string(c.nome) + ": " + strNumero(static_cast<double>(m)) + "° Vertice";
    for (int i = 2; i <= m; ++i)
        trattoCatena(c, i);
}

// The side that joins vertex i to the one before it, in the default look of
// a new surface's outline or a new polyline.
void CommandEngine::trattoCatena(const DatiComando& c, int i)
{
    const bool sup = c.comando == Comando::Superficie;
    const ValoriModulo& d = s_.modulo;
    Linea tratto;
    tratto.colorelinea = sup ? d.gen_colcont : d.gen_colorelinea;
    tratto.TipoLinea = sup ? d.gen_trattcont : d.gen_TipoLinea;
    tratto.speslinea = static_cast<float>(sup ? d.gen_spescont : d.gen_speslinea);
    const auto vertice = [&](int k, double& x, double& y) {
        if (sup)
            s_.ogg.oggsuperficie->prel_vert_sup(x, y, k);
        else
            s_.ogg.oggpolilinea->prel_vert_pol(x, y, k);
    };
    vertice(i - 1, tratto.Xi, tratto.Yi);
    vertice(i, tratto.Xf, tratto.Yf);
    disegnalinea(ContestoDisegno(s_, superficie_), tratto, true);
    superficie_.aggiorna();
}

void CommandEngine::riprendiModifica(const DatiComando& c, const recordcoma& sospeso)
{
    // The entities stay selected across the suspension, and so does their count.
    const int selezionati = s_.comandi.numselez;
    modifica(c.voce);
    s_.comandi.numselez = selezionati;
    switch (sospeso.numero) {
    case 0:
        scrivitrov();
        break;
    case 1:
        // Between the two corners of a selection window: the first corner is taken again.
        clicca(sospeso.x1, sospeso.y1, Origine::Ripetuto);
        break;
    case 2:
        riga_.Label2 = c.comando == Comando::Specchio ? "Primo Punto - Asse:" : "Punto Base:";
        riga_.Label1 = "<" + std::string(c.nome) + ">";
        casella(1, true);
        casella(2, true);
        s_.comandi.passocomando = 2;
        s_.overlay.Shape2.visibile = false;
        break;
    default: {
        // Waiting for the final point: the base point is replayed.
        s_.comandi.passocomando = 2;
        clicca(sospeso.x1, sospeso.y1, Origine::Ripetuto);
        if (c.comando != Comando::Specchio)
            riga_.Label1 = "<" + std::string(c.nome) + "> Punto Base:";
        riga_.Label2 = c.comando == Comando::Ruota     ? "Angolo di Rotazione:"
                       : c.comando == Comando::Specchio ? "Secondo Punto - Asse:"
                                                        : "Punto Finale:";
        casella(1, true);
        casella(2, true);
        riga_.Text[1].testo = scriviNumero(sospeso.x1) + ";" + scriviNumero(sospeso.y1);
        s_.comandi.passocomando = 3;
        s_.overlay.Shape2.visibile = false;
        break;
    }
    }
    // Only the last step's ghosts draw transiently; a selection resumed
    // before it keeps its highlights in the picture.
    disegnoPersistente(sospeso.numero < PASSO_FINALE);
    riga_.notifica();
}

} // namespace tramel
