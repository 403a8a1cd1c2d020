#include "finestra_principale.h"

#include "finestra_disegno.h"
#include "icone.h"
#include "maschera.h"
#include "programma.h"
#include "tavola.h"

#include "platform/palette.h"
#include "platform/qt_dc.h"
#include "platform/record_file.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cmath>

namespace tramel {

namespace {

QColor colorePalette(int indice)
{
    return qtColor(Palette::color(indice));
}

// The toolbars: band caption, key, and the buttons' texts ("" a separator).
struct Banda {
    const char* titolo;
    const char* chiave;
    std::vector<const char*> pulsanti;
    int fattore; // the band's width in button widths
};

const std::array<Banda, 4>& bande()
{
    static const std::array<Banda, 4> b = {{
        {"File", "Barra File",
         {"Nuovo", "Apri", "Salva", "Salva Con Nome", "Chiudi", "", "Imposta Stampante", "Stampa", "", "Crea BMP",
          "Crea DXF"},
         11},
        {"Disegna", "Barra Disegna",
         {"Linea", "Cerchio", "Arco", "Testo", "Polilinea", "Superficie", "Rettangolo"}, 8},
        {"Zoom", "Barra Zoom", {"Zoom Area", "Zoom Tutto", "Zoom Precedente", "Zoom Percentuale"}, 4},
        {"Edita", "Barra Edita",
         {"Cancella", "Sposta", "Copia", "Ruota", "Specchio", "Stira", "Proprietà Oggetto", "Distanza-Angolo"}, 9},
    }};
    return b;
}

void colora(QWidget& w, QPalette::ColorRole ruolo, const QColor& colore)
{
    QPalette p = w.palette();
    for (auto gruppo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(gruppo, ruolo, colore);
    w.setPalette(p);
}

} // namespace

QRect posizioneNuova(const QSize& area, const std::optional<QPoint>& ultima, int passo)
{
    const QRect posto(ultima ? *ultima + QPoint(passo, passo) : QPoint(0, 0), area * 2 / 3);
    return QRect({0, 0}, area).contains(posto) ? posto : QRect({0, 0}, posto.size());
}

bool nomeTxt(const std::string& nome)
{
    return QString::fromStdString(nome).endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
}

std::array<bool, 4> righeBande(const std::array<int, 4>& larghezze, const std::array<bool, 4>& visibili,
                               int larghezzaSchermo)
{
    std::array<bool, 4> nuovaRiga{};
    int pos = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!visibili[i])
            continue;
        pos += larghezze[i];
        if (pos > larghezzaSchermo && i != 0) {
            nuovaRiga[i] = true;
            pos = larghezze[i];
        }
    }
    return nuovaRiga;
}

void selezionatesto(QLineEdit& casella)
{
    casella.setFocus();
    casella.selectAll();
}

Frame::Frame(AppContext& contesto) : ctx_(contesto)
{
    setWindowIcon(iconaProgramma());
    area_ = new QMdiArea(this);
    maschera_ = new Maschera(ctx_.porte, area_->viewport());
    costruisciBarre();
    costruisciPannelli();
    costruisciMenu();
    connect(area_, &QMdiArea::subWindowActivated, this, &Frame::finestraAttivata);
    for (QWidget* parte : partiFuoriDisegno()) {
        parte->setMouseTracking(true);
        parte->installEventFilter(this);
    }
    // Until a drawing opens, the toolbars and panels are hidden.
    disattivapicture(1);
    disattivapicture(2);
    disattivabarraStrum();
    ctx_.riga.Label11 = "Libero(F9)";
    ctx_.riga.cambiato = [this] { mostraRigaComando(); };
    mostraRigaComando();
}

Frame::~Frame()
{
    // The windows go with the frame: nothing is activated any more.
    disconnect(area_, nullptr, this, nullptr);
    ctx_.riga.cambiato = nullptr;
}

