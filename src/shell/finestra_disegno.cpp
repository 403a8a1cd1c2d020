#include "finestra_disegno.h"

#include "contesto_app.h"
#include "finestra_principale.h"
#include "icone.h"
#include "info.h"
#include "programma.h"
#include "impost.h"
#include "view/file_impostazioni.h"
#include "tavola.h"
#include "zoomp.h"

#include "commands/filtri.h"
#include "commands/finestra.h"
#include "editing/modifica.h"
#include "files/applica_dis.h"
#include "files/applica_txt.h"
#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"
#include "properties/dialoghi_qt.h"
#include "properties/proprieta_oggetto.h"
#include "printing/geststamp.h"
#include "printing/spesslin.h"

#include "platform/numbers.h"
#include "platform/palette.h"
#include "platform/record_file.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenu>
#include <QScrollBar>

#include <utility>

namespace tramel {

namespace {

const std::string prefissoSenzaTitolo = "Disegno _";

// A scroll strip: a bar along one edge of the window.
QWidget* striscia(Qt::Orientation verso, QScrollBar*& barra)
{
    auto* pannello = new QWidget;
    auto* layout = new QGridLayout(pannello);
    layout->setContentsMargins(0, 0, 0, 0);
    barra = new QScrollBar(verso);
    // The strip keeps the bar's own thickness; the picture takes the rest.
    pannello->setSizePolicy(verso == Qt::Horizontal ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                            verso == Qt::Horizontal ? QSizePolicy::Fixed : QSizePolicy::Expanding);
    layout->addWidget(barra);
    return pannello;
}

// The character code of a key, as the engine takes keys: Enter 13, Esc 27,
// else the printable character typed (0 for none: Tab keeps moving the focus).
int codiceCarattere(const QKeyEvent& tasto)
{
    if (tasto.key() == Qt::Key_Return || tasto.key() == Qt::Key_Enter)
        return CommandEngine::TASTO_INVIO;
    if (tasto.key() == Qt::Key_Escape)
        return CommandEngine::TASTO_ESC;
    const char16_t c = tasto.text().isEmpty() ? 0 : tasto.text().at(0).unicode();
    return c < u' ' ? 0 : c;
}

} // namespace

DrawingWindow::DrawingWindow(AppContext& contesto, Frame& frame)
    : ctx_(contesto), frame_(frame), stato_(contesto.modulo)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(frame.windowIcon());
    auto* contenuto = new QWidget;
    auto* griglia = new QGridLayout(contenuto);
    griglia->setContentsMargins(0, 0, 0, 0);
    griglia->setSpacing(0);
    tavola_ = new Tavola(stato_);
    Picture3_ = striscia(Qt::Horizontal, HScroll1_);
    Picture4_ = striscia(Qt::Vertical, VScroll1_);
    griglia->addWidget(tavola_, 0, 0);
    griglia->addWidget(Picture4_, 0, 1);
    griglia->addWidget(Picture3_, 1, 0);
    griglia->setRowStretch(0, 1);
    griglia->setColumnStretch(0, 1);
    setWidget(contenuto);
    engine_ = std::make_unique<CommandEngine>(stato_, ctx_.riga, *tavola_, ctx_.porte);
    AgganciMotore& agganci = engine_->agganci();
    agganci.impscroll = [this] { impscroll(); };
    agganci.altezzaPicture3 = [this] { return Picture3_->height() * 25.4 / stato_.vista.dpiY; };
    agganci.larghezzaPicture4 = [this] { return Picture4_->width() * 25.4 / stato_.vista.dpiX; };
    agganci.titolo = titoloProgramma;
    collegaModifica(agganci.modifica, stato_);
    collegaDialoghi(agganci, finestraDialogo(), dialoghiQt(this, logoSocieta()));
    // The text dialog resets the text defaults when their face is blank, the
    // text frame switch among them: its check mark follows.
    agganci.inserisciTesto = [this, inserisci = agganci.inserisciTesto](double x, double y) {
        inserisci(x, y);
        spuntaAiuti();
    };
    agganci.stampa.origine = [this](const std::string& x, const std::string& y) {
        if (geststamp_)
            geststamp_->origine(x, y);
    };
    agganci.stampa.ripristina = [this] {
        if (geststamp_)
            geststamp_->modello().ripristina();
    };
    agganci.stampa.anteprima = [this] { anteprimastampa(); };
    // A bar pans while its strip shows; impscroll hides the strips while it puts the bars back.
    for (QScrollBar* barra : {HScroll1_, VScroll1_}) {
        const bool verticale = barra == VScroll1_;
        connect(barra, &QScrollBar::valueChanged, this, [this, verticale](int valore) {
            if (!(verticale ? Picture4_ : Picture3_)->isHidden())
                engine_->scorri(verticale, valore);
        });
    }
    tavola_->ridimensionata = [this] { Form_Resize(); };
    // The picture takes the mouse's moves and the keys; over the strips the cross-hair goes.
    tavola_->setMouseTracking(true);
    tavola_->setFocusPolicy(Qt::StrongFocus);
    for (QWidget* w : std::initializer_list<QWidget*>{tavola_, Picture3_, Picture4_, HScroll1_, VScroll1_}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    costruisciMenu();
}

DrawingWindow::~DrawingWindow()
{
    tavola_->ridimensionata = nullptr;
    delete geststamp_.data();
}

std::string DrawingWindow::caption() const
{
    return windowTitle().toStdString();
}

void DrawingWindow::setCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

bool DrawingWindow::senzaTitolo() const
{
    return caption().starts_with(prefissoSenzaTitolo);
}

void DrawingWindow::Form_Load()
{
    frame_.coloreEtichetta(ETICHETTA_SNAP, NERO);
    frame_.coloreEtichetta(ETICHETTA_GRIGLIA, NERO);
    frame_.coloreEtichetta(ETICHETTA_ORTO, GRIGIO);
    // A settings file that cannot be written leaves the defaults in force.
    leggiImpostazioni(stato_, ctx_.porte.notifier, titoloProgramma);
    spuntaAiuti();
    barre();
    impscroll();
    caricaFinestra(*engine_);
    tavola_->dc().SetPixel(0, 0, stato_.forecolor);
    tavola_->aggiorna();
    caricata_ = true;
}

void DrawingWindow::barre()
{
    for (int k : {1, 3, 4, 6, 7}) {
        const bool mostrata = vedibarra(stato_.barre, k) != 0;
        barre_[k]->setChecked(mostrata);
        // The frame's bars shown already stay as they are.
        if (!mostrata || k >= 6)
            mostraBarra(k, mostrata);
    }
}

void DrawingWindow::impscroll()
{
    Picture3_->hide();
    Picture4_->hide();
    for (QScrollBar* barra : {HScroll1_, VScroll1_}) {
        barra->setRange(0, 100);
        barra->setSingleStep(1);
        barra->setPageStep(10);
        barra->setValue(50);
    }
    stato_.valhscroll = HScroll1_->value();
    stato_.valvscroll = VScroll1_->value();
    Picture3_->setVisible(stato_.barre.vedibarra6 == 1);
    Picture4_->setVisible(stato_.barre.vedibarra7 == 1);
}

void DrawingWindow::Form_Activate()
{
    DrawingState& s = stato_;
    tavola_->setCursor(Qt::CrossCursor);
    if (const int n = ctx_.registro.numero(this))
        ctx_.registro.disegnocorrente = n;
    // The frame's bars may have changed from another window; the scale is this one's.
    for (int k : {1, 3, 4}) {
        barre_[k]->setChecked(frame_.barraMostrata(k));
        vedibarra(s.barre, k) = frame_.barraMostrata(k) ? 1 : 0;
    }
    ctx_.riga.Label3 = strNumero(s.vista.scala);
    engine_->scrivilabel1();
    for (int n : {ETICHETTA_SNAP, ETICHETTA_GRIGLIA, ETICHETTA_ORTO})
        mostra(etichettaAiuto(s, n));
    // The settings are written as a new filter writes them, but a failure is
    // told only at a change the user makes: a message here would come back at
    // every activation, its own closing included.
    mostraFiltro(s.aiuti.filtrosnap);
    salvafileini_dis(s);
    // The snap marker stands out from the window's own foreground colour.
    s.overlay.Shape3.colore =
        Palette::color(s.forecolor == Palette::color(VERDE_LIMONE) ? BORDEAUX : VERDE_LIMONE);
}

bool DrawingWindow::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != tavola_) {
        if (evento->type() == QEvent::MouseMove)
            Picture_MouseMove();
        return QMdiSubWindow::eventFilter(oggetto, evento);
    }
    switch (evento->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        const Punto p = finestraDaDispositivo(stato_.vista, mouse->position().x(), mouse->position().y());
        if (evento->type() == QEvent::MouseMove)
            Form_MouseMove(static_cast<float>(p.x), static_cast<float>(p.y));
        else
            Form_MouseDown(mouse->button() == Qt::LeftButton, static_cast<float>(p.x), static_cast<float>(p.y));
        return true;
    }
    case QEvent::KeyPress: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_F9)
            Form_KeyDown(CommandEngine::TASTO_F9);
        else if (const int codice = codiceCarattere(*tasto))
            Form_KeyPress(codice);
        else
            break; // Tab and the like keep their own meaning
        return true;
    }
    default:
        break;
    }
    return QMdiSubWindow::eventFilter(oggetto, evento);
}

