#include "impost.h"

#include "selcol.h"
#include "view/file_impostazioni.h"

#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/qt_dc.h"
#include "platform/rounding.h"
#include "view/impostdistipo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace tramel {

namespace {

constexpr std::string_view titoloMessaggi = "Tramel";
constexpr int nero = 0;
constexpr int grigio = 8;

// A box's number; either decimal sign reads the same, so any format serves.
std::optional<double> numero(const std::string& testo)
{
    static const NumberFormat punto(".", "");
    return leggiNumero(punto, testo);
}

// The box's number while it is typed: 0 until it is one.
double valore(const std::string& testo)
{
    return numero(testo).value_or(0);
}

// A palette index as typed, rounded.
int indice(const std::string& testo)
{
    return cint(valore(testo));
}

// A number from 0 to 15, whole or not: it rounds to a palette index.
bool indiceValido(const std::string& testo)
{
    const auto v = numero(testo);
    return v && *v >= 0 && *v <= Palette::count - 1;
}

// A step box as the Single the window keeps; nothing when it is no number or does not fit.
std::optional<float> passoSingolo(const Coordinata& casella)
{
    static const NumberFormat punto(".", "");
    const auto v = casella.valore(punto);
    if (!v || !entraInSingolo(*v))
        return std::nullopt;
    return static_cast<float>(*v);
}

// A step that reads as nothing at all, or that is 0 once kept as a Single, is the zero step.
bool passoZero(const Coordinata& casella)
{
    return valNumero(casella.testo) == 0 || passoSingolo(casella) == 0.0f;
}

// The step an aid keeps: its box's, or, where the box holds none (an aid switched
// off with its box left at 0), the step it had.
float passoTenuto(const Coordinata& casella, float prima)
{
    const auto v = passoSingolo(casella);
    return v && *v != 0 ? *v : prima;
}

// Whether a box was changed since it was loaded: one left as it was keeps the
// window's value as it was stored.
bool cambiata(const Coordinata& casella)
{
    return casella.testo != casella.caricato;
}

// A Single as the step boxes show it: the plain number text, no leading blank.
Coordinata casellaPasso(float v)
{
    return Coordinata::di(v, Variant(v).toText());
}

// A colour as its box shows it.
Coordinata casellaColore(const Variant& colore)
{
    return Coordinata::di(colore.toDouble(), colore.toText());
}

} // namespace

Impost::Impost(DrawingState& s, AgganciImpost agganci, Notifier& notifier)
    : s_(s), agganci_(std::move(agganci)), notifier_(notifier)
{
    Label2 = strNumero(s.vista.scala);
    Text1 = casellaColore(s.colori.colanteprima);
    Text2 = casellaColore(s.colori.colsfondo);
    Option1 = s.aiuti.grigliaattiva == AIUTO_ON;
    griglia = aiuto(Option1);
    Text3 = casellaPasso(s.aiuti.passogriglia);
    Option3 = s.aiuti.snapattivo == AIUTO_ON;
    Text4 = casellaPasso(s.aiuti.passosnap);
    carattere = {s.font.nome, s.font.dimensione, s.font.grassetto, s.font.corsivo,
                 s.font.barrato, s.font.sottolineato, s.forecolor};
}

void Impost::ridisegna() const
{
    if (anteprima)
        anteprima();
}

void Impost::Option1_Click()
{
    Option1 = true;
    griglia = AIUTO_ON;
    ridisegna();
}

void Impost::Option2_Click()
{
    Option1 = false;
    griglia = AIUTO_OFF;
    ridisegna();
}

void Impost::Option3_Click() { Option3 = true; }
void Impost::Option4_Click() { Option3 = false; }

void Impost::Text3_Change(std::string testo)
{
    Text3.testo = std::move(testo);
    ridisegna();
}

void Impost::modificaColore(std::string& testo, std::string_view scopo, const MostraSelcol& mostra)
{
    const double prima = valore(testo);
    Selcol selcol(*this, std::string(scopo), prima);
    mostra(selcol);
    if (valore(testo) != prima)
        ridisegna();
}

void Impost::Command3_Click(const MostraSelcol& mostra)
{
    modificaColore(Text1.testo, Selcol::puntatore, mostra);
}

void Impost::Command4_Click(const MostraSelcol& mostra)
{
    modificaColore(Text2.testo, Selcol::sfondo, mostra);
}

