#include "collegamento.h"

#include "programma.h"

#include <QMouseEvent>

namespace tramel {

EtichettaLink::EtichettaLink(Porte porte, Tipo tipo, QWidget* parent) : QLabel(parent), porte_(porte), tipo_(tipo)
{
    const bool sito = tipo == Tipo::Sito;
    setText(QString::fromStdString(sito ? sitoWeb : postaElettronica).trimmed());
    setToolTip((sito ? "Apri Pagina Web: \"" : "Invia E-Mail a: \"") + text() + "\"");
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void EtichettaLink::mouseReleaseEvent(QMouseEvent* evento)
{
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton)
        apri();
}

void EtichettaLink::apri()
{
    Notifier::Occupato occupato(porte_.notifier);
    const std::string didascalia = text().toStdString();
    const std::string prefisso = tipo_ == Tipo::Posta ? "mailto:" : "";
    if (!porte_.shell.apri(prefisso + text().trimmed().toStdString()))
        porte_.notifier.messaggio("Impossibile collegarsi con  " + didascalia, titoloProgramma, Pulsanti::Ok,
                                  Icona::Nessuna);
}

} // namespace tramel
