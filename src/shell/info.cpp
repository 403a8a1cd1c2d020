#include "info.h"

#include "icone.h"
#include "programma.h"

#include "platform/palette.h"
#include "platform/qt_dc.h"

#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace tramel {

namespace {

// The box's size, in twips.
constexpr double LARGHEZZA = 6600;
constexpr double ALTEZZA = 4900;

} // namespace

Info::Info(Porte porte, QWidget* parent) : QDialog(parent), porte_(porte)
{
    setWindowTitle(QString::fromStdString("Informazioni su: " + titoloProgramma));
    setModal(true);
    setFixedSize(tw(LARGHEZZA), tw(ALTEZZA));

    picIcon_ = new Immagine(iconaProgramma(), tw(720), this);
    posa(*picIcon_, 240, 240, 720, 720);
    Picture1_ = new Immagine(logoSocieta(), tw(720), this);
    posa(*Picture1_, LARGHEZZA - 960, 240, 720, 720);

    const auto etichetta = [this](const std::string& testo, double x, double y, double altezza) {
        auto* label = new QLabel(QString::fromStdString(testo), this);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        posa(*label, x, y, LARGHEZZA - 2 * x, altezza);
        return label;
    };
    lblVersion_ = etichetta("Versione " + versione(), 1200, 1000, 300);
    lblDescription_ = etichetta("Programma per la gestione di disegni bidimensionali", 1200, 1380, 500);
    datiriv_ = etichetta(datiSocieta, 240, 2050, 500);

    sitoriv_ = new EtichettaLink(porte, EtichettaLink::Tipo::Sito, this);
    EMailRiv_ = new EtichettaLink(porte, EtichettaLink::Tipo::Posta, this);
    for (auto [link, y] : {std::pair{sitoriv_, 2650.0}, std::pair{EMailRiv_, 2980.0}}) {
        link->setAlignment(Qt::AlignCenter);
        posa(*link, 240, y, LARGHEZZA - 480, 280);
    }

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    posa(*cmdOK_, LARGHEZZA - 1680, 3500, 1440, 400);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    posa(*cmdSysInfo_, LARGHEZZA - 1680, 3980, 1440, 400);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &Info::StartSysInfo);
}

int Info::tw(double twips) const
{
    return static_cast<int>(std::lround(twips * logicalDpiX() / 1440.0));
}

void Info::posa(QWidget& w, double x, double y, double larghezza, double altezza) const
{
    w.setGeometry(tw(x), tw(y), tw(larghezza), tw(altezza));
}

void Info::StartSysInfo()
{
    // The desktop keeps no system-information tool for programs to start.
    porte_.notifier.messaggio("Informazioni di sistema non disponibili in questo momento", titoloProgramma,
                              Pulsanti::Ok, Icona::Nessuna);
}

void Info::paintEvent(QPaintEvent* evento)
{
    QDialog::paintEvent(evento);
    QPainter p(this);
    // The title, centred over the version.
    const QString titolo = QString::fromStdString(titoloProgramma);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(14);
    const QFontMetrics m(f, this);
    const QRect v = lblVersion_->geometry();
    scriviOmbreggiato(p, titolo, 14, v.left() + v.width() / 2 - m.horizontalAdvance(titolo) / 2,
                      v.top() - m.height());
    scriviOmbreggiato(p, QString::fromStdString(rigaCrediti), 9, tw(360), tw(4400));
}

// Bold, in light blue at (x, y), then in blue 20 twips up and to the left.
void Info::scriviOmbreggiato(QPainter& p, const QString& testo, int punti, int x, int y) const
{
    QFont f = font();
    f.setBold(true);
    f.setPointSize(punti);
    p.setFont(f);
    const int alto = p.fontMetrics().ascent();
    p.setPen(qtColor(Palette::color(AZZURRO)));
    p.drawText(QPoint(x, y + alto), testo);
    p.setPen(qtColor(Palette::color(BLU)));
    p.drawText(QPoint(x - tw(20), y - tw(20) + alto), testo);
}

} // namespace tramel