void DrawingWindow::Form_KeyDown(int tasto)
{
    if (tasto == CommandEngine::TASTO_F9)
        impfiltri(filtroSuccessivo(stato_.aiuti.filtrosnap));
}

void DrawingWindow::Form_KeyPress(int codice)
{
    engine_->gestastiera(codice);
    tavola_->aggiorna();
}

void DrawingWindow::Form_MouseMove(float X, float Y)
{
    tavola_->setCursor(Qt::CrossCursor);
    stato_.overlay.Line1.visibile = true;
    stato_.overlay.Line2.visibile = true;
    engine_->mousesposta(X, Y);
    tavola_->aggiorna();
}

void DrawingWindow::Form_MouseDown(bool sinistro, float X, float Y)
{
    // Only the active window takes clicks.
    if (frame_.finestraAttiva() != this)
        return;
    engine_->premuto(sinistro, X, Y);
    tavola_->aggiorna();
}

void DrawingWindow::Picture_MouseMove()
{
    if (!stato_.overlay.Line1.visibile && !stato_.overlay.Line2.visibile)
        return;
    stato_.overlay.Line1.visibile = false;
    stato_.overlay.Line2.visibile = false;
    tavola_->aggiorna();
}

void DrawingWindow::Form_Deactivate()
{
    tavola_->unsetCursor();
    // A command never survives a change of the active window.
    if (!stato_.corrente().nome().empty())
        engine_->annullacomando(stato_.comandi.numcomando);
}

