#pragma once
#include "platform/ui_ports.h"

#include <QFrame>
#include <QLabel>

#include <functional>
#include <string>

namespace tramel {

// A label that acts on a click, for the web and mail links.
class EtichettaLink : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clic;

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

// The start screen (`maschera`), shown in the frame while no drawing is open:
// the program's title and version, and the maker's name, web page and mail.
class Maschera : public QFrame {
public:
    Maschera(Porte porte, QWidget* parent);

    // Shows it centred on the frame's drawing area.
    void mostra();

    QLabel& Versione() { return *Versione_; }
    EtichettaLink& sitoriv() { return *sitoriv_; }
    EtichettaLink& EMailRiv() { return *EMailRiv_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void apriCollegamento(const QLabel& etichetta, const std::string& prefisso);
    void centra();

    Porte porte_;
    QLabel* Versione_ = nullptr;
    EtichettaLink* sitoriv_ = nullptr;
    EtichettaLink* EMailRiv_ = nullptr;
};

} // namespace tramel
