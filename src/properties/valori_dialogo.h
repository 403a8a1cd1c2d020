#pragma once
#include "passaggio_dialogo.h"

#include "entities/disegno.h"
#include "geometry/trasforma_entita.h"
#include "platform/colors.h"
#include "platform/numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tramel {

// The caption of a value the selected entities differ in.
inline constexpr std::string_view VARI = "Vari";

// A value a dialog carries in a hidden label: empty while the label reads
// "Vari" (the selected entities differ and the user chose nothing), and shown
// only then. Read as a number, "Vari" is 0.
template <class T>
struct Portatore {
    std::optional<T> valore;
    bool visibile = false;

    bool vari() const { return !valore; }
    T numero() const { return valore.value_or(T{}); }
    // A chosen value hides the label.
    void imposta(T v)
    {
        valore = v;
        visibile = false;
    }
    void mostraVari()
    {
        valore.reset();
        visibile = true;
    }
};

// The style swatches: swatch k shows style k - 1, swatch 0 the invisible style 5.
inline constexpr std::array<std::string_view, 6> suggerimentiCampioni{
    "Trasparente", "Linea Continua", "Tratteggiato", "Punteggiato", "Tratto-Punto", "Tratto-Punto-Punto"};
constexpr int campioneDi(std::int32_t stile) { return stile == 5 ? 0 : stile + 1; }
constexpr std::int32_t stileDi(int campione) { return campione == 0 ? 5 : campione - 1; }
// Chooses swatch k: the style carrier takes it and the frame's caption names it.
void scegliCampione(Portatore<int>& Label8, std::string& Frame3, int k);

// The text without its leading and trailing blanks.
std::string senzaSpazi(const std::string& t);

// A number in its plain text with "." as decimal point and a "0" before the
// point below 1: 8.25 gives "8.25", 0.5 "0.5", 10 "10".
std::string testoNumero(float v);
// A thickness in tenths as the boxes show it: divided by 10 in single
// precision, "." as decimal point, a "0" before the point below 1 (5 gives
// "0.5", 0 gives "0", 25 gives "2.5").
std::string testoSpessore(double decimi);
// The plain number text of the same value, without a leading zero (5 gives ".5").
std::string testoSpessoreSemplice(double decimi);

// The thickness box at OK, when the user typed in it (digitato): a number of
// at least 0 whose tenths fit a Single, and a Long for the defaults (intero);
// otherwise the refusal and false. What the load wrote is not checked.
bool spessoreValido(const FinestraDialogo& f, bool digitato, const std::string& testo, bool intero);

// The vertices 1 to vertic of a polyline, surface or rectangle.
std::vector<Punto> puntiDi(const ListaVertici& e);

// A copy of e with the vertices of the rows (punti) and its measures computed
// anew (misura), when they differ from e's own; otherwise e as it is. Nothing,
// after the refusal, when a row is no number or the new entity does not fit
// its fields.
template <class T, class M>
std::optional<T> conRighe(const FinestraDialogo& f, const T& e, const std::optional<std::vector<Punto>>& punti,
                          M misura)
{
    T nuovo = e;
    const bool cambiati = punti && *punti != puntiDi(e);
    if (cambiati) {
        nuovo.vertici(*punti);
        misura(nuovo);
    }
    if (!punti || (cambiati && !finita(nuovo))) {
        rifiuta(f.porte.notifier, msgCoordinate);
        return std::nullopt;
    }
    return nuovo;
}

// The entity of kind T that a dialog's current-entity variant holds, or nothing.
template <class T, class V>
T* corrente(const V& oggetto)
{
    T* const* e = std::get_if<T*>(&oggetto);
    return e ? *e : nullptr;
}

// f(entity) for every selected entity of the collection, in order.
template <class T, class F>
void perOgniSelezionato(Collezione<T>& c, F f)
{
    for (int k = 1; k <= c.Count(); ++k)
        if (c.Item(k).stato == STATO_SELEZIONATO)
            f(c.Item(k));
}

// Sets a property when there is a value for it.
template <class A, class B>
void imposta(A& campo, const std::optional<B>& v)
{
    if (v)
        campo = *v;
}

// A coordinate as a box or a vertex row shows it, with the value it was loaded
// from: a text the user did not change gives that value back exactly, so an
// OK that edits nothing moves nothing.
struct Coordinata {
    std::string testo;
    std::string caricato;
    double esatto = 0;

    static Coordinata di(double v, std::string testo) { return {testo, testo, v}; }
    std::optional<double> valore(const NumberFormat& formato) const;
};

// A coordinate in a box: "##0.000" in the user's format.
Coordinata casellaCoordinata(const NumberFormat& formato, double v);
// A vertex row: the same, right-aligned in 10 characters.
Coordinata rigaCoordinata(const NumberFormat& formato, double v);
// Right-aligns a text in 10 characters; a longer one is kept whole.
std::string allineaDestra(std::string testo);

} // namespace tramel
