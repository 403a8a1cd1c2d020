#include "drawing_window.h"

#include "app_context.h"
#include "frame.h"
#include "programma.h"
#include "settings_dialog.h"
#include "view/settings_file.h"
#include "tavola.h"

#include "commands/filtri.h"
#include "commands/finestra.h"
#include "editing/modifica.h"
#include "files/applica_dis.h"
#include "files/applica_txt.h"
#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"
#include "properties/dialoghi_qt.h"
#include "properties/proprieta_oggetto.h"

#include "platform/palette.h"
#include "platform/record_file.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QMenu>
#include <QScrollBar>

#include <utility>

namespace tramel {

namespace {

constexpr int NERO = 0;
constexpr int GRIGIO = 8;
constexpr int BORDEAUX = 4;
constexpr int VERDE_LIMONE = 10;
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
    collegaDialoghi(agganci, finestraDialogo(), dialoghiQt(this));
    // A bar pans while its strip shows; impscroll hides the strips while it puts the bars back.
    for (QScrollBar* barra : {HScroll1_, VScroll1_}) {
        const bool verticale = barra == VScroll1_;
        connect(barra, &QScrollBar::valueChanged, this, [this, verticale](int valore) {
            if (!(verticale ? Picture4_ : Picture3_)->isHidden())
                engine_->scorri(verticale, valore);
        });
    }
    tavola_->ridimensionata = [this] { Form_Resize(); };
    costruisciMenu();
}

DrawingWindow::~DrawingWindow()
{
    tavola_->ridimensionata = nullptr;
}

void DrawingWindow::costruisciMenu()
{
    QMenu* file = new QMenu(QStringLiteral("&File"), this);
    const char* voci[] = {"Nuovo", "Apri", "Salva", "Salva con Nome"};
    for (int i = 1; i <= 4; ++i) {
        opfile_[i] = file->addAction(QString::fromUtf8(voci[i - 1]));
        connect(opfile_[i], &QAction::triggered, this, [this, i] { opfile_Click(i); });
    }
    opfile_[3]->setEnabled(false);
    opfile_[4]->setEnabled(false);
    connect(file, &QMenu::aboutToShow, this, [this] { file_Click(); });

    QMenu* aiuti = new QMenu(QStringLiteral("&Aiuti al disegno"), this);
    aiutdis_[1] = aiuti->addAction(QStringLiteral("Impost. Generali"));
    aiuti->addSeparator();
    aiutdis_[4] = aiuti->addAction(QStringLiteral("Snap"));
    aiutdis_[4]->setShortcut(Qt::Key_F6);
    aiutdis_[5] = aiuti->addAction(QStringLiteral("Grid "));
    aiutdis_[5]->setShortcut(Qt::Key_F7);
    for (int k : {1, 4, 5}) {
        aiutdis_[k]->setCheckable(k != 1);
        aiutdis_[k]->setChecked(k != 1);
        // The toggle decides by the check mark itself, so the click must not flip it first.
        connect(aiutdis_[k], &QAction::triggered, this, [this, k] {
            if (k != 1)
                aiutdis(k, !aiutdis(k));
            impaiut(k);
        });
    }
    addActions({aiutdis_[4], aiutdis_[5]}); // the shortcuts work while the menu bar shows another window's menus
    menus_ = {file, aiuti};
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
    leggifileini_dis(stato_);
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
    if (stato_.barre.vedibarra1 == 0)
        frame_.disattivabarraStrum();
    if (stato_.barre.vedibarra3 == 0)
        frame_.disattivapicture(1);
    if (stato_.barre.vedibarra4 == 0)
        frame_.disattivapicture(2);
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
    engine_->scrivilabel1();
    for (int n : {ETICHETTA_SNAP, ETICHETTA_GRIGLIA, ETICHETTA_ORTO})
        mostra(etichettaAiuto(s, n));
    impfiltri(s.aiuti.filtrosnap);
    // The snap marker stands out from the window's own foreground colour.
    s.overlay.Shape3.colore =
        Palette::color(s.forecolor == Palette::color(VERDE_LIMONE) ? BORDEAUX : VERDE_LIMONE);
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
    if (ctx_.registro.numdisegni() == 0) {
        frame_.disattivabarre();
        frame_.mostraMaschera();
    }
}

void DrawingWindow::opfile_Click(int index)
{
    if (index == 1) {
        frame_.nuovodisegno();
    } else if (index == 2) {
        frame_.apri();
    } else if (index == 3 || index == 4) {
        Notifier::Occupato occupato(ctx_.porte.notifier);
        std::string comando = index == 3 ? "Salva" : "SalvaConNome";
        // Only a save that succeeded leaves the drawing unmodified.
        if (frame_.gestionefile(*this, comando) == EsitoFile::Riuscito)
            stato_.dasalvare = 0;
    }
}

void DrawingWindow::file_Click()
{
    const bool pieno = stato_.cisonooggetti == 1 || stato_.cisonotesti == 1;
    opfile_[3]->setEnabled(pieno);
    opfile_[4]->setEnabled(pieno);
}

bool DrawingWindow::aiutdis(int k) const
{
    return aiutdis_.at(static_cast<std::size_t>(k))->isChecked();
}

void DrawingWindow::aiutdis(int k, bool spuntato)
{
    aiutdis_.at(static_cast<std::size_t>(k))->setChecked(spuntato);
}

void DrawingWindow::impaiut(int k)
{
    if (k != VOCE_IMPOSTAZIONI && k != VOCE_SNAP && k != VOCE_GRIGLIA)
        return;
    if (const auto rifiuto = rifiutoAiuto(stato_, k, aiutdis(VOCE_GRIGLIA))) {
        ctx_.porte.notifier.beep();
        ctx_.porte.notifier.messaggio(*rifiuto, titoloProgramma, Pulsanti::Ok, Icona::Informazione);
        return;
    }
    if (k == VOCE_IMPOSTAZIONI)
        impostGenerali();
    else
        commutaAiuto(k);
    salvafileini_dis(stato_);
}

void DrawingWindow::commutaAiuto(int k)
{
    // The toggle decides by the check mark, which the general settings leave as it was.
    const bool attiva = !aiutdis(k);
    aiutdis(k, attiva);
    mostra(impostaAiuto(*engine_, k, attiva));
}

void DrawingWindow::spuntaAiuti()
{
    aiutdis(VOCE_SNAP, stato_.aiuti.snapattivo == AIUTO_ON);
    aiutdis(VOCE_GRIGLIA, stato_.aiuti.grigliaattiva == AIUTO_ON);
}

void DrawingWindow::mostra(const EtichettaAiuto& etichetta)
{
    frame_.coloreEtichetta(etichetta.n, etichetta.colore);
    frame_.suggerimentoEtichetta(etichetta.n, etichetta.suggerimento);
}

void DrawingWindow::impostGenerali()
{
    Notifier& notifier = ctx_.porte.notifier;
    AgganciImpost agganci;
    agganci.redraw = [this] { engine_->redraw(); };
    agganci.etichetta = [this](int n, int colore) { frame_.coloreEtichetta(n, colore); };
    ImpostDialog dialogo(stato_, agganci, notifier, this);
    dialogo.exec();
}

void DrawingWindow::impfiltri(int filtro)
{
    impostaFiltro(stato_, ctx_.riga, filtro);
    tavola_->aggiorna();
    // A settings file that cannot be written leaves the new filter in force.
    salvafileini_dis(stato_);
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
    DrawingState& s = stato_;
    // The stored state comes first, so that the stored view is fitted to the
    // client area the window has in it. Taking that size is no change to the drawing.
    const int dasalvare = s.dasalvare;
    mostraStato(d.statoFinestra);
    s.dasalvare = dasalvare;
    applicaDisegno(*engine_, d);
    aiutiLetti();
}

void DrawingWindow::aiutiLetti()
{
    spuntaAiuti();
    mostra(etichettaAiuto(stato_, ETICHETTA_SNAP));
    mostra(etichettaAiuto(stato_, ETICHETTA_GRIGLIA));
    salvafileini_dis(stato_);
}

void DrawingWindow::mostraStato(int statoFinestra)
{
    if (statoFinestra == 1)
        showMinimized();
    else if (statoFinestra == 2)
        showMaximized();
    else
        showNormal();
    // The picture takes its new size now rather than on the next pass of the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
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
    // Taking the maximised size is no change to the drawing.
    const int dasalvare = stato_.dasalvare;
    mostraStato(2);
    stato_.dasalvare = dasalvare;
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
    tramel::mnutipolinea_Click(finestraDialogo(), dialoghiQt(this));
}

void DrawingWindow::mnutiposup_Click()
{
    tramel::mnutiposup_Click(finestraDialogo(), dialoghiQt(this));
}

void DrawingWindow::mnutipotesto_Click()
{
    tramel::mnutipotesto_Click(finestraDialogo(), dialoghiQt(this));
}

} // namespace tramel
