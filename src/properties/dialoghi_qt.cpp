#include "dialoghi_qt.h"

#include "platform/palette.h"
#include "platform/qt_dc.h"
#include "platform/qt_ports.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <functional>

namespace tramel {

namespace {

// A box painted from its model, and clickable.
class Pittura : public QWidget {
public:
    using Disegna = std::function<void(QPainter&, const QRect&)>;
    Pittura(Disegna disegna, std::function<void()> clic, QSize misura, QWidget* parent)
        : QWidget(parent), disegna_(std::move(disegna)), clic_(std::move(clic))
    {
        setFixedSize(misura);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        disegna_(p, rect());
    }
    void mousePressEvent(QMouseEvent*) override
    {
        if (clic_)
            clic_();
    }

private:
    Disegna disegna_;
    std::function<void()> clic_;
};

// A sample line across the box, drawn as a polyline of the drawing draws itself.
void lineaCampione(QPainter& p, const QRect& r, std::int32_t stile, int larghezza, Rgb colore)
{
    QtDc dc(p);
    polilinea l;
    l.vertici({{r.left() + 4.0, r.center().y() + 0.0}, {r.right() - 4.0, r.center().y() + 0.0}});
    l.trattcont = stile;
    l.spescont = static_cast<float>(larghezza);
    l.colcont = colore;
    l.DC = &dc;
    l.disPolyline();
}

// The six style swatches; swatch 0 shows a white line, invisible on white.
template <class M>
std::array<QWidget*, 6> campioni(M& m, QLayout* layout, QWidget* parent, const std::function<void()>& aggiorna)
{
    std::array<QWidget*, 6> c{};
    for (int k = 0; k < 6; ++k) {
        auto disegna = [&m, k](QPainter& p, const QRect& r) {
            p.fillRect(r, qtColor(m.sfondoCampione(k)));
            lineaCampione(p, r, k == 0 ? 0 : stileDi(k), 1, k == 0 ? Palette::color(BIANCO) : Palette::color(NERO));
        };
        auto clic = [&m, k, aggiorna] {
            m.Picture1_Click(k);
            aggiorna();
        };
        c[k] = new Pittura(disegna, clic, QSize(48, 22), parent);
        c[k]->setObjectName(QString("Picture1_%1").arg(k));
        c[k]->setToolTip(qs(suggerimentiCampioni[static_cast<std::size_t>(k)]));
        layout->addWidget(c[k]);
    }
    return c;
}

QLabel* vari(QWidget* parent, const char* nome)
{
    auto* l = nominato(new QLabel(qs(VARI), parent), nome);
    l->hide();
    return l;
}

// A line edit's text, set only when it differs so that typing keeps its cursor.
void scrivi(QLineEdit* e, const std::string& t)
{
    if (e->text().toStdString() != t)
        e->setText(QString::fromStdString(t));
}

// Maps every typed character of a box through its filter.
template <class F>
std::string filtra(const QString& t, F filtro)
{
    std::string s;
    for (char c : t.toStdString())
        s += filtro(c);
    return s;
}

// The row the user selected, -1 none. The lists follow their selection, not
// their current row: on focus Qt makes the first row current without selecting it.
int rigaScelta(const QListWidget* l)
{
    const auto scelte = l->selectedItems();
    return scelte.empty() ? -1 : l->row(scelte.front());
}

void pulsantiOkAnnulla(QDialog* d, QBoxLayout* layout, const std::function<void()>& ok)
{
    auto* riga = new QHBoxLayout;
    auto* command1 = nominato(new QPushButton("OK", d), "Command1");
    auto* command2 = nominato(new QPushButton("Annulla", d), "Command2");
    command1->setDefault(true);
    riga->addStretch();
    riga->addWidget(command1);
    riga->addWidget(command2);
    layout->addLayout(riga);
    QObject::connect(command1, &QPushButton::clicked, d, ok);
    QObject::connect(command2, &QPushButton::clicked, d, &QDialog::reject);
}

} // namespace

// ---- The vertex columns ----

class ColonneWidget : public QWidget {
public:
    // M is the owner dialog's model; aggiorna shows it again after each action.
    template <class M>
    ColonneWidget(M& m, const std::function<void()>& aggiorna, QWidget* parent)
        : ColonneWidget(
              m.List1,
              [&m, aggiorna](int r) {
                  m.List1_Click(r);
                  aggiorna();
              },
              [&m, aggiorna, parent](int n) {
                  const MostraCoordVert mostra = [parent](CoordVert& box) {
                      CoordVertDialog d(box, parent);
                      d.exec();
                  };
                  n == 3 ? m.Command3_Click(mostra) : n == 6 ? m.Command6_Click(mostra) : m.Command7_Click(mostra);
                  aggiorna();
              },
              parent)
    {
    }

