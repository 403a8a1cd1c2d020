#include "geststamp.h"

#include "platform/numbers.h"
#include "platform/qt_dc.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

// The number of an origin or scale box: its whole text, "." or "," as decimal point.
std::optional<double> numeroCasella(const std::string& testo)
{
    static const NumberFormat punto(".", "");
    return leggiNumero(punto, testo);
}

std::string conPunto(std::string testo)
{
    std::replace(testo.begin(), testo.end(), ',', '.');
    return testo;
}

} // namespace

Geststamp::Geststamp(AgganciGeststamp agganci, Notifier& notifier, std::string titoloMessaggi)
    : agganci_(std::move(agganci)), notifier_(notifier), titoloMessaggi_(std::move(titoloMessaggi))
{
}

void Geststamp::selcarta(double paginaLarg, double paginaAlt, double dialogoLarg, double dialogoAlt)
{
    double w = 2 * paginaLarg, h = 2 * paginaAlt;
    double fattore = 1;
    if (w > h && w > dialogoLarg)
        fattore = (dialogoLarg - 2) / w;
    if (dialogoAlt - 13 < h)
        fattore = std::min(fattore, (dialogoAlt - 13 - 2) / h);
    w *= fattore;
    h *= fattore;
    Picture1 = {(dialogoLarg - w) / 2, 1, w, h};
    Picture2 = {Picture1.left + 1, Picture1.top + 1, w, h};
    notifica();
}

void Geststamp::agganteprima()
{
    if (numeroCasella(Text1).value_or(0) != 0 && agganci_.anteprimastampa)
        agganci_.anteprimastampa();
}

void Geststamp::Form_Activate()
{
    if (!scaricato_ && agganci_.anteprimastampa)
        agganci_.anteprimastampa();
}

void Geststamp::Text1_Change(std::string testo)
{
    Text1 = conPunto(std::move(testo));
    notifica();
    agganteprima();
}

void Geststamp::Text2_Change(std::string testo)
{
    Text2 = conPunto(std::move(testo));
    notifica();
    if (!minimizzato)
        agganteprima();
}

void Geststamp::Text3_Change(std::string testo)
{
    Text3 = conPunto(std::move(testo));
    notifica();
    if (!minimizzato)
        agganteprima();
}

bool Geststamp::rifiuta(std::string_view messaggio, Casella casella)
{
    notifier_.beep();
    notifier_.messaggio(std::string(messaggio), titoloMessaggi_, Pulsanti::Ok, Icona::Informazione);
    fuoco = casella;
    return false;
}

bool Geststamp::Command1_Click()
{
    const auto scala = numeroCasella(Text1);
    if (!scala || !(*scala > 0))
        return rifiuta(msgScala, Casella::Text1);
    const auto x = numeroCasella(Text2);
    if (!x)
        return rifiuta(msgOrigineX, Casella::Text2);
    const auto y = numeroCasella(Text3);
    if (!y)
        return rifiuta(msgOrigineY, Casella::Text3);
    return agganci_.stampa && agganci_.stampa(*scala, *x, *y);
}

void Geststamp::Command4_Click()
{
    minimizzato = true;
    notifica();
    if (agganci_.selfinstamp)
        agganci_.selfinstamp();
}

void Geststamp::Command5_Click()
{
    if (agganci_.Spesslin)
        agganci_.Spesslin();
}

void Geststamp::Form_Unload()
{
    if (scaricato_)
        return;
    scaricato_ = true;
    if (agganci_.annullacomando)
        agganci_.annullacomando();
}

void Geststamp::ripristina()
{
    if (scaricato_)
        return;
    minimizzato = false;
    notifica();
}

void Geststamp::notifica() const
{
    if (cambiato)
        cambiato();
}

// ---- Qt widget ----

namespace {

// The area the sheet is fitted into, millimetres; the last 13 hold nothing.
constexpr double AREA_LARGHEZZA = 100;
constexpr double AREA_ALTEZZA = 113;

class Carta : public QWidget {
public:
    Carta(const QImage& immagine, QWidget* parent) : QWidget(parent), immagine_(immagine) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, immagine_);
    }

private:
    const QImage& immagine_;
};

QPushButton* pulsante(const char* testo, const char* nome, const char* suggerimento, QWidget* parent)
{
    auto* b = new QPushButton(QString::fromUtf8(testo), parent);
    b->setObjectName(nome);
    if (suggerimento)
        b->setToolTip(QString::fromUtf8(suggerimento));
    return b;
}

} // namespace

GeststampDialog::GeststampDialog(AgganciGeststamp agganci, Notifier& notifier, const std::string& titoloMessaggi,
                                 QWidget* parent)
    : QDialog(parent, Qt::Tool), modello_(std::move(agganci), notifier, titoloMessaggi)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    costruisci();
    modello_.cambiato = [this] { aggiorna(); };
    aggiorna();
}