void Impost::Command5_Click(FontChooser& font)
{
    if (const auto scelta = font.scegli(carattere))
        carattere = *scelta;
    ridisegna();
}

void Impost::Picture1_MouseMove(double x, double y)
{
    // The snap rule of the window: down to the step across, to the nearest step down.
    const double passo = valore(Text4.testo);
    if (Option3 && passo != 0 && std::isfinite(passo)) {
        x = passo * std::floor(x / passo);
        y = passo * std::floor((y + passo / 2) / passo);
    }
    Line1x = x;
    Line2y = y;
    ridisegna();
}

bool Impost::rifiuta(std::string_view messaggio, Casella casella)
{
    notifier_.beep();
    notifier_.messaggio(std::string(messaggio), std::string(titoloMessaggi), Pulsanti::Ok, Icona::Nessuna);
    fuoco = casella;
    return false;
}

bool Impost::Command1_Click()
{
    if (Option1 && passoZero(Text3))
        return rifiuta(msgGriglia, Casella::Text3);
    if (Option3 && passoZero(Text4))
        return rifiuta(msgStep, Casella::Text4);
    if (Option1 && !passoSingolo(Text3))
        return rifiuta(msgPasso, Casella::Text3);
    if (Option3 && !passoSingolo(Text4))
        return rifiuta(msgPasso, Casella::Text4);
    if (!indiceValido(Text1.testo))
        return rifiuta(msgColore, Casella::Text1);
    if (!indiceValido(Text2.testo))
        return rifiuta(msgColore, Casella::Text2);
    aggimpostgen(s_, *this, agganci_, notifier_);
    return true;
}

Rgb Impost::colorePuntatore() const
{
    return Palette::color(indice(Text1.testo));
}

Rgb Impost::coloreSfondo() const
{
    return Palette::color(indice(Text2.testo));
}

std::vector<Punto> Impost::puntigriglia(double larghezza, double altezza) const
{
    // A step of 0 or below, or one too large to be a number, shows no dots.
    const double passo = valore(Text3.testo);
    if (valNumero(Label2) == 0 || griglia != AIUTO_ON || !std::isfinite(passo) || larghezza / passo > 200)
        return {};
    const auto g = grigliaPunti(0, 0, larghezza, altezza, passo);
    if (!g)
        return {};
    std::vector<Punto> punti;
    for (int i = 0; i <= g->passiX; ++i)
        for (int j = 0; j <= g->passiY; ++j)
            punti.push_back({g->x0 + i * g->passo, g->y0 + j * g->passo});
    return punti;
}

bool aggimpostgen(DrawingState& s, const Impost& d, const AgganciImpost& agganci, Notifier& notifier)
{
    const auto etichetta = [&](int numero, bool attivo) {
        if (agganci.etichetta)
            agganci.etichetta(numero, attivo ? nero : grigio);
    };
    s.aiuti.grigliaattiva = aiuto(d.Option1);
    s.aiuti.passogriglia = passoTenuto(d.Text3, s.aiuti.passogriglia);
    etichetta(9, d.Option1);
    s.aiuti.snapattivo = aiuto(d.Option3);
    s.aiuti.passosnap = passoTenuto(d.Text4, s.aiuti.passosnap);
    etichetta(8, d.Option3);

    if (cambiata(d.Text1))
        s.colori.colanteprima = Variant(valore(d.Text1.testo));
    if (cambiata(d.Text2)) {
        s.colori.colsfondo = Variant(valore(d.Text2.testo));
        s.colori.colevidenzia = colevidenziaPer(s.colori.colsfondo);
    }
    const Rgb anteprima = Palette::color(s.colori.colanteprima.toInt16());
    for (LineaOverlay* linea : {&s.overlay.Line1, &s.overlay.Line2, &s.overlay.Line3})
        linea->colore = anteprima;
    s.overlay.Shape1.colore = anteprima;
    s.overlay.Shape2.colore = anteprima;

    const SceltaCarattere& c = d.carattere;
    s.font = {c.nome, c.dimensione, c.grassetto, c.corsivo, c.sottolineato, c.barrato};
    s.forecolor = c.colore;

    // The background follows colsfondo at the redraw.
    if (agganci.redraw)
        agganci.redraw();
    return salvaImpostazioni(s, notifier, std::string(titoloMessaggi));
}