    ColonneWidget(ColonneVertici& c, std::function<void(int)> clic, std::function<void(int)> pulsante,
                  QWidget* parent)
        : QWidget(parent), c_(c)
    {
        auto* griglia = new QGridLayout(this);
        QFont fisso("Courier New");
        fisso.setStyleHint(QFont::TypeWriter);
        for (int i = 0; i < 2; ++i) {
            // The heading: each letter centred over its own column.
            auto* intestazione = nominato(new QLabel(i == 0 ? "X" : "Y", this), i == 0 ? "Label14_0" : "Label14_1");
            intestazione->setAlignment(Qt::AlignCenter);
            griglia->addWidget(intestazione, 0, i);
            liste_[i] = nominato(new QListWidget(this), i == 0 ? "List1_0" : "List1_1");
            liste_[i]->setFont(fisso);
            griglia->addWidget(liste_[i], 1, i);
            connect(liste_[i], &QListWidget::itemSelectionChanged, this,
                    [clic, l = liste_[i]] { clic(rigaScelta(l)); });
        }
        // Scrolling either column scrolls the other to the same top row.
        for (int i = 0; i < 2; ++i)
            connect(liste_[i]->verticalScrollBar(), &QScrollBar::valueChanged, liste_[1 - i]->verticalScrollBar(),
                    &QScrollBar::setValue);
        auto* riga = new QHBoxLayout;
        Command3_ = nominato(new QPushButton("Modifica", this), "Command3");
        Command6_ = nominato(new QPushButton("Inserisci", this), "Command6");
        Command7_ = nominato(new QPushButton("Elimina", this), "Command7");
        for (auto [b, n] : {std::pair{Command3_, 3}, std::pair{Command6_, 6}, std::pair{Command7_, 7}}) {
            riga->addWidget(b);
            connect(b, &QPushButton::clicked, this, [pulsante, n = n] { pulsante(n); });
        }
        griglia->addLayout(riga, 2, 0, 1, 2);
    }

    void aggiorna(bool inserisci)
    {
        for (int i = 0; i < 2; ++i) {
            QSignalBlocker blocco(liste_[i]);
            QStringList righe;
            for (const RigaVertice& r : c_.righe)
                righe << QString::fromStdString(i == 0 ? r.x.testo : r.y.testo);
            if (righe != elenco(liste_[i])) {
                liste_[i]->clear();
                liste_[i]->addItems(righe);
            }
            liste_[i]->setCurrentRow(c_.selezionata);
        }
        Command3_->setEnabled(c_.Command3);
        Command7_->setEnabled(c_.Command7);
        Command6_->setToolTip(QString::fromStdString(c_.tooltip6));
        Command6_->setVisible(inserisci);
        Command7_->setVisible(inserisci);
    }

private:
    static QStringList elenco(const QListWidget* l)
    {
        QStringList s;
        for (int i = 0; i < l->count(); ++i)
            s << l->item(i)->text();
        return s;
    }