void GeststampDialog::costruisci()
{
    const double pxMm = logicalDpiX() / 25.4;
    area_ = new QWidget(this);
    area_->setFixedSize(static_cast<int>(AREA_LARGHEZZA * pxMm), static_cast<int>((AREA_ALTEZZA - 13) * pxMm));
    Picture2_ = new QWidget(area_);
    Picture2_->setObjectName("Picture2");
    Picture2_->setAutoFillBackground(true);
    QPalette ombra = Picture2_->palette();
    ombra.setColor(QPalette::Window, Qt::darkGray);
    Picture2_->setPalette(ombra);
    Picture1_ = new Carta(immagine_, area_);
    Picture1_->setObjectName("Picture1");

    auto* frame1 = new QGroupBox("Scala Stampa", this);
    frame1->setObjectName("Frame1");
    Text1_ = new QLineEdit(frame1);
    Text1_->setObjectName("Text1");
    auto* l1 = new QHBoxLayout(frame1);
    l1->addWidget(new QLabel(" 1:", frame1));
    l1->addWidget(Text1_);

    auto* frame2 = new QGroupBox("Origine Stampa", this);
    frame2->setObjectName("Frame2");
    Text2_ = new QLineEdit(frame2);
    Text2_->setObjectName("Text2");
    Text3_ = new QLineEdit(frame2);
    Text3_->setObjectName("Text3");
    auto* l2 = new QGridLayout(frame2);
    l2->addWidget(new QLabel("X=", frame2), 0, 0);
    l2->addWidget(Text2_, 0, 1);
    l2->addWidget(new QLabel("Y=", frame2), 1, 0);
    l2->addWidget(Text3_, 1, 1);

    auto* command1 = pulsante("OK", "Command1", nullptr, this);
    auto* command2 = pulsante("Annulla", "Command2", nullptr, this);
    auto* command4 = pulsante("Seleziona Finestra", "Command4", "Sleziona Finestra di Stampa", this);
    auto* command5 = pulsante("Spessore Linee", "Command5", "Imposta Spessore Linee", this);
    auto* destra = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{frame1, frame2, command4, command5})
        destra->addWidget(w);
    destra->addStretch();
    destra->addWidget(command1);
    destra->addWidget(command2);
    auto* tutto = new QHBoxLayout(this);
    tutto->addWidget(area_, 0, Qt::AlignTop);
    tutto->addLayout(destra);

    const auto casellaCambiata = [this](QLineEdit* c, void (Geststamp::*cambio)(std::string)) {
        connect(c, &QLineEdit::textEdited, this, [this, cambio](const QString& t) { (modello_.*cambio)(t.toStdString()); });
    };
    casellaCambiata(Text1_, &Geststamp::Text1_Change);
    casellaCambiata(Text2_, &Geststamp::Text2_Change);
    casellaCambiata(Text3_, &Geststamp::Text3_Change);
    connect(command1, &QPushButton::clicked, this, [this] {
        if (modello_.Command1_Click())
            return void(close());
        if (QLineEdit* c = casella(modello_.fuoco)) {
            c->setFocus();
            c->selectAll();
        }
    });
    connect(command2, &QPushButton::clicked, this, &QWidget::close);
    connect(command4, &QPushButton::clicked, this, [this] { modello_.Command4_Click(); });
    connect(command5, &QPushButton::clicked, this, [this] { modello_.Command5_Click(); });
}

QLineEdit* GeststampDialog::casella(Geststamp::Casella c) const
{
    switch (c) {
    case Geststamp::Casella::Text1: return Text1_;
    case Geststamp::Casella::Text2: return Text2_;
    case Geststamp::Casella::Text3: return Text3_;
    case Geststamp::Casella::Nessuna: break;
    }
    return nullptr;
}

void GeststampDialog::aggiorna()
{
    setWindowTitle(QString::fromStdString(modello_.caption));
    // setText keeps the cursor only when the text is the same: the box being typed in is left alone.
    for (auto [c, testo] : {std::pair{Text1_, &modello_.Text1}, std::pair{Text2_, &modello_.Text2},
                            std::pair{Text3_, &modello_.Text3}})
        if (c->text().toStdString() != *testo)
            c->setText(QString::fromStdString(*testo));
    const double pxMmX = logicalDpiX() / 25.4, pxMmY = logicalDpiY() / 25.4;
    const auto posa = [&](QWidget* w, const RiquadroMm& r) {
        w->setGeometry(static_cast<int>(r.left * pxMmX), static_cast<int>(r.top * pxMmY),
                       static_cast<int>(r.width * pxMmX), static_cast<int>(r.height * pxMmY));
    };
    posa(Picture2_, modello_.Picture2);
    posa(Picture1_, modello_.Picture1);
    if (immagine_.size() != Picture1_->size()) {
        immagine_ = QImage(Picture1_->size(), QImage::Format_RGB32);
        immagine_.fill(Qt::white);
    }
    // Hidden while a print window is picked on the drawing.
    if (modello_.minimizzato != isHidden())
        setVisible(!modello_.minimizzato);
}

void GeststampDialog::selcarta(const PrintDevice& stampante)
{
    modello_.selcarta(stampante.larghezzaMm(), stampante.altezzaMm(), AREA_LARGHEZZA, AREA_ALTEZZA);
}

Foglio GeststampDialog::foglio() const
{
    const double pxMmX = logicalDpiX() / 25.4, pxMmY = logicalDpiY() / 25.4;
    return {modello_.Picture1.width, modello_.Picture1.height, pxMmX, pxMmY};
}

void GeststampDialog::anteprima(const std::function<void(Dc&, const Foglio&)>& disegna)
{
    {
        QPainter p(&immagine_);
        QtDc dc(p);
        disegna(dc, foglio());
    }
    Picture1_->update();
}

void GeststampDialog::origine(const std::string& x, const std::string& y)
{
    modello_.Text2_Change(x);
    modello_.Text3_Change(y);
}

bool GeststampDialog::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        modello_.Form_Activate();
    return QDialog::event(e);
}

void GeststampDialog::reject()
{
    // Esc closes the dialog as its close box does.
    if (!modello_.scaricato()) {
        close();
        return;
    }
    QDialog::reject();
}

void GeststampDialog::closeEvent(QCloseEvent* e)
{
    modello_.Form_Unload();
    QDialog::closeEvent(e);
}

} // namespace tramel
