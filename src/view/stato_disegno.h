#pragma once
#include "cache_testi.h"
#include "indice_disegno.h"
#include "recordcoma.h"
#include "vista.h"

#include "entities/disegno.h"
#include "geometry/intersezioni.h" // pigreco
#include "platform/dc.h"
#include "platform/text_metrics.h"
#include "platform/variant.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tramel {

// Values shared by every drawing window of the program: the defaults for new
// entities and the print widths, which travel with the settings file, and the
// settings file's path.
struct ValoriModulo {
    Rgb gen_colorelinea = 0;
    std::int32_t gen_TipoLinea = 0;
    std::int32_t gen_speslinea = 0; // tenths
    std::int32_t gen_campitura = 7;
    Rgb gen_colocampitura = 0;
    Rgb gen_colcont = 0;
    std::int32_t gen_spescont = 0; // tenths
    std::int32_t gen_trattcont = 0;
    std::array<float, 16> spesslinstampa{};
    std::string nomefileini; // path of Tramel.ini
};

// A windowless line over the drawing (cross-hair, rubber band), in window
// units, with its pen: a style code (PS_NULL shows nothing) and a width in
// pixels (0 and 1 are both one pixel).
struct LineaOverlay {
    bool visibile = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colore = 0;
    int stile = PS_SOLID;
    int larghezza = 0;
};

// A windowless shape over the drawing (rubber-band rectangle or circle, pick
// box, snap marker): its outline's pen, its fill (a fill code of the
// entities: 0-5 hatch, 6 solid, 7 none) and how it combines with the picture
// (R2_NOTMERGEPEN or R2_COPYPEN).
struct FormaOverlay {
    enum Forma { Rettangolo = 0, Cerchio = 3 };
    bool visibile = false;
    double sinistra = 0, alto = 0, larghezza = 0, altezza = 0; // window units
    Rgb colore = 0;
    Forma forma = Rettangolo;
    int stile = PS_SOLID;
    int spessore = 0; // pixels
    int raster = R2_COPYPEN;
    std::int32_t campitura = CAMPITURA_NESSUNA;
    Rgb coloreCampitura = 0;
};

// The controls moved over a drawing window, painted after its picture.
struct Overlay {
    LineaOverlay Line1; // vertical cross-hair
    LineaOverlay Line2; // horizontal cross-hair
    LineaOverlay Line3; // main rubber band
    LineaOverlay Line4; // arc's second rubber band
    FormaOverlay Shape1; // rectangle and circle rubber band
    FormaOverlay Shape2; // pick box
    FormaOverlay Shape3; // object-snap marker
};

// The words of a drawing aid's switch, as the settings and drawing files keep them.
inline constexpr std::string_view AIUTO_ON = "ON";
inline constexpr std::string_view AIUTO_OFF = "OFF";
inline std::string aiuto(bool attivo)
{
    return std::string(attivo ? AIUTO_ON : AIUTO_OFF);
}

// The drawing window's own font (set by the general settings dialog).
struct FontFinestra {
    std::string nome = "Arial";
    float dimensione = 8.25f; // points
    bool grassetto = false;
    bool corsivo = false;
    bool sottolineato = false;
    bool barrato = false;
};

// The command in progress, the log of commands and the selection.
struct StatoComandi {
    std::vector<recordcoma> coma = std::vector<recordcoma>(2); // element 0 is the file's record buffer
    int numcomando = 1;
    int passocomando = 0;
    std::string comandoattivo;
    recordcoma comasospeso;
    recordcoma comasospeso2; // below comasospeso: the command a suspended view command ran inside
    std::string modoselez = "Inters";
    std::string modoscelto = "Inters"; // the selection mode the user chose (the checked impo item)
    int numselez = 0;
};

// The drawing aids: grid, snap step, orthogonal mode, object-snap filter, text frames.
struct AiutiDisegno {
    std::string grigliaattiva{AIUTO_ON};
    float passogriglia = 1.0f;
    std::string snapattivo{AIUTO_ON};
    float passosnap = 1.0f;
    std::string ortoattivo{AIUTO_OFF};
    std::int16_t filtrosnap = 0;
    std::int16_t mostrabordotesto = 0;
};