    ColonneVertici& c_;
    std::array<QListWidget*, 2> liste_{};
    QPushButton* Command3_;
    QPushButton* Command6_;
    QPushButton* Command7_;
};

// ---- The vertex box ----

CoordVertDialog::CoordVertDialog(CoordVert& modello, QWidget* parent) : QDialog(parent), m_(modello)
{
    setWindowTitle(QString::fromStdString(m_.caption));
    auto* frame = nominato(new QGroupBox(QString::fromStdString(m_.Frame4), this), "Frame4");
    auto* griglia = new QGridLayout(frame);
    auto* label11 = nominato(new QLabel(QString::fromStdString(m_.Label11), frame), "Label11");
    Text1_ = nominato(new QLineEdit(QString::fromStdString(m_.Text1), frame), "Text1");
    Text2_ = nominato(new QLineEdit(QString::fromStdString(m_.Text2), frame), "Text2");
    griglia->addWidget(label11, 0, 0);
    griglia->addWidget(Text1_, 0, 1);
    griglia->addWidget(nominato(new QLabel(QString::fromStdString(m_.Label10), frame), "Label10"), 1, 0);
    griglia->addWidget(Text2_, 1, 1);
    label11->setVisible(m_.Text1Visibile);
    Text1_->setVisible(m_.Text1Visibile);
    Text1_->setEnabled(m_.caselleAbilitate);
    Text2_->setEnabled(m_.caselleAbilitate);
    Command1_ = nominato(new QPushButton(QString::fromStdString(m_.Command1), this), "Command1");
    auto* command2 = nominato(new QPushButton("Esci", this), "Command2");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(Command1_);
    pulsanti->addWidget(command2);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(frame);
    tutto->addLayout(pulsanti);
    for (QLineEdit* e : {Text1_, Text2_})
        e->installEventFilter(this);
    connect(Command1_, &QPushButton::clicked, this, [this] {
        m_.Text1 = Text1_->text().toStdString();
        m_.Text2 = Text2_->text().toStdString();
        if (m_.Command1_Click())
            accept();
    });
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
}

bool CoordVertDialog::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::KeyPress)
        return QDialog::eventFilter(oggetto, evento);
    auto* e = static_cast<QKeyEvent*>(evento);
    auto* casella = static_cast<QLineEdit*>(oggetto);
    if (e->text() == "." || e->text() == ",") {
        casella->insert(QString::fromStdString(m_.Text_KeyPress(e->text().toStdString()[0])));
        return true;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (casella == Text1_) {
            Text2_->setFocus();
            Text2_->selectAll();
        } else {
            Command1_->setFocus();
        }
        return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

// ---- Lines, arcs and polylines ----

TipoLineaDialog::TipoLineaDialog(TipoLinea& modello, const QIcon& logo, QWidget* parent)
    : QDialog(parent), m_(modello)
{
    const auto aggiorna = [this] { this->aggiorna(); };
    Frame3_ = nominato(new QGroupBox(this), "Frame3");
    auto* stile = new QVBoxLayout(Frame3_);
    auto* colore = new QHBoxLayout;
    auto* command4 = nominato(new QPushButton("Colore Linea", Frame3_), "Command4");
    Label2_ = vari(Frame3_, "Label2");
    Label8_ = vari(Frame3_, "Label8");
    colore->addWidget(command4);
    colore->addWidget(Label2_);
    colore->addWidget(Label8_);
    stile->addLayout(colore);
    auto* righe = new QHBoxLayout;
    Picture1_ = campioni(m_, righe, Frame3_, aggiorna);
    stile->addLayout(righe);
    auto* spessore = new QHBoxLayout;
    Text1_ = nominato(new QLineEdit(Frame3_), "Text1");
    Label1_ = vari(Frame3_, "Label1");
    spessore->addWidget(nominato(new QLabel("Spessore:", Frame3_), "Label9"));
    spessore->addWidget(Text1_);
    spessore->addWidget(Label1_);
    stile->addLayout(spessore);

    auto* frame1 = nominato(new QGroupBox("Anteprima", this), "Frame1");
    Picture4_ = new Pittura(
        [this](QPainter& p, const QRect& r) {
            p.fillRect(r, qtColor(m_.sfondoAnteprima));
            const auto a = m_.dislinea();
            lineaCampione(p, r, a.stile, a.larghezza, a.colore);
        },
        nullptr, QSize(300, 40), frame1);
    Picture4_->setObjectName("Picture4");
    (new QVBoxLayout(frame1))->addWidget(Picture4_);

    Frame4_ = nominato(new QGroupBox(this), "Frame4");
    auto* coordinate = new QGridLayout(Frame4_);
    const char* nomiEtichette[] = {"Label3", "Label4", "Label6", "Label7", "Label11", "Label10"};
    const char* nomiCaselle[] = {"Text5", "Text6", "Text2", "Text3", "Text7", "Text8"};
    Coordinata* campi[] = {&m_.Text5, &m_.Text6, &m_.Text2, &m_.Text3, &m_.Text7, &m_.Text8};
    for (int i = 0; i < 6; ++i) {
        etichette_[i] = nominato(new QLabel(Frame4_), nomiEtichette[i]);
        caselle_[i] = nominato(new QLineEdit(Frame4_), nomiCaselle[i]);
        coordinate->addWidget(etichette_[i], i / 2, (i % 2) * 2);
        coordinate->addWidget(caselle_[i], i / 2, (i % 2) * 2 + 1);
        connect(caselle_[i], &QLineEdit::textEdited, this,
                [campo = campi[i]](const QString& t) { campo->testo = t.toStdString(); });
    }

    Frame5_ = nominato(new QGroupBox("Coordinate Vertici Polilinea", this), "Frame5");
    List1_ = new ColonneWidget(m_, aggiorna, Frame5_);
    (new QVBoxLayout(Frame5_))->addWidget(List1_);

    Frame2_ = nominato(new QLabel(this), "Frame2");
    Frame2_->setPixmap(logo.pixmap(64, 64));
    Frame2_->setAlignment(Qt::AlignCenter);

    auto* tutto = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Frame3_), static_cast<QWidget*>(frame1), static_cast<QWidget*>(Frame4_),
                       static_cast<QWidget*>(Frame5_), static_cast<QWidget*>(Frame2_)})
        tutto->addWidget(w);
    pulsantiOkAnnulla(this, tutto, [this] {
        if (m_.Command1_Click())
            accept();
    });

    connect(command4, &QPushButton::clicked, this, [this] {
        m_.Command4_Click();
        this->aggiorna();
    });
    connect(Text1_, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_.Text1_Change(filtra(t, TipoLinea::Text1_KeyPress));
        this->aggiorna();
    });
    this->aggiorna();
    // The boxes are filled once: afterwards the user's typing is their text.
    for (int i = 0; i < 6; ++i)
        scrivi(caselle_[i], campi[i]->testo);
}

