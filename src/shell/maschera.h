#pragma once
#include "collegamento.h"

#include <QFrame>

namespace tramel {

class Immagine;

// The start screen (`maschera`), shown in the frame while no drawing is open:
// the program's title and version, the maker's name, logo, web page and mail,
// and a fixed picture.
class Maschera : public QFrame {
public:
    Maschera(Porte porte, QWidget* parent);

    // Shows it centred on the frame's drawing area.
    void mostra();

    QLabel& Versione() { return *Versione_; }
    Immagine& Picture1() { return *Picture1_; }
    Immagine& Picture2() { return *Picture2_; }
    EtichettaLink& sitoriv() { return *sitoriv_; }
    EtichettaLink& EMailRiv() { return *EMailRiv_; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void centra();

    QLabel* Versione_ = nullptr;
    Immagine* Picture1_ = nullptr;
    Immagine* Picture2_ = nullptr;
    EtichettaLink* sitoriv_ = nullptr;
    EtichettaLink* EMailRiv_ = nullptr;
};

} // namespace tramel