void Frame::costruisciBarre()
{
    for (std::size_t i = 0; i < 4; ++i) {
        const Banda& banda = bande()[i];
        auto* barra = new QToolBar(QString::fromUtf8(banda.titolo), this);
        barra->setObjectName(QString::fromUtf8(banda.chiave));
        barra->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const char* testo : banda.pulsanti) {
            if (*testo == '\0') {
                barra->addSeparator();
                continue;
            }
            // The button's text is its tip.
            QAction* pulsante = barra->addAction(iconaPulsante(testo), QString::fromUtf8(testo));
            pulsante->setToolTip(pulsante->text());
        }
        addToolBar(Qt::TopToolBarArea, barra);
        toolbar_[i] = barra;
        // Button b (separators count) calls its menu item on the active drawing window.
        const QList<QAction*> pulsanti = barra->actions();
        for (int b = 1; b <= pulsanti.size(); ++b)
            connect(pulsanti[b - 1], &QAction::triggered, this, [this, t = static_cast<int>(i) + 1, b] {
                if (DrawingWindow* w = finestraAttiva())
                    pulsante(*w, t, b);
            });
    }
}

void Frame::pulsante(DrawingWindow& w, int t, int b)
{
    switch (t) {
    case 1:
        if (b == 10)
            w.mnucreabmp_Click();
        else if (b == 11)
            w.mnudxf_Click();
        else
            w.opfile_Click(b);
        break;
    case 2:
        w.opdis_Click(b);
        break;
    case 3:
        w.selezoom_Click(b);
        break;
    default:
        if (b == 8)
            w.mnudistanza_Click();
        else
            w.modifica_Click(b + 2);
        break;
    }
}

void Frame::costruisciPannelli()
{
    const auto etichetta = [this](int n, const char* testo) {
        Label_[n] = new QLabel(QString::fromUtf8(testo));
        return Label_[n];
    };
    const auto casella = [this](int n) {
        Text_[n] = new QLineEdit;
        return Text_[n];
    };

    Picture2_ = new QWidget;
    auto* riga2 = new QHBoxLayout(Picture2_);
    riga2->setContentsMargins(2, 2, 2, 2);
    riga2->addWidget(etichetta(1, "Comando: "));
    riga2->addWidget(casella(1), 1);
    riga2->addWidget(etichetta(2, ""));
    riga2->addWidget(casella(2), 1);
    for (int n : {1, 2}) {
        connect(Text_[n], &QLineEdit::textEdited, this,
                [this, n](const QString& t) { ctx_.riga.Text[n].testo = t.toStdString(); });
        Text_[n]->installEventFilter(this);
    }

    Picture1_ = new QWidget;
    auto* riga1 = new QHBoxLayout(Picture1_);
    riga1->setContentsMargins(2, 2, 2, 2);
    riga1->addWidget(etichetta(3, ""));
    for (int n = 3; n <= 7; ++n) {
        riga1->addWidget(casella(n));
        Text_[n]->setReadOnly(true);
        // The read-outs only show: the keys stay with the drawing.
        Text_[n]->setFocusPolicy(Qt::NoFocus);
    }

    auto* centro = new QWidget;
    auto* colonna = new QVBoxLayout(centro);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    colonna->addWidget(area_, 1);
    colonna->addWidget(Picture2_);
    colonna->addWidget(Picture1_);
    setCentralWidget(centro);

    const std::array<const char*, 4> stati = {"Step(F6)", "Griglia(F7)", "Orto(F8)", "Libero(F9)"};
    for (int n = 8; n <= 11; ++n) {
        statusBar()->addPermanentWidget(etichetta(n, stati[static_cast<std::size_t>(n - 8)]));
        Label_[n]->installEventFilter(this);
    }
}

void Frame::costruisciMenu()
{
    menuFile_ = new QMenu(QStringLiteral("&File"), this);
    const std::array<const char*, 3> voci = {"Nuovo", "Apri", "Esci"};
    for (int i = 1; i <= 3; ++i)
        connect(menuFile_->addAction(QString::fromUtf8(voci[static_cast<std::size_t>(i - 1)])),
                &QAction::triggered, this, [this, i] { gestfile_Click(i); });
    mostraMenu(nullptr);
}