void TipoLineaDialog::aggiorna()
{
    setWindowTitle(QString::fromStdString(m_.caption));
    Frame3_->setTitle(QString::fromStdString(m_.Frame3));
    Label2_->setVisible(m_.Label2.visibile);
    Label8_->setVisible(m_.Label8.visibile);
    Label1_->setVisible(m_.Label1.visibile);
    scrivi(Text1_, m_.Text1);
    Frame4_->setVisible(m_.Frame4);
    Frame4_->setTitle(QString::fromStdString(m_.Frame4Caption));
    const std::string* etichette[] = {&m_.Label3, &m_.Label4, &m_.Label6, &m_.Label7, &m_.Label11, &m_.Label10};
    for (int i = 0; i < 6; ++i) {
        etichette_[i]->setText(QString::fromStdString(*etichette[i]));
        const bool centrale = i == 2 || i == 3;
        etichette_[i]->setVisible(!centrale || m_.rigaCentrale);
        caselle_[i]->setVisible(!centrale || m_.rigaCentrale);
    }
    Frame5_->setVisible(m_.Frame5);
    Frame2_->setVisible(!m_.Frame4 && !m_.Frame5);
    List1_->aggiorna(true);
    for (QWidget* w : Picture1_)
        w->update();
    Picture4_->update();
}

