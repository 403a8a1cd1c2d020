#include "maschera.h"

#include "programma.h"

#include <QEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace tramel {

namespace {

// The maker's name and contacts.
const char* const nomeSocieta = "Studio Tramel";
const char* const sitoWeb = "www.tramel.example";
const char* const postaElettronica = "info@tramel.example";

QLabel* etichetta(QVBoxLayout& colonna, QLabel* label, int punti, bool grassetto)
{
    QFont f = label->font();
    if (punti > 0)
        f.setPointSize(punti);
    f.setBold(grassetto);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    colonna.addWidget(label);
    return label;
}

} // namespace

void EtichettaLink::mouseReleaseEvent(QMouseEvent* evento)
{
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && clic)
        clic();
}

Maschera::Maschera(Porte porte, QWidget* parent) : QFrame(parent), porte_(porte)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(40, 24, 40, 24);
    etichetta(*colonna, new QLabel(QString::fromStdString(titoloProgramma)), 28, true);
    Versione_ = etichetta(*colonna, new QLabel(QString::fromStdString("Versione " + versione())), 0, false);
    etichetta(*colonna, new QLabel(QStringLiteral("Programma per la gestione di disegni bidimensionali")), 0, false);
    etichetta(*colonna, new QLabel(QStringLiteral("Programma per Windows")), 0, false);
    colonna->addSpacing(16);
    etichetta(*colonna, new QLabel(QString::fromUtf8(nomeSocieta)), 0, true);
    sitoriv_ = new EtichettaLink(QString::fromUtf8(sitoWeb));
    EMailRiv_ = new EtichettaLink(QString::fromUtf8(postaElettronica));
    for (EtichettaLink* link : {sitoriv_, EMailRiv_}) {
        etichetta(*colonna, link, 0, false);
        link->setCursor(Qt::PointingHandCursor);
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
    }
    sitoriv_->setToolTip("Apri Pagina Web: \"" + sitoriv_->text() + "\"");
    EMailRiv_->setToolTip("Invia E-Mail a: \"" + EMailRiv_->text() + "\"");
    sitoriv_->clic = [this] { apriCollegamento(*sitoriv_, ""); };
    EMailRiv_->clic = [this] { apriCollegamento(*EMailRiv_, "mailto:"); };
    parent->installEventFilter(this);
    hide();
}

void Maschera::mostra()
{
    adjustSize();
    centra();
    show();
    raise();
}

void Maschera::centra()
{
    const QWidget* area = parentWidget();
    move((area->width() - width()) / 2, (area->height() - height()) / 2);
}

bool Maschera::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == parentWidget() && evento->type() == QEvent::Resize)
        centra();
    return QFrame::eventFilter(oggetto, evento);
}

void Maschera::apriCollegamento(const QLabel& etichetta, const std::string& prefisso)
{
    Notifier::Occupato occupato(porte_.notifier);
    const std::string didascalia = etichetta.text().toStdString();
    if (!porte_.shell.apri(prefisso + etichetta.text().trimmed().toStdString()))
        porte_.notifier.messaggio("Impossibile collegarsi con  " + didascalia, titoloProgramma, Pulsanti::Ok,
                                  Icona::Nessuna);
}

} // namespace tramel
