#include "maschera.h"

#include "icone.h"
#include "programma.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tramel {

namespace {

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

Maschera::Maschera(Porte porte, QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* riga = new QHBoxLayout(this);
    riga->setContentsMargins(24, 24, 24, 24);
    riga->setSpacing(24);
    Picture1_ = new Immagine(logoSocieta(), 64);
    Picture2_ = new Immagine(iconaProgramma(), 64);
    auto* colonna = new QVBoxLayout;
    riga->addWidget(Picture1_, 0, Qt::AlignTop);
    riga->addLayout(colonna);
    riga->addWidget(Picture2_, 0, Qt::AlignTop);
    etichetta(*colonna, new QLabel(QString::fromStdString(titoloProgramma)), 28, true);
    Versione_ = etichetta(*colonna, new QLabel(QString::fromStdString("Versione " + versione())), 0, false);
    etichetta(*colonna, new QLabel(QStringLiteral("Programma per la gestione di disegni bidimensionali")), 0, false);
    etichetta(*colonna, new QLabel(QStringLiteral("Programma per Windows")), 0, false);
    colonna->addSpacing(16);
    etichetta(*colonna, new QLabel(QString::fromStdString(nomeSocieta)), 0, true);
    sitoriv_ = new EtichettaLink(porte, EtichettaLink::Tipo::Sito);
    EMailRiv_ = new EtichettaLink(porte, EtichettaLink::Tipo::Posta);
    etichetta(*colonna, sitoriv_, 0, false);
    etichetta(*colonna, EMailRiv_, 0, false);
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

} // namespace tramel
