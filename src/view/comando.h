#pragma once
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace tramel {

// The commands of a drawing window. The command record keeps the name as
// text (the log and the drawing file hold it so); the engine decodes it once
// with `comando` and reads the command's row of the table.
enum class Comando {
    Nessuno, // blank name: no command runs
    Linea,
    Cerchio,
    Arco,
    Testo,
    Polilinea,
    Superficie,
    Rettangolo,
    DistanzaAngolo,
    ZoomArea,
    ZoomTutto,
    ZoomPrec,
    ZoomPercento,
    ZoomDinamico,
    Cancella,
    Sposta,
    Copia,
    Ruota,
    Specchio,
    Stira,
    ProprietaOggetto,
    Selstamp,
    Sconosciuto, // a name that is no command
};

// How a command takes its input.
enum class Famiglia {
    Nessuna,  // no command, or a name that is none
    Disegno,  // points that make an entity
    Misura,   // two points measured
    Zoom,     // a change of view
    Modifica, // a selection, then the edit
    Stampa,   // the print window
};

// When the object snap leaves a click where it is.
enum class SaltaSnap {
    Mai,
    Sempre,
    InSelezione, // while the selection is made: step 0, and step 1 of a selection window
};

struct DatiComando {
    Comando comando;
    std::string_view nome;
    Famiglia famiglia;
    int voce;                       // the item of its menu (Disegna, Visualizza, Edita) that starts it; 0 none
    std::string_view primoPrompt;   // the first prompt; empty when the selection mode makes it, or none
    std::string_view secondoPrompt; // the prompt after the first point; empty when worked out, or unchanged
    std::string_view conferma;      // the question that confirms a selection; empty: the prompt stays
    bool immediato;                 // needs no input: its prompt completes it at once
    SaltaSnap saltaSnap;
};

// One row a command, in the order of `Comando`.
inline constexpr std::array<DatiComando, static_cast<std::size_t>(Comando::Sconosciuto) + 1> COMANDI{{
    {Comando::Nessuno, "", Famiglia::Nessuna, 0, "Comando: ", "", "", false, SaltaSnap::Sempre},
    {Comando::Linea, "Linea", Famiglia::Disegno, 1, " Linea_Dal Punto: ", "Al Punto: ", "", false, SaltaSnap::Mai},
    {Comando::Cerchio, "Cerchio", Famiglia::Disegno, 2, " Cerchio_Centro: ", "Raggio: ", "", false, SaltaSnap::Mai},
    {Comando::Arco, "Arco", Famiglia::Disegno, 3, " Arco_Primo Punto(P.Iniziale): ", "", "", false, SaltaSnap::Mai},
    {Comando::Testo, "Testo", Famiglia::Disegno, 4, "Testo _ Punto Iniziale:", "", "", false, SaltaSnap::Mai},
    {Comando::Polilinea, "Polilinea", Famiglia::Disegno, 5, " Polilinea: 1° Vertice  ", "", "", false,
     SaltaSnap::Mai},
    {Comando::Superficie, "Superficie", Famiglia::Disegno, 6, " Superficie: 1° Vertice  ", "", "", false,
     SaltaSnap::Mai},
    {Comando::Rettangolo, "Rettangolo", Famiglia::Disegno, 7, " Rettangolo: Primo Punto: ", "Secondo Punto: ", "",
     false, SaltaSnap::Sempre},
    {Comando::DistanzaAngolo, "Distanza-Angolo", Famiglia::Misura, 0, " Distanza-Angolo_Dal Punto: ", "Al Punto: ",
     "", false, SaltaSnap::Mai},
    {Comando::ZoomArea, "Zoom Area", Famiglia::Zoom, 1, " Zoom_Primo punto: ", "Secondo Punto: ", "", false,
     SaltaSnap::Sempre},
    {Comando::ZoomTutto, "Zoom Tutto", Famiglia::Zoom, 2, "", "", "", true, SaltaSnap::Sempre},
    {Comando::ZoomPrec, "Zoom Prec.", Famiglia::Zoom, 3, "", "", "", true, SaltaSnap::Sempre},
    {Comando::ZoomPercento, "Zoom %", Famiglia::Zoom, 4, "", "", "", true, SaltaSnap::Sempre},
    // The pan of the scroll bars: a name for the log, never a command the user starts.
    {Comando::ZoomDinamico, "Zoom Dinamico", Famiglia::Zoom, 0, "", "", "", false, SaltaSnap::Sempre},
    {Comando::Cancella, "Cancella", Famiglia::Modifica, 3, "", "Secondo Punto: ", "Conferma Cancella", false,
     SaltaSnap::Sempre},
    {Comando::Sposta, "Sposta", Famiglia::Modifica, 4, "", "", "Conferma Oggetti da Spostare", false,
     SaltaSnap::InSelezione},
    {Comando::Copia, "Copia", Famiglia::Modifica, 5, "", "", "Conferma Oggetti da Copiare", false,
     SaltaSnap::InSelezione},
    {Comando::Ruota, "Ruota", Famiglia::Modifica, 6, "", "", "Conferma Oggetti da Ruotare", false,
     SaltaSnap::InSelezione},
    {Comando::Specchio, "Specchio", Famiglia::Modifica, 7, "", "", "Conferma Specchio", false,
     SaltaSnap::InSelezione},
    // The stretch always selects by a crossing window.
    {Comando::Stira, "Stira", Famiglia::Modifica, 8, " Stira _ Primo Punto:", "", "", false, SaltaSnap::InSelezione},
    {Comando::ProprietaOggetto, "Proprietà Oggetto", Famiglia::Modifica, 9, "", "", "Conferma Selezione", false,
     SaltaSnap::Sempre},
    {Comando::Selstamp, "Selstamp", Famiglia::Stampa, 0, " Selez.Finestra - Primo Punto:", "", "", false,
     SaltaSnap::Mai},
    {Comando::Sconosciuto, "", Famiglia::Nessuna, 0, "", "", "", false, SaltaSnap::Mai},
}};

// The row of a command.
constexpr const DatiComando& dati(Comando c)
{
    return COMANDI[static_cast<std::size_t>(c)];
}

// Whether c is one of the commands listed.
constexpr bool unoDi(Comando c, std::initializer_list<Comando> lista)
{
    for (Comando x : lista)
        if (x == c)
            return true;
    return false;
}

// The command that item `voce` of a menu starts (the Disegna items by the
// drawing commands' voce, Visualizza by the zooms', Edita by the edits'), or
// none.
constexpr const DatiComando* perVoce(Famiglia famiglia, int voce)
{
    for (const DatiComando& d : COMANDI)
        if (d.famiglia == famiglia && d.voce == voce && voce != 0)
            return &d;
    return nullptr;
}

// The command a trimmed name stands for: Nessuno for the empty name,
// Sconosciuto for any name that is no command (the case and the blanks count).
Comando comando(std::string_view nome);

} // namespace tramel