void DrawingWindow::Form_Resize()
{
    DrawingState& s = stato_;
    if (!caricata_ || ctx_.registro.numdisegni() == 0)
        return;
    // The first sizing, when the window is shown, is no change to the drawing.
    if (!s.ridimensionato) {
        s.ridimensionato = true;
        engine_->redraw();
        return;
    }
    // The picture follows the new size; a pending command is suspended around the redraw.
    engine_->ridimensiona();
    // The view is stored with the drawing, so a new size is a change.
    s.dasalvare = 1;
}

bool DrawingWindow::Form_QueryUnload()
{
    if (stato_.dasalvare != 1)
        return true;
    Notifier& notifier = ctx_.porte.notifier;
    const Risposta r = notifier.messaggio("Salvare le modifiche al file: \"" + caption() + "\"", titoloProgramma,
                                          Pulsanti::SiNoAnnulla, Icona::Domanda);
    if (r == Risposta::No)
        return true;
    if (r != Risposta::Si)
        return false;
    // This window is saved, not the frame's active one, and it closes only
    // when the save succeeded.
    std::string comando = "Salva";
    if (frame_.gestionefile(*this, comando) != EsitoFile::Riuscito)
        return false;
    stato_.dasalvare = 0;
    return true;
}

void DrawingWindow::chiudiSenzaDomanda()
{
    chiedere_ = false;
    close();
    chiedere_ = true;
}

void DrawingWindow::closeEvent(QCloseEvent* evento)
{
    if (chiusa_ || (chiedere_ && !Form_QueryUnload())) {
        evento->ignore();
        return;
    }
    // From here the window no longer counts as open.
    chiusa_ = true;
    QMdiSubWindow::closeEvent(evento);
    if (!evento->isAccepted()) {
        chiusa_ = false;
        return;
    }
    Form_Unload();
}

