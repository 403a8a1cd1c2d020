#pragma once
#include "colors.h"
#include "dc.h"

#include <optional>
#include <string>

namespace tramel {

// Buttons and icons of a message box, and the answer it gives.
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Icona { Nessuna, Informazione, Domanda, Avviso, Errore };
enum class Risposta { Ok, Annulla, Si, No };

// Messages to the user, the beep and the busy pointer.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual Risposta messaggio(const std::string& testo, const std::string& titolo, Pulsanti pulsanti, Icona icona) = 0;
    virtual void beep() = 0;
    virtual void occupato(bool attivo) = 0;

    // The busy pointer for the life of one operation.
    class Occupato {
    public:
        explicit Occupato(Notifier& n) : n_(n) { n_.occupato(true); }
        ~Occupato() { n_.occupato(false); }
        Occupato(const Occupato&) = delete;
        Occupato& operator=(const Occupato&) = delete;

    private:
        Notifier& n_;
    };
};

// The open and save dialogs. The filter is in the classic form
// "Description (*.EXT)|*.EXT|..."; a cancel gives nothing.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual std::optional<std::string> apri(const std::string& titolo, const std::string& filtro) = 0;
    virtual std::optional<std::string> salva(const std::string& titolo, const std::string& filtro, const std::string& nome) = 0;
};

// The colour dialog; a cancel gives nothing.
class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    virtual std::optional<Rgb> scegli(Rgb iniziale) = 0;
};

// A font as the font dialog shows it, with the colour of its effects.
struct SceltaCarattere {
    std::string nome;
    float dimensione = 8.25f; // points
    bool grassetto = false;
    bool corsivo = false;
    bool barrato = false;
    bool sottolineato = false;
    Rgb colore = 0;
    bool operator==(const SceltaCarattere&) const = default;
};

// The font dialog (screen and printer fonts, with strike-out, underline and
// colour); a cancel gives nothing.
class FontChooser {
public:
    virtual ~FontChooser() = default;
    virtual std::optional<SceltaCarattere> scegli(const SceltaCarattere& iniziale) = 0;
};

// Opens a web page or a mail link; false when nothing could open it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool apri(const std::string& indirizzo) = 0;
};

// A monotonic clock in seconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondi() const = 0;
};

// The printer, shared by every window: one page per document, drawn in
// device pixels from the top-left corner of the page's printable area. With
// no printer installed the output goes to a PDF file.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;
    // The printable area in millimetres, and the resolution in dots per inch.
    virtual double larghezzaMm() const = 0;
    virtual double altezzaMm() const = 0;
    virtual int risoluzione() const = 0;
    // Whether the output goes to a PDF file, and the file's path ("" while
    // none is chosen) or the printer's name.
    virtual bool suFile() const = 0;
    virtual std::string nome() const = 0;
    virtual void file(const std::string& percorso) = 0;
    // Opens the document and its page: the device context to draw on, or
    // null when the printer or the file cannot be opened.
    virtual Dc* inizia() = 0;
    // Ends the document, which sends the page; false on a printer error.
    virtual bool termina() = 0;
    // The printer set-up (printer, paper, orientation); false when cancelled.
    virtual bool imposta() = 0;
};

// The ports a drawing window reaches the user through.
struct Porte {
    Notifier& notifier;
    FileChooser& files;
    ColorChooser& colori;
    FontChooser& caratteri;
    Shell& shell;
    Clock& clock;
    PrintDevice& stampante;
};

} // namespace tramel