// The window's colours, palette indexes; they keep the tag they were stored with.
struct ColoriFinestra {
    Variant colsfondo = Variant(std::int16_t{15});
    Variant colanteprima = Variant(std::int16_t{5});
    Variant colevidenzia = Variant(std::int16_t{3});
};

// The bars shown for this window (1 shown, 0 hidden).
struct BarreFinestra {
    std::int16_t vedibarra1 = 1;
    std::int16_t vedibarra3 = 1;
    std::int16_t vedibarra4 = 1;
    std::int16_t vedibarra6 = 1;
    std::int16_t vedibarra7 = 1;
};

// The pans of the scroll bars since the view last changed otherwise: the
// view's left and top they count from (drawing units), their step, the steps
// taken along each bar, and the scale and origin the last pan left. Counting
// the steps, rather than adding each to the origin, brings n steps back to
// the very origin.
struct Panoramica {
    double sinistra = 0, alto = 0;
    double passo = 0;
    std::int64_t passiX = 0, passiY = 0;
    double scala = 0; // none before the first pan
    float origineX = 0, origineY = 0;
};

// The object-snap point found under the cursor, and when the last search missed.
struct SnapTrovato {
    int trovatosnap = 0;
    double snapx = 0, snapy = 0;
    // The clock's reading after the last search that found nothing; none yet.
    double snaptempo = -std::numeric_limits<double>::infinity();
};

// The defaults for new texts.
struct TestoNuovo {
    std::string gen_carattere_testo = "Arial";
    std::int32_t gen_dimens_testo = 10;
    std::int16_t gen_bold_testo = 0;
    std::int16_t gen_corsivo_testo = 0;
    std::int16_t gen_barrato_testo = 0;
    std::int16_t gen_sottolineato_testo = 0;
    Rgb gen_colore_testo = RGB(0, 0, 0);
    std::int16_t gen_opaco_testo = 0;
    Rgb gen_colore_opaco_testo = RGB(255, 255, 255);
};

// Everything one drawing window knows: its drawing, its command state, its
// drawing aids, colours, view and text defaults.
struct DrawingState {
    explicit DrawingState(ValoriModulo& modulo) : modulo(modulo) {}

    ValoriModulo& modulo;

    // The drawing and the entities under construction (the second set serves
    // the object-snap search and a suspended command).
    disegno dis;
    OggettiCorrenti ogg;
    OggettiCorrenti ogg2;

    // The command in progress, and whether the drawing changed since it was saved.
    StatoComandi comandi;
    int dasalvare = 0;
    bool ridimensionato = false;
    int cisonooggetti = 0;
    int cisonotesti = 0;

    AiutiDisegno aiuti;
    ColoriFinestra colori;
    BarreFinestra barre;

    // View.
    Vista vista;
    float finx = 0, finy = 0, finlarg = 0, finalt = 0;
    std::int32_t zoompercento = 0;
    double xmin = 0, ymin = 0, xmax = 50, ymax = 20;
    int valhscroll = 50, valvscroll = 50;
    Panoramica panoramica;

    SnapTrovato snap;
    TestoNuovo testoNuovo;

    // The window's font and foreground colour, and what moves over its picture.
    FontFinestra font;
    Rgb forecolor = RGB(0, 0, 0);
    Overlay overlay;
    TextExtent estensionetesto;

    // The colour the window's picture was last cleared to (none before the
    // first clear); the boxes of the drawing's texts and of all its entities,
    // kept between redraws.
    std::optional<Rgb> sfondoFinestra;
    CacheTesti cachetesti;
    IndiceDisegno indice;

    recordcoma& corrente() { return comandi.coma.at(static_cast<std::size_t>(comandi.numcomando)); }
    const recordcoma& corrente() const
    {
        return comandi.coma.at(static_cast<std::size_t>(comandi.numcomando));
    }
};

} // namespace tramel
