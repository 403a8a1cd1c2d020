#pragma once
#include "coord_vert.h"
#include "passaggio_dialogo.h"
#include "valori_dialogo.h"

#include "entities/disegno.h"

#include <array>
#include <string>
#include <variant>

namespace tramel {

// The entity a singular mode shows and changes: the kind's current entity.
using OggettoSuperficie = std::variant<std::monostate, superficie*, Rettangolo*, Cerchio*>;

// The surface, rectangle and circle properties dialog `TipoSuperficie`: fill
// pattern and colour, outline colour, thickness and style of the defaults or
// of the selected entities, and the vertices, or centre and radius, of one
// entity with its perimeter and area. Its caption is its mode; writing the
// marker Label1 loads it.
class TipoSuperficie {
public:
    static constexpr std::string_view titolo = "Caratteristiche Generali Superfici - Rettangoli - Cerchi";
    static constexpr std::array<std::string_view, 8> campiture{
        "Linee Orizzontali", "Linee Verticali", "Diagonale su", "Diagonale giù",
        "Quadratini",        "Rombi",           "Solido",       "Trasparente"};

    explicit TipoSuperficie(FinestraDialogo finestra);

    std::string caption{titolo};
    OggettoSuperficie oggetto;

    int List2 = -1;                    // selected fill pattern, -1 none
    Portatore<std::int32_t> Label9;    // fill code
    Portatore<Rgb> Label10;            // fill colour
    Portatore<int> Label8;             // chosen swatch
    std::string Text1 = "0";           // thickness box
    bool Text1Digitato = false;        // the user typed in it
    Portatore<double> Label7;          // thickness, tenths
    Portatore<Rgb> Label6;             // outline colour
    std::string Frame3 = "Tratto Contorno";

    bool Frame5 = false;               // the geometry section
    std::string Frame5Caption = "Coordinate Vertici";
    ColonneVertici List1;
    bool Command6 = true;              // "Inserisci" and "Elimina" shown
    std::string Label3;                // perimeter line
    std::string Label4;                // area line
    bool cerchio = false;              // the preview's form: circle, else rectangle

    Rgb sfondoAnteprima; // the window's background

    // Writing the marker ("0" the defaults, else a position) runs the loader.
    void Label1(const std::string& indice);
    void List2_Click(int indice);
    void Picture1_Click(int k);
    // The load writes the thickness box: the value is carried exactly, and no
    // swatch is chosen for it.
    void caricaSpessore(std::string testo, double decimi);
    // The user's edit of the thickness box: an outline thicker than 1 is continuous.
    void Text1_Change(std::string testo);
    static char Text1_KeyPress(char tasto) { return tasto == ',' ? '.' : tasto; }
    void Command4_Click(); // outline colour
    void Command5_Click(); // fill colour
    void List1_Click(int riga) { List1.List1_Click(riga); }
    void Command3_Click(const MostraCoordVert& mostra);
    void Command6_Click(const MostraCoordVert& mostra);
    void Command7_Click(const MostraCoordVert& mostra);
    // OK: the operation of the mode; false when it refused a number and the dialog stays open.
    bool Command1_Click();

    // Selects the fill code's item; a code with no item (a drawing file may
    // carry one) selects nothing and is kept in Label9.
    void scegliCampitura(std::int32_t codice);
    Rgb sfondoCampione(int k) const;
    // The preview (anteprimasuperficie) as the entity draws itself: fill code,
    // colours, border style and border width in pixels.
    struct Anteprima {
        std::int32_t campitura;
        Rgb colocampitura;
        Rgb colcont;
        std::int32_t trattcont;
        int larghezza;
    };
    Anteprima anteprima() const;

    FinestraDialogo& finestra() { return f_; }

private:
    template <class T>
    void carica(const T& e);
    std::string didascaliaVertici() const;

    FinestraDialogo f_;
};

bool set_carattGenSup(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tipoSuperficie(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tipoSuperfici(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tipoRettangolo(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tiporettangoli(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tipoCerchio(const FinestraDialogo& f, const TipoSuperficie& d);
bool set_tipoCerchi(const FinestraDialogo& f, const TipoSuperficie& d);

} // namespace tramel