// ---- Qt widgets ----

namespace {

// The preview box: background, text sample, grid dots and cross-hair. Its
// units are millimetres, as the drawing window's.
class Picture1 : public QWidget {
public:
    Picture1(Impost& modello, QWidget* parent) : QWidget(parent), m_(modello)
    {
        setObjectName("Picture1");
        setFixedSize(260, 160);
        setMouseTracking(true);
        m_.Line1x = width() / mmX() / 2;
        m_.Line2y = height() / mmY() / 2;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), qtColor(m_.coloreSfondo()));
        p.setFont(qtFontDi(m_.carattere));
        p.setPen(qtColor(m_.carattere.colore));
        const QString testo = QString::fromUtf8(Impost::testoAnteprima.data(), Impost::testoAnteprima.size());
        const QFontMetrics fm(p.font());
        p.drawText(QPointF((width() - fm.horizontalAdvance(testo)) / 2.0, (height() - fm.height()) / 2.0 + fm.ascent()),
                   testo);
        p.setPen(qtColor(m_.colorePuntatore()));
        for (const auto& punto : m_.puntigriglia(width() / mmX(), height() / mmY()))
            p.drawPoint(QPointF(punto.x * mmX(), punto.y * mmY()));
        p.drawLine(QPointF(m_.Line1x * mmX(), 0), QPointF(m_.Line1x * mmX(), height()));
        p.drawLine(QPointF(0, m_.Line2y * mmY()), QPointF(width(), m_.Line2y * mmY()));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        m_.Picture1_MouseMove(e->position().x() / mmX(), e->position().y() / mmY());
    }

private:
    double mmX() const { return logicalDpiX() / 25.4; }
    double mmY() const { return logicalDpiY() / 25.4; }
    Impost& m_;
};

// A colour box shows its palette colour, with legible digits.
void coloraCasella(QLineEdit* casella, Rgb colore)
{
    QPalette pal = casella->palette();
    const bool scuro = redOf(colore) + greenOf(colore) + blueOf(colore) < 384;
    pal.setColor(QPalette::Base, qtColor(colore));
    pal.setColor(QPalette::Text, scuro ? Qt::white : Qt::black);
    casella->setPalette(pal);
}

} // namespace

ImpostDialog::ImpostDialog(DrawingState& s, AgganciImpost agganci, Notifier& notifier, QWidget* parent)
    : QDialog(parent), modello_(s, std::move(agganci), notifier), font_(this)
{
    setWindowTitle(qs(Impost::titolo));
    costruisci();
    collega();
    aggiorna();
}

void ImpostDialog::costruisci()
{
    auto* griglia = new QGroupBox("Griglia", this);
    Option1_ = nominato(new QRadioButton("ON", griglia), "Option1");
    Option2_ = nominato(new QRadioButton("OFF", griglia), "Option2");
    Text3_ = nominato(new QLineEdit(QString::fromStdString(modello_.Text3.testo), griglia), "Text3");
    auto* lg = new QHBoxLayout(griglia);
    lg->addWidget(Option1_);
    lg->addWidget(Option2_);
    lg->addWidget(Text3_);

    auto* step = new QGroupBox("Step", this);
    Option3_ = nominato(new QRadioButton("ON", step), "Option3");
    Option4_ = nominato(new QRadioButton("OFF", step), "Option4");
    Text4_ = nominato(new QLineEdit(QString::fromStdString(modello_.Text4.testo), step), "Text4");
    auto* ls = new QHBoxLayout(step);
    ls->addWidget(Option3_);
    ls->addWidget(Option4_);
    ls->addWidget(Text4_);
    (modello_.Option1 ? Option1_ : Option2_)->setChecked(true);
    (modello_.Option3 ? Option3_ : Option4_)->setChecked(true);

    auto* puntatore = new QGroupBox("Colore Puntatore e Griglia", this);
    Text1_ = nominato(new QLineEdit(QString::fromStdString(modello_.Text1.testo), puntatore), "Text1");
    auto* command3 = nominato(new QPushButton("Modifica", puntatore), "Command3");
    auto* lp = new QHBoxLayout(puntatore);
    lp->addWidget(Text1_);
    lp->addWidget(command3);

    auto* sfondo = new QGroupBox("Colore Sfondo", this);
    Text2_ = nominato(new QLineEdit(QString::fromStdString(modello_.Text2.testo), sfondo), "Text2");
    auto* command4 = nominato(new QPushButton("Modifica", sfondo), "Command4");
    auto* lf = new QHBoxLayout(sfondo);
    lf->addWidget(Text2_);
    lf->addWidget(command4);

    auto* command5 = nominato(new QPushButton("Carattere", this), "Command5");
    Picture1_ = new Picture1(modello_, this);
    auto* command1 = nominato(new QPushButton("Ok", this), "Command1");
    auto* command2 = nominato(new QPushButton("Annulla", this), "Command2");
    command1->setDefault(true);

    auto* sinistra = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(griglia), static_cast<QWidget*>(step), static_cast<QWidget*>(puntatore),
                       static_cast<QWidget*>(sfondo), static_cast<QWidget*>(command5)})
        sinistra->addWidget(w);
    auto* destra = new QVBoxLayout;
    destra->addWidget(nominato(new QLabel("Anteprima", this), "Label1"));
    destra->addWidget(Picture1_);
    destra->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(command1);
    pulsanti->addWidget(command2);
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(sinistra);
    corpo->addLayout(destra);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(corpo);
    tutto->addLayout(pulsanti);
}

