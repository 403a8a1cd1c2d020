#pragma once
#include "platform/ui_ports.h"

#include <QLabel>

namespace tramel {

// A link label of the about box and the start screen (`sitoriv`, `EMailRiv`):
// the maker's web page or mail address, with its tip, opened through the
// desktop on a click.
class EtichettaLink : public QLabel {
public:
    enum class Tipo { Sito, Posta };
    EtichettaLink(Porte porte, Tipo tipo, QWidget* parent = nullptr);

    // Opens the caption without its blanks (a mail address behind "mailto:");
    // when nothing opens it the user is told.
    void apri();

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;

private:
    Porte porte_;
    Tipo tipo_;
};

} // namespace tramel
