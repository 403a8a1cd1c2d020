#include "drawing_window.h"

#include "app_context.h"
#include "frame.h"
#include "programma.h"
#include "settings_dialog.h"
#include "settings_file.h"
#include "tavola.h"

#include "platform/numbers.h"
#include "platform/palette.h"

#include <QCloseEvent>
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
    // Panning by the bars is not wired yet.
    barra->setEnabled(false);
    layout->addWidget(barra);
    return pannello;
}

// The status label of a drawing aid: black with its step while on, grey while off.
void etichettaAiuto(Frame& frame, int n, const std::string& stato, const std::string& suggerimentoOn)
{
    const bool on = stato == "ON";
    frame.coloreEtichetta(n, on ? NERO : GRIGIO);
    frame.suggerimentoEtichetta(n, on ? suggerimentoOn : "[ OFF ]");
}

} // namespace

DrawingWindow::DrawingWindow(AppContext& contesto, Frame& frame)
    : ctx_(contesto), frame_(frame), stato_(contesto.modulo)
{
    setAttribute(Qt::WA_DeleteOnClose);
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
    connect(file->addAction(QStringLiteral("Nuovo")), &QAction::triggered, this, [this] { opfile_Click(1); });
    connect(file->addAction(QStringLiteral("Apri")), &QAction::triggered, this, [this] { opfile_Click(2); });
    QMenu* aiuti = new QMenu(QStringLiteral("&Aiuti al disegno"), this);
    connect(aiuti->addAction(QStringLiteral("Impost. Generali")), &QAction::triggered, this, [this] { impaiut(1); });
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
    frame_.coloreEtichetta(8, NERO);
    frame_.coloreEtichetta(9, NERO);
    frame_.coloreEtichetta(10, GRIGIO);
    // A settings file that cannot be written leaves the defaults in force.
    leggifileini_dis(stato_);
    barre();
    impscroll();
    DrawingState& s = stato_;
    s.dasalvare = 0;
    s.numcomando = 1;
    s.ridimensionato = false;
    engine_->reiniz(s.numcomando);
    s.modoselez = "Inters";
    s.comasospeso = recordcoma{};
    s.xmin = 0;
    s.ymin = 0;
    s.xmax = 500000000000.0;
    s.ymax = 300000000000.0;
    engine_->selzoom(0, 0, s.xmax, s.ymax);
    s.xmax = 50;
    s.ymax = 20;
    engine_->selzoom(0, 0, s.xmax, s.ymax);
    engine_->memxin();
    tavola_->dc().SetPixel(0, 0, s.forecolor);
    tavola_->aggiorna();
    caricata_ = true;
}

void DrawingWindow::barre()
{
    if (stato_.vedibarra1 == 0)
        frame_.disattivabarraStrum();
    if (stato_.vedibarra3 == 0)
        frame_.disattivapicture(1);
    if (stato_.vedibarra4 == 0)
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
    Picture3_->setVisible(stato_.vedibarra6 == 1);
    Picture4_->setVisible(stato_.vedibarra7 == 1);
}

void DrawingWindow::Form_Activate()
{
    DrawingState& s = stato_;
    tavola_->setCursor(Qt::CrossCursor);
    if (const int n = ctx_.registro.numero(this))
        ctx_.registro.disegnocorrente = n;
    engine_->scrivilabel1();
    etichettaAiuto(frame_, 8, s.snapattivo, "[ON] :" + strNumero(s.passosnap) + " ");
    etichettaAiuto(frame_, 9, s.grigliaattiva, "[ON] :" + strNumero(s.passogriglia) + " ");
    etichettaAiuto(frame_, 10, s.ortoattivo, "[ON]");
    impfiltri(s.filtrosnap);
    // The snap marker stands out from the window's own foreground colour.
    s.overlay.Shape3.colore =
        Palette::color(s.forecolor == Palette::color(VERDE_LIMONE) ? BORDEAUX : VERDE_LIMONE);
}

void DrawingWindow::Form_Deactivate()
{
    tavola_->unsetCursor();
    // A command never survives a change of the active window.
    if (!stato_.corrente().nome().empty())
        engine_->annullacomando(stato_.numcomando);
}

void DrawingWindow::Form_Resize()
{
    DrawingState& s = stato_;
    if (!caricata_ || ctx_.registro.numdisegni() == 0)
        return;
    // The first sizing, when the window is shown, is no change to the drawing.
    const bool primo = !s.ridimensionato;
    s.ridimensionato = true;
    // The picture follows the new size. The redraw empties the entities under construction: a pending command
    // keeps its own aside and goes on with it.
    OggettiCorrenti inCostruzione = std::move(s.ogg);
    engine_->redraw();
    s.ogg = std::move(inCostruzione);
    // The view is stored with the drawing, so a new size is a change.
    if (!primo)
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
    if (index == 1)
        frame_.nuovodisegno();
    else if (index == 2)
        frame_.apri();
}

void DrawingWindow::impaiut(int k)
{
    // The drawing-aid toggles come with the window's full menus.
    if (k != 1)
        return;
    Notifier& notifier = ctx_.porte.notifier;
    if (const std::string nome = stato_.corrente().nome(); !nome.empty()) {
        notifier.beep();
        notifier.messaggio("Completare il comando \"" + nome + "\" prima di modificare le impostazioni generali.",
                           titoloProgramma, Pulsanti::Ok, Icona::Informazione);
        return;
    }
    AgganciImpost agganci;
    agganci.redraw = [this] { engine_->redraw(); };
    agganci.etichetta = [this](int n, int colore) { frame_.coloreEtichetta(n, colore); };
    ImpostDialog dialogo(stato_, agganci, notifier, this);
    dialogo.exec();
    // The settings are written even when the dialog was cancelled.
    salvafileini_dis(stato_);
}

void DrawingWindow::impfiltri(int)
{
    // The object snap comes with its own filters; until then the filter stays free.
}

bool DrawingWindow::leggifile()
{
    // No drawing file can be read yet: the caller reports it as not readable.
    return false;
}

bool DrawingWindow::leggitxt()
{
    // No text drawing can be imported yet: the caller reports it as not readable.
    return false;
}

bool DrawingWindow::salvafile()
{
    // No drawing file can be written yet: the caller reports the save as failed
    // and the drawing stays marked as modified.
    return false;
}

} // namespace tramel