QWidget* Frame::Picture(int n) const
{
    return n == 1 ? Picture1_ : n == 2 ? Picture2_ : nullptr;
}

std::array<QWidget*, 8> Frame::partiFuoriDisegno() const
{
    return {area_->viewport(), Label_[1], Picture1_, Text_[1], toolbar_[0], toolbar_[1], toolbar_[2], toolbar_[3]};
}

void Frame::nascondilinee_cursore()
{
    if (DrawingWindow* w = finestraAttiva())
        w->Picture_MouseMove();
}

QLabel& Frame::Label(int n)
{
    return *Label_.at(static_cast<std::size_t>(n));
}

void Frame::mostraRigaComando()
{
    const RigaComando& r = ctx_.riga;
    Label_[1]->setText(QString::fromStdString(r.Label1));
    Label_[2]->setText(QString::fromStdString(r.Label2));
    Label_[3]->setText(QString::fromStdString(r.Label3));
    Label_[11]->setText(QString::fromStdString(r.Label11));
    std::array<bool, 8> scritta{};
    for (int n = 1; n <= 7; ++n) {
        const RigaComando::Casella& c = r.Text[static_cast<std::size_t>(n)];
        QLineEdit& box = *Text_[n];
        // Rewriting an unchanged text would move the user's cursor.
        scritta[n] = box.text().toStdString() != c.testo;
        if (scritta[n])
            box.setText(QString::fromStdString(c.testo));
        if (c.abilitata)
            box.setEnabled(true);
        box.setReadOnly(c.solaLettura);
        colora(box, QPalette::Base, colorePalette(c.colore));
        colora(box, QPalette::Text, colorePalette(c.coloreTesto));
    }
    daiFuoco();
    // What the program wrote into the box that has the keys is selected, so that typing replaces it.
    for (int n = 1; n <= 7; ++n)
        if (scritta[n] && focusWidget() == Text_[n])
            Text_[n]->selectAll();
    for (int n = 1; n <= 7; ++n)
        if (!r.Text[static_cast<std::size_t>(n)].abilitata)
            Text_[n]->setEnabled(false);
}

void Frame::daiFuoco()
{
    // The engine asks for the focus once; the frame gives it when it can, with
    // the box's text selected so that typing replaces what the engine wrote.
    RigaComando& r = ctx_.riga;
    if (r.fuoco >= 1 && r.fuoco <= 7) {
        QLineEdit& box = *Text_[r.fuoco];
        const QWidget& pannello = r.fuoco <= 2 ? *Picture2_ : *Picture1_;
        if (r.Text[r.fuoco].abilitata && !pannello.isHidden())
            selezionatesto(box);
        r.fuoco = 0;
    }
    // A box about to be disabled gives the keys back to the drawing first: left
    // to itself, Qt would pass them along the focus chain into another drawing
    // window, which would then become the active one and end the command.
    for (int n = 1; n <= 7; ++n)
        if (focusWidget() == Text_[n] && !r.Text[n].abilitata)
            fuocoAlDisegno();
}

void Frame::fuocoAlDisegno()
{
    if (DrawingWindow* w = finestraAttiva())
        w->tavola().setFocus();
    else if (QWidget* f = focusWidget())
        f->clearFocus();
}