// ---- Surfaces, rectangles and circles ----

TipoSuperficieDialog::TipoSuperficieDialog(TipoSuperficie& modello, QWidget* parent) : QDialog(parent), m_(modello)
{
    const auto aggiorna = [this] { this->aggiorna(); };
    auto* frame2 = nominato(new QGroupBox("Tipo Campitura", this), "Frame2");
    auto* campitura = new QVBoxLayout(frame2);
    List2_ = nominato(new QListWidget(frame2), "List2");
    for (std::string_view voce : TipoSuperficie::campiture)
        List2_->addItem(qs(voce));
    auto* command5 = nominato(new QPushButton("Colore Campitura", frame2), "Command5");
    Label9_ = vari(frame2, "Label9");
    Label10_ = vari(frame2, "Label10");
    campitura->addWidget(List2_);
    campitura->addWidget(Label9_);
    campitura->addWidget(command5);
    campitura->addWidget(Label10_);

    Frame3_ = nominato(new QGroupBox(this), "Frame3");
    auto* contorno = new QVBoxLayout(Frame3_);
    Label8_ = vari(Frame3_, "Label8");
    contorno->addWidget(Label8_);
    auto* righe = new QHBoxLayout;
    Picture1_ = campioni(m_, righe, Frame3_, aggiorna);
    contorno->addLayout(righe);
    auto* spessore = new QHBoxLayout;
    Text1_ = nominato(new QLineEdit(Frame3_), "Text1");
    Label7_ = vari(Frame3_, "Label7");
    spessore->addWidget(nominato(new QLabel("Spessore :", Frame3_), "Label5"));
    spessore->addWidget(Text1_);
    spessore->addWidget(Label7_);
    contorno->addLayout(spessore);
    auto* command4 = nominato(new QPushButton("Colore Contorno", Frame3_), "Command4");
    Label6_ = vari(Frame3_, "Label6");
    contorno->addWidget(command4);
    contorno->addWidget(Label6_);

    Frame5_ = nominato(new QGroupBox(this), "Frame5");
    auto* geometria = new QVBoxLayout(Frame5_);
    List1_ = new ColonneWidget(m_, aggiorna, Frame5_);
    Label3_ = nominato(new QLabel(Frame5_), "Label3");
    Label4_ = nominato(new QLabel(Frame5_), "Label4");
    for (QLabel* l : {Label3_, Label4_})
        l->setFont(QFont("Courier New"));
    geometria->addWidget(List1_);
    geometria->addWidget(Label3_);
    geometria->addWidget(Label4_);

    auto* frame1 = nominato(new QGroupBox("Anteprima", this), "Frame1");
    Picture2_ = new Pittura(
        [this](QPainter& p, const QRect& r) {
            p.fillRect(r, qtColor(m_.sfondoAnteprima));
            const auto a = m_.anteprima();
            QtDc dc(p);
            const auto proprieta = [&](auto& e) {
                e.campitura = a.campitura;
                e.colocampitura = a.colocampitura;
                e.colcont = a.colcont;
                e.trattcont = a.trattcont;
                e.spescont = static_cast<float>(a.larghezza);
                e.DC = &dc;
            };
            const QRectF f = QRectF(r).adjusted(10, 10, -10, -10);
            if (m_.cerchio) {
                Cerchio c;
                proprieta(c);
                c.Xcentro = c.Xpunto = f.center().x();
                c.Ycentro = f.center().y();
                c.YPunto = f.center().y() + f.height() / 2;
                c.discerchio();
            } else {
                Rettangolo q;
                proprieta(q);
                q.vertici({{f.left(), f.top()}, {f.right(), f.top()}, {f.right(), f.bottom()}, {f.left(), f.bottom()}});
                q.disrettangolo();
            }
        },
        nullptr, QSize(160, 110), frame1);
    Picture2_->setObjectName("Picture2");
    (new QVBoxLayout(frame1))->addWidget(Picture2_);

    auto* sopra = new QHBoxLayout;
    sopra->addWidget(frame2);
    sopra->addWidget(Frame3_);
    sopra->addWidget(frame1);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(sopra);
    tutto->addWidget(Frame5_);
    pulsantiOkAnnulla(this, tutto, [this] {
        if (m_.Command1_Click())
            accept();
    });

    connect(List2_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int r = rigaScelta(List2_); r >= 0)
            m_.List2_Click(r);
        this->aggiorna();
    });
    connect(command4, &QPushButton::clicked, this, [this] {
        m_.Command4_Click();
        this->aggiorna();
    });
    connect(command5, &QPushButton::clicked, this, [this] {
        m_.Command5_Click();
        this->aggiorna();
    });
    connect(Text1_, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_.Text1_Change(filtra(t, TipoSuperficie::Text1_KeyPress));
        this->aggiorna();
    });
    this->aggiorna();
}

