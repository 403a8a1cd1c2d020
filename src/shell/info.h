#pragma once
#include "collegamento.h"

#include <QDialog>

class QPushButton;

namespace tramel {

class Immagine;

// The about box (`info`): the program's title, version, description and icon,
// the maker's logo, data and links, a credit line, and the button that starts
// the system-information tool.
class Info : public QDialog {
public:
    Info(Porte porte, QWidget* parent = nullptr);

    // Starts the system-information tool, or tells that there is none.
    void StartSysInfo();

    QLabel& lblVersion() { return *lblVersion_; }
    QLabel& lblDescription() { return *lblDescription_; }
    QLabel& datiriv() { return *datiriv_; }
    Immagine& picIcon() { return *picIcon_; }
    Immagine& Picture1() { return *Picture1_; }
    EtichettaLink& sitoriv() { return *sitoriv_; }
    EtichettaLink& EMailRiv() { return *EMailRiv_; }
    QPushButton& cmdOK() { return *cmdOK_; }
    QPushButton& cmdSysInfo() { return *cmdSysInfo_; }

protected:
    // The title over the version and the credit line, each with its shadow.
    void paintEvent(QPaintEvent* evento) override;

private:
    // Twips, the unit the box is laid out in, as pixels of this screen.
    int tw(double twips) const;
    void posa(QWidget& w, double x, double y, double larghezza, double altezza) const;
    void scriviOmbreggiato(QPainter& p, const QString& testo, int punti, int x, int y) const;

    Porte porte_;
    QLabel* lblVersion_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* datiriv_ = nullptr;
    Immagine* picIcon_ = nullptr;
    Immagine* Picture1_ = nullptr;
    EtichettaLink* sitoriv_ = nullptr;
    EtichettaLink* EMailRiv_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

} // namespace tramel