void DrawingWindow::Form_Unload()
{
    if (geststamp_)
        geststamp_->close();
    if (ctx_.registro.numdisegni() == 0) {
        frame_.disattivabarre();
        frame_.mostraMaschera();
    }
}

void DrawingWindow::opfile_Click(int index)
{
    switch (index) {
    case 1:
        frame_.nuovodisegno();
        break;
    case 2:
        frame_.apri();
        break;
    case 3:
    case 4: {
        Notifier::Occupato occupato(ctx_.porte.notifier);
        std::string comando = index == 3 ? "Salva" : "SalvaConNome";
        // Only a save that succeeded leaves the drawing unmodified.
        if (frame_.gestionefile(*this, comando) == EsitoFile::Riuscito)
            stato_.dasalvare = 0;
        break;
    }
    case 5:
        close();
        break;
    case 7:
        impostaStampante();
        break;
    case 8: {
        Notifier::Occupato occupato(ctx_.porte.notifier);
        Geststamp();
        break;
    }
    default:
        break;
    }
}

void DrawingWindow::opdis_Click(int index)
{
    if (const DatiComando* d = perVoce(Famiglia::Disegno, index))
        engine_->avviaComando(d->comando);
}

void DrawingWindow::selezoom_Click(int index)
{
    engine_->avviaZoom(index);
    if (index != 4)
        return;
    zoomp();
    impfiltri(stato_.aiuti.filtrosnap);
}

void DrawingWindow::zoomp()
{
    ZoompDialog dialogo(ctx_.porte.notifier, this);
    // Leaving the dialog any other way than by Ok gives back the command the zoom suspended.
    if (dialogo.exec() == QDialog::Accepted)
        engine_->zoomperc(*dialogo.percento());
    else
        engine_->riprendi();
}

void DrawingWindow::barre_Click(int index)
{
    if (index != 1 && index != 3 && index != 4 && index != 6 && index != 7)
        return;
    const bool mostrata = !barre(index);
    barre_[index]->setChecked(mostrata);
    vedibarra(stato_.barre, index) = mostrata ? 1 : 0;
    mostraBarra(index, mostrata);
    salvaImpostazioni();
}

void DrawingWindow::mostraBarra(int index, bool mostrata)
{
    switch (index) {
    case 1:
        mostrata ? frame_.attivabarraStrum() : frame_.disattivabarraStrum();
        break;
    case 3:
    case 4:
        mostrata ? frame_.attivapicture(index - 2) : frame_.disattivapicture(index - 2);
        break;
    case 6:
        Picture3_->setVisible(mostrata);
        break;
    default:
        Picture4_->setVisible(mostrata);
        break;
    }
}

void DrawingWindow::modifica_Click(int index)
{
    engine_->modifica(index);
}

void DrawingWindow::impo_Click(int index)
{
    if (index < 1 || index > 3)
        return;
    for (int i = 1; i <= 3; ++i)
        impo_[i]->setChecked(i == index);
    engine_->impo(index);
}

void DrawingWindow::mnudistanza_Click()
{
    engine_->avviaComando(Comando::DistanzaAngolo);
}

void DrawingWindow::informa_Click()
{
    info();
}

void DrawingWindow::Geststamp()
{
    // One print dialog at a time: an open one closes as its close box closes it.
    if (GeststampDialog* aperto = frame_.geststamp())
        aperto->close();
    AgganciGeststamp agganci;
    agganci.anteprimastampa = [this] { anteprimastampa(); };
    agganci.stampa = [this](double scala, double x, double y) { return stampa(scala, x, y); };
    agganci.selfinstamp = [this] { selfinstamp(); };
    agganci.annullacomando = [this] { engine_->annullacomando(-1); };
    agganci.Spesslin = [this] { Spesslin(); };
    auto* dialogo = new GeststampDialog(std::move(agganci), ctx_.porte.notifier, titoloProgramma, &frame_);
    tramel::Geststamp& m = dialogo->modello();
    m.caption = std::string(tramel::Geststamp::prefissoTitolo) + "\"" + caption() + "\"";
    // Hidden while the visible window is marked: its origin boxes take the
    // window's corner without drawing a preview.
    m.minimizzato = true;
    dialogo->selcarta(ctx_.porte.stampante);
    geststamp_ = dialogo;
    frame_.geststamp(dialogo);
    engine_->finestraStampa();
    m.ripristina();
    dialogo->activateWindow();
}