void ImpostDialog::collega()
{
    modello_.anteprima = [this] { Picture1_->update(); };
    const auto azione = [this](auto&& f) {
        return [this, f] {
            f();
            aggiorna();
        };
    };
    connect(Option1_, &QRadioButton::clicked, this, azione([this] { modello_.Option1_Click(); }));
    connect(Option2_, &QRadioButton::clicked, this, azione([this] { modello_.Option2_Click(); }));
    connect(Option3_, &QRadioButton::clicked, this, azione([this] { modello_.Option3_Click(); }));
    connect(Option4_, &QRadioButton::clicked, this, azione([this] { modello_.Option4_Click(); }));
    connect(Text3_, &QLineEdit::textChanged, this, [this](const QString& t) { modello_.Text3_Change(t.toStdString()); });
    connect(Text4_, &QLineEdit::textChanged, this, [this](const QString& t) { modello_.Text4.testo = t.toStdString(); });
    connect(Text1_, &QLineEdit::textChanged, this, azione([this] { modello_.Text1.testo = Text1_->text().toStdString(); }));
    connect(Text2_, &QLineEdit::textChanged, this, azione([this] { modello_.Text2.testo = Text2_->text().toStdString(); }));
    const MostraSelcol mostra = [this](Selcol& selcol) {
        SelcolDialog dialogo(selcol, this);
        dialogo.exec();
    };
    connect(findChild<QPushButton*>("Command3"), &QPushButton::clicked, this, [this, mostra] {
        modello_.Command3_Click(mostra);
        Text1_->setText(QString::fromStdString(modello_.Text1.testo));
    });
    connect(findChild<QPushButton*>("Command4"), &QPushButton::clicked, this, [this, mostra] {
        modello_.Command4_Click(mostra);
        Text2_->setText(QString::fromStdString(modello_.Text2.testo));
    });
    connect(findChild<QPushButton*>("Command5"), &QPushButton::clicked, this, [this] { modello_.Command5_Click(font_); });
    connect(findChild<QPushButton*>("Command1"), &QPushButton::clicked, this, [this] {
        if (modello_.Command1_Click())
            return accept();
        if (QLineEdit* c = casella(modello_.fuoco)) {
            c->setFocus();
            c->selectAll();
        }
    });
    connect(findChild<QPushButton*>("Command2"), &QPushButton::clicked, this, &QDialog::reject);
}

void ImpostDialog::aggiorna()
{
    Text3_->setVisible(modello_.Option1);
    Text4_->setVisible(modello_.Option3);
    coloraCasella(Text1_, modello_.colorePuntatore());
    coloraCasella(Text2_, modello_.coloreSfondo());
    Picture1_->update();
}

QLineEdit* ImpostDialog::casella(Impost::Casella c) const
{
    switch (c) {
    case Impost::Casella::Text1: return Text1_;
    case Impost::Casella::Text2: return Text2_;
    case Impost::Casella::Text3: return Text3_;
    case Impost::Casella::Text4: return Text4_;
    case Impost::Casella::Nessuna: break;
    }
    return nullptr;
}

} // namespace tramel
