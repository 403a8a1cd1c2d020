#pragma once
#include "valori_dialogo.h"

#include "entities/punto.h"
#include "platform/ui_ports.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tramel {

class CoordVert;
using MostraCoordVert = std::function<void(CoordVert&)>;

// One row of the vertex columns: X in List1(0), Y in List1(1).
struct RigaVertice {
    Coordinata x;
    Coordinata y;
};

// The vertex columns of a property dialog, their one selected row, and the
// buttons "Modifica" (Command3), "Inserisci" (Command6) and "Elimina"
// (Command7), which edit the rows through the vertex box.
class ColonneVertici {
public:
    static constexpr std::string_view primaDelPrimo = "Inserisci Vertice Prima del N. 1";
    static constexpr std::string_view dopoIl = "Inserisci Vertice dopo il N.";

    ColonneVertici(Notifier& notifier, NumberFormat formato) : notifier_(notifier), formato_(std::move(formato)) {}

    std::vector<RigaVertice> righe;
    int selezionata = -1;
    bool Command3 = false; // enabled
    bool Command7 = false;
    std::string tooltip6{primaDelPrimo};

    // A click on a row of either column (-1: none) selects it in both.
    void List1_Click(int riga);
    // didascalia: the vertex box's caption, which names whose rows it edits
    // ("Coordinate Vertici Polilinea", "...Superficie", "...Rettangolo", or the
    // circle dialog's own caption). Without a selected row Modifica and
    // Elimina beep and disable themselves.
    void Command3_Click(const std::string& didascalia, const MostraCoordVert& mostra);
    void Command6_Click(const std::string& didascalia, const MostraCoordVert& mostra);
    void Command7_Click(const std::string& didascalia, const MostraCoordVert& mostra);

    // The rows as numbers, X and Y; nothing when one is not a number.
    std::optional<std::vector<Punto>> punti() const;

private:
    friend class CoordVert;
    CoordVert box(const std::string& didascalia);
    bool rigaScelta(bool& pulsante);
    void limitaElimina();

    Notifier& notifier_;
    NumberFormat formato_;
};

// The vertex box: one pair of coordinates that changes, inserts or deletes a
// row of its owner's columns. The owner sets the captions and the boxes.
class CoordVert {
public:
    static constexpr std::string_view didascaliaCerchio = "Proprietà Cerchio Selezionato";
    static constexpr std::string_view modifica = "Registra Modifica";
    static constexpr std::string_view elimina = "Conferma Elimina";
    static constexpr std::string_view inserisci = "Registra";

    explicit CoordVert(ColonneVertici& proprietario) : colonne_(proprietario) {}

    std::string caption = "Coordinate Vertice";
    std::string Frame4 = "Coordinate vertice N.i";
    std::string Label11 = "X =";
    std::string Label10 = "Y =";
    std::string Text1;
    std::string Text2;
    bool Text1Visibile = true;   // with Label11
    bool caselleAbilitate = true;
    std::string Command1{inserisci};

    // A typed "." or "," becomes the user's decimal separator.
    std::string Text_KeyPress(char tasto) const;
    // The action: false while a box holds no number (beep and message, the
    // box stays open); otherwise the owner's rows change and the box closes.
    bool Command1_Click();

private:
    std::optional<double> leggi(const std::string& testo) const;

    ColonneVertici& colonne_;
};

} // namespace tramel