void DrawingWindow::impostaStampante()
{
    if (!ctx_.porte.stampante.imposta())
        return;
    if (GeststampDialog* dialogo = frame_.geststamp()) {
        dialogo->selcarta(ctx_.porte.stampante);
        dialogo->modello().Form_Activate();
    }
}

void DrawingWindow::selfinstamp()
{
    engine_->avviaComando(Comando::Selstamp);
}

void DrawingWindow::anteprimastampa()
{
    if (!geststamp_ || geststamp_->modello().scaricato())
        return;
    Notifier::Occupato occupato(ctx_.porte.notifier);
    const tramel::Geststamp& m = geststamp_->modello();
    geststamp_->anteprima([&](Dc& dc, const Foglio& foglio) {
        tramel::anteprimastampa(stato_.dis, ctx_.modulo.spesslinstampa, ctx_.porte.stampante, dc, foglio,
                                valNumero(m.Text1), valNumero(m.Text2), valNumero(m.Text3));
    });
}

bool DrawingWindow::stampa(double scala, double x, double y)
{
    return tramel::stampa(stato_.dis, ctx_.modulo.spesslinstampa, ctx_.porte, titoloProgramma, scala, x, y) ==
           EsitoStampa::Stampata;
}

void DrawingWindow::Spesslin()
{
    tramel::Spesslin modello(ctx_.modulo.spesslinstampa, engine_->agganci().formato, ctx_.porte.notifier,
                             [this] { salvaImpostazioni(); }, titoloProgramma);
    SpesslinDialog dialogo(modello, geststamp_);
    dialogo.exec();
}

void DrawingWindow::salvaImpostazioni()
{
    tramel::salvaImpostazioni(stato_, ctx_.porte.notifier, titoloProgramma);
}

void DrawingWindow::info()
{
    Info box(ctx_.porte, &frame_);
    box.exec();
}

void DrawingWindow::impaiut(int k)
{
    if (k != VOCE_IMPOSTAZIONI && (k < VOCE_SNAP || k > VOCE_BORDO_TESTO))
        return;
    if (const auto rifiuto = rifiutoAiuto(stato_, k, aiutdis(k))) {
        ctx_.porte.notifier.beep();
        ctx_.porte.notifier.messaggio(*rifiuto, titoloProgramma, Pulsanti::Ok, Icona::Informazione);
        return;
    }
    if (k == VOCE_IMPOSTAZIONI && impostGenerali()) {
        // Ok has applied the settings and written the file; they may have switched the snap step and the grid.
        spuntaAiuti();
        return;
    }
    // After Annulla the settings are written as they are.
    if (k != VOCE_IMPOSTAZIONI)
        commutaAiuto(k);
    salvaImpostazioni();
}

void DrawingWindow::commutaAiuto(int k)
{
    // The toggle decides by the check mark.
    const bool attiva = !aiutdis(k);
    aiutdis(k, attiva);
    if (k != VOCE_BORDO_TESTO) {
        mostra(impostaAiuto(*engine_, k, attiva));
        return;
    }
    Notifier::Occupato occupato(ctx_.porte.notifier);
    impostaBordoTesto(*engine_, attiva);
}

void DrawingWindow::spuntaAiuti()
{
    aiutdis(VOCE_SNAP, stato_.aiuti.snapattivo == AIUTO_ON);
    aiutdis(VOCE_GRIGLIA, stato_.aiuti.grigliaattiva == AIUTO_ON);
    aiutdis(VOCE_ORTO, stato_.aiuti.ortoattivo == AIUTO_ON);
    aiutdis(VOCE_BORDO_TESTO, stato_.aiuti.mostrabordotesto == 1);
}

void DrawingWindow::mostra(const EtichettaAiuto& etichetta)
{
    frame_.coloreEtichetta(etichetta.n, etichetta.colore);
    frame_.suggerimentoEtichetta(etichetta.n, etichetta.suggerimento);
}

