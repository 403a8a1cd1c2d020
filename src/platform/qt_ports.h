#pragma once
#include "ui_ports.h"

#include "qt_dc.h"

#include <QElapsedTimer>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace tramel {

// The classic filter "Disegni (*.DIS)|*.DIS|Tutti (*.*)|*.*" in Qt's form
// "Disegni (*.DIS *.dis);;Tutti (*)": one entry per description and pattern
// pair, each pattern also in lower case (file names are case-sensitive here),
// and "*.*" as "*", so that names without a dot are listed too.
QString filtroQt(const std::string& filtro);

// Message boxes, the beep and the busy pointer of the application.
class QtNotifier : public Notifier {
public:
    Risposta messaggio(const std::string& testo, const std::string& titolo, Pulsanti pulsanti, Icona icona) override;
    void beep() override;
    void occupato(bool attivo) override;
};

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> apri(const std::string& titolo, const std::string& filtro) override;
    std::optional<std::string> salva(const std::string& titolo, const std::string& filtro, const std::string& nome) override;
};

class QtColorChooser : public ColorChooser {
public:
    std::optional<Rgb> scegli(Rgb iniziale) override;
};

// Helpers of the dialogs over Qt: a UTF-8 text as a QString, a widget given
// the name of its control, the Qt font of a font selection.
QString qs(std::string_view testo);
template <class W>
W* nominato(W* w, const char* nome)
{
    w->setObjectName(nome);
    return w;
}
QFont qtFontDi(const SceltaCarattere& c);

// The font dialog, with the 16 palette colours for the text colour; a colour
// outside them is kept unless another is chosen.
class QtFontChooser : public FontChooser {
public:
    explicit QtFontChooser(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<SceltaCarattere> scegli(const SceltaCarattere& iniziale) override;

private:
    QWidget* parent_;
};

// Opens web pages and mail links with the desktop's programs.
class QtShell : public Shell {
public:
    bool apri(const std::string& indirizzo) override;
};

class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }
    double secondi() const override;

private:
    QElapsedTimer timer_;
};

// The one printer of the program, at its own resolution (high resolution);
// with no printer installed Qt prints into a PDF file, at 600 dpi.
class QtPrintDevice : public PrintDevice {
public:
    QtPrintDevice();
    QPrinter& printer() { return printer_; }

    double larghezzaMm() const override;
    double altezzaMm() const override;
    int risoluzione() const override;
    bool suFile() const override;
    std::string nome() const override;
    void file(const std::string& percorso) override;
    Dc* inizia() override;
    bool termina() override;
    bool imposta() override;

private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    std::optional<QtDc> dc_;
};

// The ports of the running program.
struct QtPorte {
    QtNotifier notifier;
    QtFileChooser files;
    QtColorChooser colori;
    QtFontChooser caratteri;
    QtShell shell;
    QtClock clock;
    QtPrintDevice stampante;
    Porte porte() { return {notifier, files, colori, caratteri, shell, clock, stampante}; }
};

} // namespace tramel
