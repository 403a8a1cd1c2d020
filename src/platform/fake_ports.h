#pragma once
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

// One set of fakes, handed out as the ports.
struct FakePorte {
    FakeNotifier notifier;
    FakeFileChooser files;
    FakeColorChooser colori;
    FakeFontChooser caratteri;
    FakeShell shell;
    FakeClock clock;
    Porte porte() { return {notifier, files, colori, caratteri, shell, clock}; }
};

} // namespace tramel