void TipoSuperficieDialog::aggiorna()
{
    setWindowTitle(QString::fromStdString(m_.caption));
    {
        QSignalBlocker blocco(List2_);
        List2_->setCurrentRow(m_.List2);
    }
    Label9_->setVisible(m_.Label9.visibile);
    Label10_->setVisible(m_.Label10.visibile);
    Frame3_->setTitle(QString::fromStdString(m_.Frame3));
    Label8_->setVisible(m_.Label8.visibile);
    scrivi(Text1_, m_.Text1);
    Label7_->setVisible(m_.Label7.visibile);
    Label6_->setVisible(m_.Label6.visibile);
    Frame5_->setVisible(m_.Frame5);
    Frame5_->setTitle(QString::fromStdString(m_.Frame5Caption));
    List1_->aggiorna(m_.Command6);
    Label3_->setText(QString::fromStdString(m_.Label3));
    Label4_->setText(QString::fromStdString(m_.Label4));
    for (QWidget* w : Picture1_)
        w->update();
    Picture2_->update();
}

// ---- Texts ----

GesttestoDialog::GesttestoDialog(Gesttesto& modello, QWidget* parent) : QDialog(parent), m_(modello)
{
    Label1_ = nominato(new QLabel(this), "Label1");
    Label1_->setAlignment(Qt::AlignCenter);
    QFont titolo("Times New Roman");
    titolo.setPointSizeF(14.25);
    titolo.setBold(true);
    Label1_->setFont(titolo);
    Label1_->setStyleSheet("color: blue");
    Text1_ = nominato(new QLineEdit(this), "Text1");
    Text1_->setMaxLength(static_cast<int>(Gesttesto::lunghezzaMassima));
    Text3_ = nominato(new QLineEdit(QString::fromStdString(m_.Text3.testo), this), "Text3");
    Text4_ = nominato(new QLineEdit(QString::fromStdString(m_.Text4.testo), this), "Text4");
    Text2_ = nominato(new QLineEdit(QString::fromStdString(m_.Text2), this), "Text2");
    Text2_->installEventFilter(this);
    Check1_ = nominato(new QCheckBox("Sfondo Opaco", this), "Check1");
    Command4_ = nominato(new QPushButton(this), "Command4");
    Command4_->setToolTip("Colore Sfondo");
    Command4_->setFixedSize(24, 24);
    Label8_ = vari(this, "Label8");
    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel("Pos.  X=", this));
    riga->addWidget(Text3_);
    riga->addWidget(new QLabel("Y=", this));
    riga->addWidget(Text4_);
    riga->addWidget(new QLabel("Angolo Rotaz.", this));
    riga->addWidget(Text2_);
    riga->addWidget(Check1_);
    riga->addWidget(Command4_);
    riga->addWidget(Label8_);

    auto* frame1 = nominato(new QGroupBox("Esempio", this), "Frame1");
    Frame2_ = nominato(new QWidget(frame1), "Frame2");
    Frame2_->setAutoFillBackground(true);
    Frame2_->setMinimumSize(360, 80);
    Label2_ = nominato(new QLabel(Frame2_), "Label2");
    Label2_->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(Frame2_))->addWidget(Label2_);
    Label4_ = nominato(new QLabel(frame1), "Label4");
    auto* esempio = new QVBoxLayout(frame1);
    esempio->addWidget(Frame2_);
    esempio->addWidget(Label4_);

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(Label1_);
    tutto->addWidget(Text1_);
    tutto->addLayout(riga);
    tutto->addWidget(frame1);
    auto* command3 = nominato(new QPushButton("Carattere", this), "Command3");
    tutto->addWidget(command3);
    pulsantiOkAnnulla(this, tutto, [this] {
        m_.Text3.testo = Text3_->text().toStdString();
        m_.Text4.testo = Text4_->text().toStdString();
        m_.Text2 = Text2_->text().toStdString();
        if (m_.Command1_Click())
            accept();
    });

    connect(Text1_, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_.Text1_Change(t.toStdString());
        aggiorna();
    });
    connect(Check1_, &QCheckBox::clicked, this, [this](bool spuntato) {
        m_.Check1_Click(spuntato);
        aggiorna();
    });
    connect(command3, &QPushButton::clicked, this, [this] {
        m_.Command3_Click();
        aggiorna();
    });
    connect(Command4_, &QPushButton::clicked, this, [this] {
        m_.Command4_Click();
        aggiorna();
    });
    aggiorna();
}