bool DrawingWindow::impostGenerali()
{
    Notifier& notifier = ctx_.porte.notifier;
    AgganciImpost agganci;
    agganci.redraw = [this] { engine_->redraw(); };
    agganci.etichetta = [this](int n, int colore) { frame_.coloreEtichetta(n, colore); };
    ImpostDialog dialogo(stato_, agganci, notifier, this);
    return dialogo.exec() == QDialog::Accepted;
}

void DrawingWindow::impfiltri(int filtro)
{
    mostraFiltro(filtro);
    salvaImpostazioni();
}

void DrawingWindow::mostraFiltro(int filtro)
{
    impostaFiltro(stato_, ctx_.riga, filtro);
    for (int i = 0; i < static_cast<int>(filtri_.size()); ++i)
        if (filtri_[i])
            filtri_[i]->setChecked(i == filtro);
    tavola_->aggiorna();
}

bool DrawingWindow::leggifile()
{
    Notifier::Occupato occupato(ctx_.porte.notifier);
    EsitoLettura esito = tramel::leggifile(caption());
    auto* letto = std::get_if<DisegnoLetto>(&esito);
    if (!letto)
        return false;
    applica(*letto);
    return true;
}

void DrawingWindow::applica(DisegnoLetto& d)
{
    // The stored state comes first, so that the stored view is fitted to the
    // client area the window has in it.
    mostraStato(d.statoFinestra);
    applicaDisegno(*engine_, d);
    aiutiLetti();
}

void DrawingWindow::aiutiLetti()
{
    spuntaAiuti();
    mostra(etichettaAiuto(stato_, ETICHETTA_SNAP));
    mostra(etichettaAiuto(stato_, ETICHETTA_GRIGLIA));
    salvaImpostazioni();
}

void DrawingWindow::mostraStato(int statoFinestra)
{
    // Taking the new size is no change to the drawing.
    const int dasalvare = stato_.dasalvare;
    if (statoFinestra == 1)
        showMinimized();
    else if (statoFinestra == 2)
        showMaximized();
    else
        showNormal();
    // The picture takes its new size now rather than on the next pass of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    stato_.dasalvare = dasalvare;
}

std::optional<ErroreTxt> DrawingWindow::leggitxt(const Avanzamento& avanzamento)
{
    EsitoTxt esito = ErroreTxt{};
    // The file is held only while it is read.
    if (const auto bytes = readWhole(caption()))
        esito = leggiTxt(*bytes, engine_->agganci().formato, avanzamento);
    auto* letto = std::get_if<DisegnoTxt>(&esito);
    if (!letto)
        return std::get<ErroreTxt>(esito);
    applicaTxt(*engine_, *letto);
    aiutiLetti();
    // Untitled again, so that saving asks for a drawing file's name.
    const int n = ctx_.registro.numero(this);
    setCaption(prefissoSenzaTitolo + " " + std::to_string(n));
    ctx_.registro.registra(n, caption());
    mostraStato(2);
    // A drawing of texts only keeps its view.
    if (letto->geometrici)
        engine_->avviaZoom(2);
    return std::nullopt;
}

bool DrawingWindow::salvafile()
{
    Notifier::Occupato occupato(ctx_.porte.notifier);
    engine_->memxin();
    const std::int16_t statoFinestra = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    return tramel::salvafile(stato_, caption(), statoFinestra);
}

FinestraDialogo DrawingWindow::finestraDialogo()
{
    return {*engine_, *tavola_, ctx_.porte, engine_->agganci().formato};
}

void DrawingWindow::mnutipolinea_Click()
{
    tramel::mnutipolinea_Click(finestraDialogo(), dialoghiQt(this, logoSocieta()));
}

void DrawingWindow::mnutiposup_Click()
{
    tramel::mnutiposup_Click(finestraDialogo(), dialoghiQt(this, logoSocieta()));
}

void DrawingWindow::mnutipotesto_Click()
{
    // A blank face brings back all the defaults of new texts first, the
    // text frame switch and its check mark among them.
    if (stato_.testoNuovo.gen_carattere_testo.find_first_not_of(' ') == std::string::npos) {
        inizializ_varTesto(stato_);
        spuntaAiuti();
    }
    tramel::mnutipotesto_Click(finestraDialogo(), dialoghiQt(this, logoSocieta()));
}

} // namespace tramel
