#pragma once
#include "coord_vert.h"
#include "passaggio_dialogo.h"
#include "valori_dialogo.h"

#include "entities/disegno.h"

#include <functional>
#include <string>
#include <variant>

namespace tramel {

// The entity a singular mode shows and changes: the kind's current entity.
using OggettoLinea = std::variant<std::monostate, Linea*, Arco*, polilinea*>;

// The line, arc and polyline properties dialog `TipoLinea`: colour, style
// swatch and thickness of the defaults or of the selected lines, arcs or
// polylines, the coordinates of one line or arc and the vertices of one
// polyline. Its caption is its mode; writing the marker Label5 loads it.
class TipoLinea {
public:
    static constexpr std::string_view titolo = "Caratteristiche Generali Linee, Polilinee, Archi";
    static constexpr std::string_view frameStile = "Tratto Contorno";

    explicit TipoLinea(FinestraDialogo finestra);

    std::string caption{titolo};
    OggettoLinea oggetto;

    Portatore<Rgb> Label2;    // colour
    Portatore<int> Label8;    // chosen swatch
    Portatore<double> Label1; // thickness, tenths
    std::string Text1;        // thickness box
    bool Text1Digitato = false; // the user typed in it
    std::string Frame3{frameStile};

    // Coordinates of one line or arc: rows Text5/Text6, Text2/Text3 (arcs
    // only), Text7/Text8.
    bool Frame4 = false;
    std::string Frame4Caption = "Linea";
    bool rigaCentrale = true;
    std::string Label3 = "Dal Punto       X1 =";
    std::string Label4 = "Y1 =";
    std::string Label6 = "Al  Punto        X2 =";
    std::string Label7 = "Y2 =";
    std::string Label11 = "Al  Punto        X2 =";
    std::string Label10 = "Y2 =";
    Coordinata Text5, Text6, Text2, Text3, Text7, Text8;

    // Vertices of one polyline.
    bool Frame5 = false;
    ColonneVertici List1;

    Rgb sfondoAnteprima; // the window's background

    // Writing the marker ("0" the defaults, else a position) runs the loader.
    void Label5(const std::string& indice);
    void Picture1_Click(int k);
    // The load writes the thickness box: the value is carried exactly, and no
    // swatch is chosen for it.
    void caricaSpessore(std::string testo, double decimi);
    // The user's edit of the thickness box: a line thicker than 1 is continuous.
    void Text1_Change(std::string testo);
    // A typed "," becomes ".".
    static char Text1_KeyPress(char tasto) { return tasto == ',' ? '.' : tasto; }
    void Command4_Click();
    void List1_Click(int riga) { List1.List1_Click(riga); }
    void Command3_Click(const MostraCoordVert& mostra);
    void Command6_Click(const MostraCoordVert& mostra);
    void Command7_Click(const MostraCoordVert& mostra);
    // OK: the operation of the mode; false when it refused a number and the dialog stays open.
    bool Command1_Click();

    // The swatch's background: palette 3 when chosen, else 15.
    Rgb sfondoCampione(int k) const;
    // The preview line (dislinea): width in pixels, style code, colour.
    struct Anteprima {
        int larghezza;
        std::int32_t stile;
        Rgb colore;
    };
    Anteprima dislinea() const;

    FinestraDialogo& finestra() { return f_; }

private:
    std::string didascaliaVertici() const;

    FinestraDialogo f_;
};

// The operations OK calls. Each checks every number it applies first: false,
// after the refusal, when one is not a number, and then nothing has changed.
// They draw nothing; the defaults rewrite the settings file.
bool set_carattGenLinee(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoLinea(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoArco(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoPoliLinea(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoLinee(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoArchi(const FinestraDialogo& f, const TipoLinea& d);
bool set_tipoPoliLinee(const FinestraDialogo& f, const TipoLinea& d);

} // namespace tramel