bool GesttestoDialog::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == Text2_ && evento->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent*>(evento)->text();
        if (t.size() == 1 && !Gesttesto::Text2_KeyPress(t.toStdString()[0]))
            return true;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void GesttestoDialog::reject()
{
    m_.Command2_Click();
    QDialog::reject();
}

void GesttestoDialog::aggiorna()
{
    Label1_->setText(QString::fromStdString(m_.Label1));
    scrivi(Text1_, m_.Text1);
    const std::pair<QLineEdit*, bool> abilitate[] = {
        {Text1_, m_.Text1Abilitato}, {Text2_, m_.Text2Abilitato}, {Text3_, m_.posizioneAbilitata}, {Text4_, m_.posizioneAbilitata}};
    for (auto [casella, abilitata] : abilitate)
        casella->setEnabled(abilitata);
    scrivi(Text2_, m_.Text2);
    {
        QSignalBlocker blocco(Check1_);
        Check1_->setChecked(m_.Check1);
    }
    Command4_->setVisible(m_.Command4);
    Command4_->setStyleSheet(QString("background-color: %1").arg(qtColor(m_.Label8.numero()).name()));
    Label8_->setVisible(m_.Label8.visibile);
    QPalette area = Frame2_->palette();
    area.setColor(QPalette::Window, qtColor(m_.sfondoFrame2));
    Frame2_->setPalette(area);
    const SceltaCarattere& c = m_.carattere;
    Label2_->setFont(qtFontDi(c));
    Label2_->setText(QString::fromStdString(m_.Label2));
    Label2_->setAutoFillBackground(m_.Label2Opaco);
    QPalette campione = Label2_->palette();
    campione.setColor(QPalette::WindowText, qtColor(c.colore));
    campione.setColor(QPalette::Window, qtColor(m_.sfondoLabel2));
    Label2_->setPalette(campione);
    Label4_->setText(QString::fromStdString(m_.Label4));
}

Dialoghi dialoghiQt(QWidget* parent, const QIcon& logo)
{
    Dialoghi d;
    d.tipoLinea = [parent, logo](TipoLinea& m) {
        TipoLineaDialog dialogo(m, logo, parent);
        dialogo.exec();
    };
    d.tipoSuperficie = [parent](TipoSuperficie& m) {
        TipoSuperficieDialog dialogo(m, parent);
        dialogo.exec();
    };
    d.gesttesto = [parent](Gesttesto& m) {
        GesttestoDialog dialogo(m, parent);
        dialogo.exec();
    };
    return d;
}

} // namespace tramel
