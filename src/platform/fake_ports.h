#pragma once
#include "recording_dc.h"
#include "ui_ports.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace tramel {

// Scripted stand-ins for the user: answers are taken in order from queues
// (a message box with no scripted answer gives its first button), and every
// message and beep is recorded for tests to read.
class FakeNotifier : public Notifier {
public:
    struct Messaggio {
        std::string testo;
        std::string titolo;
        Pulsanti pulsanti;
    };
    std::deque<Risposta> risposte;
    std::vector<Messaggio> messaggi;
    int beeps = 0;
    int occupatoLivello = 0;

    Risposta messaggio(const std::string& testo, const std::string& titolo, Pulsanti pulsanti, Icona) override
    {
        messaggi.push_back({testo, titolo, pulsanti});
        if (!risposte.empty()) {
            const Risposta r = risposte.front();
            risposte.pop_front();
            return r;
        }
        switch (pulsanti) {
        case Pulsanti::SiNo:
        case Pulsanti::SiNoAnnulla:
            return Risposta::Si;
        default:
            return Risposta::Ok;
        }
    }
    void beep() override { ++beeps; }
    void occupato(bool attivo) override { occupatoLivello += attivo ? 1 : -1; }
};

class FakeFileChooser : public FileChooser {
public:
    std::deque<std::optional<std::string>> scelte; // an empty queue answers as a cancel
    int aperture = 0;
    // The filter and the name each save dialog was shown with.
    std::vector<std::pair<std::string, std::string>> salvataggi;

    std::optional<std::string> apri(const std::string&, const std::string&) override { return prossima(); }
    std::optional<std::string> salva(const std::string&, const std::string& filtro, const std::string& nome) override
    {
        salvataggi.emplace_back(filtro, nome);
        return prossima();
    }

private:
    std::optional<std::string> prossima()
    {
        ++aperture;
        if (scelte.empty())
            return std::nullopt;
        auto s = scelte.front();
        scelte.pop_front();
        return s;
    }
};

class FakeColorChooser : public ColorChooser {
public:
    std::deque<std::optional<Rgb>> scelte;
    std::optional<Rgb> scegli(Rgb) override
    {
        if (scelte.empty())
            return std::nullopt;
        auto s = scelte.front();
        scelte.pop_front();
        return s;
    }
};

class FakeFontChooser : public FontChooser {
public:
    std::deque<std::optional<SceltaCarattere>> scelte; // an empty queue answers as a cancel
    std::vector<SceltaCarattere> iniziali;              // what each call was shown
    std::optional<SceltaCarattere> scegli(const SceltaCarattere& iniziale) override
    {
        iniziali.push_back(iniziale);
        if (scelte.empty())
            return std::nullopt;
        auto s = scelte.front();
        scelte.pop_front();
        return s;
    }
};

class FakeShell : public Shell {
public:
    std::vector<std::string> aperti;
    bool riesce = true;
    bool apri(const std::string& indirizzo) override
    {
        aperti.push_back(indirizzo);
        return riesce;
    }
};

class FakeClock : public Clock {
public:
    double adesso = 0;
    double secondi() const override { return adesso; }
};

// A printer that records the page it is given: A4 with margins of 10 mm at
// 600 dpi unless a test says otherwise.
class FakePrintDevice : public PrintDevice {
public:
    double larghezza = 190, altezza = 277;
    int dpi = 600;
    bool pdf = false;
    std::string stampante = "Stampante di prova";
    std::string percorso;       // the PDF file, when pdf
    bool iniziaFallisce = false;
    bool terminaFallisce = false;
    bool impostaAccettata = true;
    RecordingDc pagina;         // what the last document drew
    int documenti = 0;          // documents ended
    int impostazioni = 0;       // set-up dialogs shown

    double larghezzaMm() const override { return larghezza; }
    double altezzaMm() const override { return altezza; }
    int risoluzione() const override { return dpi; }
    bool suFile() const override { return pdf; }
    std::string nome() const override { return pdf ? percorso : stampante; }
    void file(const std::string& p) override { percorso = p; }
    Dc* inizia() override
    {
        if (iniziaFallisce)
            return nullptr;
        pagina = RecordingDc{};
        return &pagina;
    }
    bool termina() override
    {
        ++documenti;
        return !terminaFallisce;
    }
    bool imposta() override
    {
        ++impostazioni;
        return impostaAccettata;
    }
};

// One set of fakes, handed out as the ports.
struct FakePorte {
    FakeNotifier notifier;
    FakeFileChooser files;
    FakeColorChooser colori;
    FakeFontChooser caratteri;
    FakeShell shell;
    FakeClock clock;
    FakePrintDevice stampante;
    Porte porte() { return {notifier, files, colori, caratteri, shell, clock, stampante}; }
};

} // namespace tramel