bool Frame::eventFilter(QObject* oggetto, QEvent* evento)
{
    // A move over a part's child goes no further than the child: entering the part tells it too.
    if (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter) {
        const std::array<QWidget*, 8> parti = partiFuoriDisegno();
        if (std::find(parti.begin(), parti.end(), oggetto) != parti.end())
            nascondilinee_cursore();
        return QMainWindow::eventFilter(oggetto, evento);
    }
    if (evento->type() == QEvent::MouseButtonPress)
        return etichettaPremuta(oggetto) || QMainWindow::eventFilter(oggetto, evento);
    if (evento->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(oggetto, evento);
    const int n = oggetto == Text_[1] ? 1 : oggetto == Text_[2] ? 2 : 0;
    const int tasto = static_cast<QKeyEvent*>(evento)->key();
    // F9 moves to the next object-snap filter from the command line too.
    if (n != 0 && tasto == Qt::Key_F9) {
        if (DrawingWindow* w = finestraAttiva())
            w->Form_KeyDown(CommandEngine::TASTO_F9);
        return true;
    }
    const int codice = tasto == Qt::Key_Return || tasto == Qt::Key_Enter ? 13 : tasto == Qt::Key_Escape ? 27 : 0;
    if (n == 0 || codice == 0)
        return QMainWindow::eventFilter(oggetto, evento);
    if (DrawingWindow* w = finestraAttiva())
        w->engine().tastoRiga(n, codice);
    return true;
}

bool Frame::etichettaPremuta(QObject* etichetta)
{
    const auto n = std::find(Label_.begin() + 8, Label_.end(), etichetta) - Label_.begin();
    if (n >= static_cast<std::ptrdiff_t>(Label_.size()))
        return false;
    // The drawing aids' labels switch them as their menu items do; the filter's moves to the next filter.
    if (DrawingWindow* w = finestraAttiva())
        n == 11 ? w->Form_KeyDown(CommandEngine::TASTO_F9) : w->impaiut(static_cast<int>(n) - 4);
    return true;
}

void Frame::mostraMenu(DrawingWindow* finestra)
{
    menuBar()->clear();
    if (finestra) {
        for (QMenu* m : finestra->menus())
            menuBar()->addMenu(m);
    } else {
        menuBar()->addMenu(menuFile_);
    }
}

void Frame::finestraAttivata(QMdiSubWindow* sotto)
{
    auto* finestra = qobject_cast<DrawingWindow*>(sotto);
    // A window is activated once its load has run; losing the application's
    // focus keeps the current window as it is.
    if (finestra == attiva_ || (finestra && !finestra->caricata()))
        return;
    if (!finestra) {
        if (ctx_.registro.numdisegni() == 0) {
            attiva_ = nullptr;
            mostraMenu(nullptr);
        }
        return;
    }
    if (attiva_ && !attiva_->chiusa())
        attiva_->Form_Deactivate();
    attiva_ = finestra;
    mostraMenu(finestra);
    finestra->Form_Activate();
}

DrawingWindow* Frame::finestraAttiva() const
{
    return attiva_ && !attiva_->chiusa() ? attiva_.data() : nullptr;
}

bool Frame::MDIForm_Load(const std::string& cartellaProgramma, const std::string& nomeFile)
{
    showMaximized();
    impostcoolbar();
    QDir::setCurrent(QString::fromStdString(cartellaProgramma));
    setWindowTitle(QString::fromStdString("Tramel - (Modulo Disegni Bidimensionali) - Versione " + versione()));
    ctx_.pigreco = 4 * std::atan(1.0);
    ctx_.numbarre = 2;
    if (!nomeFile.empty()) {
        if (!canRead(nomeFile))
            return rifiutaRigaComando(nomeFile);
        attivabarre();
        DrawingWindow* finestra = nuovodisegno();
        Notifier::Occupato occupato(ctx_.porte.notifier);
        const int n = ctx_.registro.numero(finestra);
        ctx_.registro.disegnocorrente = n;
        ctx_.registro.registra(n, nomeFile);
        finestra->setCaption(nomeFile);
        if (std::string dettaglio; !leggiDisegno(*finestra, dettaglio))
            return rifiutaRigaComando(nomeFile, dettaglio);
    }
    MDIForm_Activate();
    return true;
}

bool Frame::rifiutaRigaComando(const std::string& nome, const std::string& dettaglio)
{
    ctx_.porte.notifier.messaggio(
        "\"" + nome + "\"    Impossibile effettuare esecutivi oppure Nome file della riga di comando non valido."
            + dettaglio,
        titoloProgramma, Pulsanti::Ok, Icona::Nessuna);
    // The program ends: no window is left and no question is asked.
    for (DrawingWindow* w : ctx_.registro.aperte())
        w->chiudiSenzaDomanda();
    return false;
}

void Frame::MDIForm_Activate()
{
    if (ctx_.registro.numdisegni() == 0)
        mostraMaschera();
}

void Frame::changeEvent(QEvent* evento)
{
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        MDIForm_Activate();
}

void Frame::gestfile_Click(int index)
{
    if (ctx_.registro.numdisegni() == 0)
        attivabarre();
    switch (index) {
    case 1: nuovodisegno(); break;
    case 2: apri(); break;
    case 3: close(); break;
    default: break;
    }
}

void Frame::closeEvent(QCloseEvent* evento)
{
    // Every modified drawing is asked about first; the first refusal stops
    // the whole close and leaves every window open.
    const std::vector<DrawingWindow*> finestre = ctx_.registro.aperte();
    for (DrawingWindow* w : finestre) {
        if (!w->Form_QueryUnload()) {
            evento->ignore();
            return;
        }
    }
    for (DrawingWindow* w : finestre)
        w->chiudiSenzaDomanda();
    evento->accept();
}

void Frame::attivabarre()
{
    for (int i = 1; i <= ctx_.numbarre; ++i)
        attivapicture(i);
    attivabarraStrum();
}

void Frame::disattivabarre()
{
    for (int i = 1; i <= ctx_.numbarre; ++i)
        disattivapicture(i);
    disattivabarraStrum();
}

bool Frame::barraMostrata(int k) const
{
    const QWidget* barra = k == 1 ? toolbar_.front() : Picture(k - 2);
    return barra && !barra->isHidden();
}

void Frame::attivapicture(int n)
{
    // The boxes of the command line fill their panel through its layout.
    if (QWidget* pannello = Picture(n))
        pannello->show();
    if (n == 2)
        ctx_.riga.Picture2visibile = true;
}

void Frame::disattivapicture(int n)
{
    if (QWidget* pannello = Picture(n))
        pannello->hide();
    if (n == 2)
        ctx_.riga.Picture2visibile = false;
}

void Frame::attivabarraStrum()
{
    for (QToolBar* barra : toolbar_)
        barra->show();
    impostcoolbar();
}

void Frame::disattivabarraStrum()
{
    for (QToolBar* barra : toolbar_)
        barra->hide();
}

void Frame::impostcoolbar()
{
    std::array<int, 4> larghezze{};
    std::array<bool, 4> visibili{};
    for (std::size_t i = 0; i < 4; ++i) {
        QToolBar& barra = *toolbar_[i];
        const QWidget* pulsante = barra.widgetForAction(barra.actions().constFirst());
        larghezze[i] = (pulsante ? pulsante->sizeHint().width() : 0) * bande()[i].fattore;
        visibili[i] = !barra.isHidden();
    }
    const QScreen* schermo = screen();
    const int larghezzaSchermo = schermo ? schermo->geometry().width() : width();
    const std::array<bool, 4> nuovaRiga = righeBande(larghezze, visibili, larghezzaSchermo);
    for (std::size_t i = 0; i < 4; ++i)
        if (nuovaRiga[i] && !toolBarBreak(toolbar_[i]))
            insertToolBarBreak(toolbar_[i]);
}

void Frame::coloreEtichetta(int n, int colore)
{
    colora(Label(n), QPalette::WindowText, colorePalette(colore));
}

void Frame::suggerimentoEtichetta(int n, const std::string& testo)
{
    Label(n).setToolTip(QString::fromStdString(testo));
}

void Frame::mostraMaschera()
{
    maschera_->mostra();
}

void Frame::chiudiMaschera()
{
    maschera_->hide();
}

} // namespace tramel
