#include "command_engine.h"

#include "platform/numbers.h"
#include "platform/palette.h"

#include <algorithm>
#include <array>
#include <map>

namespace tramel {

namespace {

constexpr int BIANCO = 15;
constexpr int GRIGIO = 7;

// The edit commands that start with a selection in the user's mode.
bool comandoSelezione(const std::string& nome)
{
    static const std::array<std::string, 6> nomi = {"Cancella", "Sposta", "Copia",
                                                    "Ruota", "Proprietà Oggetto", "Specchio"};
    return std::find(nomi.begin(), nomi.end(), nome) != nomi.end();
}

// The prompt of the next vertex of a polyline or a surface.
std::string prossimoVertice(std::int16_t vertici)
{
    return " " + strNumero(static_cast<double>(vertici) + 1) + "° Vertice";
}

// The question that confirms a selection; nothing for "Stira", which keeps its prompt.
const std::string* conferma(const std::string& nome)
{
    struct Regola {
        std::string nome;
        bool prefisso; // the name only has to start with it
        std::string testo;
    };
    static const std::array<Regola, 6> regole = {{
        {"Cancella", true, "Conferma Cancella"},
        {"Spost", true, "Conferma Oggetti da Spostare"},
        {"Copia", true, "Conferma Oggetti da Copiare"},
        {"Proprietà Oggetto", true, "Conferma Selezione"},
        {"Specchio", false, "Conferma Specchio"},
        {"Ruota", false, "Conferma Oggetti da Ruotare"},
    }};
    for (const Regola& r : regole)
        if (r.prefisso ? nome.starts_with(r.nome) : nome == r.nome)
            return &r.testo;
    return nullptr;
}

} // namespace

void CommandEngine::casella(int n, bool abilitata)
{
    riga_.Text[n].abilitata = abilitata;
    riga_.Text[n].colore = abilitata ? BIANCO : GRIGIO;
}

void CommandEngine::scrivilabel1()
{
    casella(1, true);
    const std::string nome = s_.corrente().nome();
    if (zoomImmediato(nome)) {
        eseguicomando(s_.numcomando);
    } else {
        primoPrompt(nome);
        s_.passocomando = 0;
    }
    for (int n : {5, 6, 7})
        riga_.Text[n].testo.clear();
    if (riga_.Text[1].abilitata && riga_.Picture2visibile)
        riga_.fuoco = 1;
    riga_.notifica();
}

void CommandEngine::primoPrompt(const std::string& nome)
{
    static const std::map<std::string, std::string> semplici = {
        {"Linea", " Linea_Dal Punto: "},
        {"Distanza-Angolo", " Distanza-Angolo_Dal Punto: "},
        {"Cerchio", " Cerchio_Centro: "},
        {"Arco", " Arco_Primo Punto(P.Iniziale): "},
        {"Superficie", " Superficie: 1° Vertice  "},
        {"Polilinea", " Polilinea: 1° Vertice  "},
        {"Rettangolo", " Rettangolo: Primo Punto: "},
        {"Testo", "Testo _ Punto Iniziale:"},
        {"Selstamp", " Selez.Finestra - Primo Punto:"},
    };
    if (nome.empty()) {
        riga_.Label1 = "Comando: ";
        riga_.Label2.clear();
        for (int n : {1, 2}) {
            riga_.Text[n].testo.clear();
            casella(n, false);
        }
    } else if (const auto it = semplici.find(nome); it != semplici.end()) {
        riga_.Label1 = it->second;
        // A new entity of these kinds starts without vertices.
        if (nome == "Superficie")
            s_.ogg.oggsuperficie->vertic(0);
        else if (nome == "Polilinea")
            s_.ogg.oggpolilinea->vertic(0);
        else if (nome == "Rettangolo")
            s_.ogg.oggrettangolo->vertic(0);
        else if (nome == "Selstamp")
            s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
    } else if (nome == "Zoom Area") {
        // The apostrophe marks a zoom inside another command.
        riga_.Label1 = s_.comasospeso.nome().empty() ? " Zoom_Primo punto: " : "' Zoom_Primo punto: ";
    } else if (nome == "Stira") {
        // The stretch always selects by crossing window.
        s_.numselez = 0;
        s_.modoselez = "Inters";
        riga_.Label1 = " Stira _ Primo Punto:";
        s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
    } else if (comandoSelezione(nome)) {
        promptSelezione(nome);
    }
}

void CommandEngine::promptSelezione(const std::string& nome)
{
    s_.numselez = 0;
    if (s_.modoselez == "Ogget") {
        riga_.Label1 = nome + " _ Selez. Oggetto: ";
        s_.overlay.Shape2.visibile = true;
        s_.overlay.Shape2.colore = Palette::color(s_.colanteprima.toInt16());
    } else {
        riga_.Label1 = nome + " (" + s_.modoselez.substr(0, 1) + ") _ Primo Punto:";
        s_.overlay.Shape1.forma = FormaOverlay::Rettangolo;
    }
}

void CommandEngine::scrivilabel2()
{
    casella(1, false);
    casella(2, true);
    const std::string nome = s_.corrente().nome();
    if (nome == "Linea" || nome == "Distanza-Angolo")
        riga_.Label2 = "Al Punto: ";
    else if (nome == "Cerchio")
        riga_.Label2 = "Raggio: ";
    else if (nome == "Zoom Area" || nome == "Cancella" || nome == "Rettangolo")
        riga_.Label2 = "Secondo Punto: ";
    else if (nome == "Superficie")
        riga_.Label2 = prossimoVertice(s_.ogg.oggsuperficie->vertic());
    else if (nome == "Polilinea")
        riga_.Label2 = prossimoVertice(s_.ogg.oggpolilinea->vertic());
    else if (nome == "Arco")
        riga_.Label2 = s_.passocomando == 1 ? " Arco_Secondo Punto(P.Finale): " : " Arco_Terzo Punto: ";
    riga_.notifica();
}

void CommandEngine::scrivitrov()
{
    if (s_.numselez == 0) {
        porte_.notifier.beep();
        riga_.Text[1].testo = "Nessun Oggetto selezionato";
        riga_.Text[2].testo.clear();
        casella(2, false);
        riga_.Label2.clear();
        riga_.notifica();
        return;
    }
    riga_.Text[1].testo = "<" + std::to_string(s_.numselez) +
                          (s_.numselez == 1 ? "> Oggetto Selezionato" : "> Oggetti Selezionati");
    if (const std::string* domanda = conferma(s_.corrente().nome()))
        riga_.Label2 = *domanda;
    casella(2, true);
    riga_.Text[2].testo = "<Invio> oppure <Clic Pulsante destro>    - <Esc> Annulla";
    riga_.notifica();
}

} // namespace tramel
