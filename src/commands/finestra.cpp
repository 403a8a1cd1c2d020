#include "finestra.h"

#include "platform/numbers.h"
#include "platform/palette.h"

namespace tramel {

namespace {

EtichettaAiuto etichetta(int n, const std::string& stato, const std::string& suggerimentoOn)
{
    const bool on = stato == AIUTO_ON;
    return {n, on ? NERO : GRIGIO, on ? suggerimentoOn : "[ OFF ]"};
}

} // namespace

void caricaFinestra(CommandEngine& e)
{
    DrawingState& s = e.stato();
    s.dasalvare = 0;
    s.comandi.numcomando = 1;
    s.ridimensionato = false;
    e.reiniz(s.comandi.numcomando);
    s.comandi.modoselez = "Inters";
    s.comandi.comasospeso = recordcoma{};
    s.xmin = 0;
    s.ymin = 0;
    s.xmax = 500000000000.0;
    s.ymax = 300000000000.0;
    e.selzoom(0, 0, s.xmax, s.ymax);
    s.xmax = 50;
    s.ymax = 20;
    e.selzoom(0, 0, s.xmax, s.ymax);
    e.memxin();
}

EtichettaAiuto etichettaAiuto(const DrawingState& s, int n)
{
    if (n == ETICHETTA_SNAP)
        return etichetta(n, s.aiuti.snapattivo, "[ON] :" + strNumero(s.aiuti.passosnap) + " ");
    if (n == ETICHETTA_GRIGLIA)
        return etichetta(n, s.aiuti.grigliaattiva, "[ON] :" + strNumero(s.aiuti.passogriglia) + " ");
    return etichetta(n, s.aiuti.ortoattivo, "[ON]");
}

std::optional<std::string> rifiutoAiuto(const DrawingState& s, int voce, bool spuntata)
{
    const std::string nome = s.corrente().nome();
    if ((voce != VOCE_IMPOSTAZIONI && voce != VOCE_GRIGLIA && voce != VOCE_BORDO_TESTO) || nome.empty())
        return std::nullopt;
    const std::string azione = spuntata ? " disattivare" : " attivare";
    const std::string cosa = voce == VOCE_IMPOSTAZIONI ? " modificare le impostazioni generali."
                             : voce == VOCE_GRIGLIA    ? azione + " la griglia."
                                                       : azione + " visualizzazione bordo testo.";
    return "Completare il comando \"" + nome + "\" prima di" + cosa;
}

EtichettaAiuto impostaAiuto(CommandEngine& e, int voce, bool attiva)
{
    DrawingState& s = e.stato();
    if (voce == VOCE_SNAP) {
        s.aiuti.snapattivo = aiuto(attiva);
        if (attiva && s.aiuti.passosnap == 0)
            s.aiuti.passosnap = 1.0f;
        return etichettaAiuto(s, ETICHETTA_SNAP);
    }
    if (voce == VOCE_ORTO) {
        s.aiuti.ortoattivo = aiuto(attiva);
        return etichettaAiuto(s, ETICHETTA_ORTO);
    }
    s.aiuti.grigliaattiva = aiuto(attiva);
    e.redraw();
    return etichettaAiuto(s, ETICHETTA_GRIGLIA);
}

void impostaBordoTesto(CommandEngine& e, bool attiva)
{
    e.stato().aiuti.mostrabordotesto = attiva ? 1 : 0;
    e.redraw();
}

int filtroSuccessivo(int k)
{
    switch (k) {
    case 0: return 2;
    case 2: return 3;
    case 3: return 4;
    case 4: return 6;
    default: return 0;
    }
}

bool disegnoPieno(const DrawingState& s)
{
    return s.cisonooggetti == 1 || s.cisonotesti == 1;
}

bool impostaSelezioneAbilitata(const DrawingState& s)
{
    return s.corrente().nome() != "Stira" && s.comandi.passocomando == 0;
}

std::int16_t& vedibarra(BarreFinestra& b, int k)
{
    switch (k) {
    case 1: return b.vedibarra1;
    case 3: return b.vedibarra3;
    case 4: return b.vedibarra4;
    case 6: return b.vedibarra6;
    default: return b.vedibarra7;
    }
}

} // namespace tramel
