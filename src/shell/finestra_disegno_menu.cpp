// The drawing window's menus: what each menu holds, and the handlers that
// open them. The rules behind the items are the engine's and the window rules'.
#include "finestra_disegno.h"

#include "contesto_app.h"
#include "finestra_principale.h"
#include "registro.h"

#include "commands/filtri.h"
#include "commands/finestra.h"
#include "platform/qt_ports.h"

#include <QMdiArea>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <string_view>

namespace tramel {

namespace {

QAction* voce(QMenu* menu, std::string_view testo, std::function<void()> f)
{
    QAction* a = menu->addAction(qs(testo));
    QObject::connect(a, &QAction::triggered, menu, std::move(f));
    return a;
}

// An item whose check mark its handler sets: the click does not flip it first.
QAction* voceSpuntata(QMenu* menu, std::string_view testo, bool spuntata, std::function<void()> f)
{
    QAction* a = menu->addAction(qs(testo));
    a->setCheckable(true);
    a->setChecked(spuntata);
    QObject::connect(a, &QAction::triggered, menu, [a, f = std::move(f)] {
        a->setChecked(!a->isChecked());
        f();
    });
    return a;
}

// The caption of the command that item i of a menu starts.
std::string_view nomeVoce(Famiglia famiglia, int i)
{
    return perVoce(famiglia, i)->nome;
}

} // namespace

void DrawingWindow::costruisciMenu()
{
    auto* disegna = new QMenu(QStringLiteral("&Disegna"), this);
    for (int i = 1; i <= 7; ++i)
        voce(disegna, nomeVoce(Famiglia::Disegno, i), [this, i] { opdis_Click(i); });

    auto* help = new QMenu(QStringLiteral("?"), this);
    help->addAction(QStringLiteral("Help"))->setEnabled(false);
    voce(help, "Info su...", [this] { informa_Click(); });

    menus_ = {menuFile(), disegna, menuVisualizza(), menuEdita(), menuAiuti(), menuFiltri(), menuFinestra(), help};
}

QMenu* DrawingWindow::menuFile()
{
    auto* m = new QMenu(QStringLiteral("&File"), this);
    constexpr std::string_view voci[] = {"Nuovo", "Apri", "Salva", "Salva con Nome", "Chiudi",
                                         "",      "Imposta Stampante", "Stampa"};
    for (int i = 1; i <= 8; ++i) {
        if (i == 6)
            m->addSeparator();
        else
            opfile_[i] = voce(m, voci[i - 1], [this, i] { opfile_Click(i); });
    }
    opfile_[3]->setEnabled(false);
    opfile_[4]->setEnabled(false);
    QMenu* esporta = m->addMenu(QStringLiteral("Esporta"));
    voce(esporta, "Crea BMP", [this] { mnucreabmp_Click(); });
    voce(esporta, "Crea DXF", [this] { mnudxf_Click(); });
    connect(m, &QMenu::aboutToShow, this, [this] { file_Click(); });
    return m;
}

QMenu* DrawingWindow::menuVisualizza()
{
    auto* m = new QMenu(QStringLiteral("&Visualizza"), this);
    for (int i = 1; i <= 4; ++i) {
        selezoom_[i] = voce(m, nomeVoce(Famiglia::Zoom, i), [this, i] { selezoom_Click(i); });
        selezoom_[i]->setEnabled(false);
    }
    m->addSeparator();
    constexpr std::string_view voci[] = {"Barra strumenti", "",        "Coordinate cursore",
                                         "Riga Comandi",    "",        "Barra scorrimento orizzontale",
                                         "Barra scorrimento verticale"};
    for (int i = 1; i <= 7; ++i) {
        if (voci[i - 1].empty())
            m->addSeparator();
        else
            barre_[i] = voceSpuntata(m, voci[i - 1], true, [this, i] { barre_Click(i); });
    }
    connect(m, &QMenu::aboutToShow, this, [this] { visual_Click(); });
    return m;
}

QMenu* DrawingWindow::menuEdita()
{
    auto* m = new QMenu(QStringLiteral("&Edita"), this);
    QMenu* selezione = m->addMenu(QStringLiteral("Imposta Selezione"));
    modifica_[1] = selezione->menuAction();
    constexpr std::string_view modi[] = {"Seleziona Oggetto", "Seleziona Finestra", "Seleziona Intersezione"};
    for (int i = 1; i <= 3; ++i)
        impo_[i] = voceSpuntata(selezione, modi[i - 1], i == 3, [this, i] { impo_Click(i); });
    m->addSeparator();
    for (int i = 3; i <= 9; ++i)
        modifica_[i] = voce(m, nomeVoce(Famiglia::Modifica, i), [this, i] { modifica_Click(i); });
    m->addSeparator();
    voce(m, dati(Comando::DistanzaAngolo).nome, [this] { mnudistanza_Click(); });
    connect(m, &QMenu::aboutToShow, this, [this] { mnuedita_Click(); });
    return m;
}

QMenu* DrawingWindow::menuAiuti()
{
    auto* m = new QMenu(QStringLiteral("&Aiuti al disegno"), this);
    aiutdis_[VOCE_IMPOSTAZIONI] = voce(m, "Impost. Generali", [this] { impaiut(VOCE_IMPOSTAZIONI); });
    QMenu* caratteristiche = m->addMenu(QStringLiteral("Caratteristiche Oggetti"));
    aiutdis_[2] = caratteristiche->menuAction();
    voce(caratteristiche, "Linee, Polilinee, Archi", [this] { mnutipolinea_Click(); });
    voce(caratteristiche, "Superfici, Rettangoli, Cerchi", [this] { mnutiposup_Click(); });
    voce(caratteristiche, "Testo", [this] { mnutipotesto_Click(); });
    m->addSeparator();
    struct Aiuto {
        int k;
        std::string_view testo;
        bool spuntato;
        Qt::Key tasto;
    };
    const Aiuto aiuti[] = {{VOCE_SNAP, "Snap", true, Qt::Key_F6},
                           {VOCE_GRIGLIA, "Grid ", true, Qt::Key_F7},
                           {VOCE_ORTO, "Orto", false, Qt::Key_F8},
                           {VOCE_BORDO_TESTO, "Mostra Bordo Testo", true, Qt::Key_unknown}};
    for (const Aiuto& a : aiuti) {
        const int k = a.k;
        aiutdis_[k] = voceSpuntata(m, a.testo, a.spuntato, [this, k] { impaiut(k); });
        // Only the active window's menus are on the frame's menu bar, so only its keys act.
        if (a.tasto != Qt::Key_unknown)
            aiutdis_[k]->setShortcut(a.tasto);
    }
    m->addSeparator();
    return m;
}

QMenu* DrawingWindow::menuFiltri()
{
    auto* m = new QMenu(QStringLiteral("&Filtri                   F9"), this);
    for (int i = 0; i < static_cast<int>(VOCI_FILTRI.size()); ++i) {
        if (i == 1 || i == 5)
            m->addSeparator();
        else
            filtri_[i] = voceSpuntata(m, VOCI_FILTRI[i], i == 0, [this, i] { impfiltri(i); });
    }
    return m;
}

QMenu* DrawingWindow::menuFinestra()
{
    auto* m = new QMenu(QStringLiteral("F&inestra"), this);
    // The list of the frame's open windows, as it is when the menu opens.
    connect(m, &QMenu::aboutToShow, this, [this, m] {
        m->clear();
        for (DrawingWindow* w : ctx_.registro.aperte()) {
            QAction* a = m->addAction(w->windowTitle());
            a->setCheckable(true);
            a->setChecked(w == this);
            connect(a, &QAction::triggered, this, [this, finestra = QPointer<DrawingWindow>(w)] {
                if (finestra && !finestra->chiusa())
                    frame_.area().setActiveSubWindow(finestra);
            });
        }
    });
    return m;
}

void DrawingWindow::file_Click()
{
    const bool pieno = disegnoPieno(stato_);
    opfile_[3]->setEnabled(pieno);
    opfile_[4]->setEnabled(pieno);
}

void DrawingWindow::visual_Click()
{
    for (int i = 1; i <= 4; ++i)
        selezoom_[i]->setEnabled(disegnoPieno(stato_));
}

void DrawingWindow::mnuedita_Click()
{
    for (int i = 3; i <= 9; ++i)
        modifica_[i]->setEnabled(disegnoPieno(stato_));
    modifica_[1]->setEnabled(impostaSelezioneAbilitata(stato_));
}

bool DrawingWindow::aiutdis(int k) const
{
    return aiutdis_.at(static_cast<std::size_t>(k))->isChecked();
}

void DrawingWindow::aiutdis(int k, bool spuntato)
{
    aiutdis_.at(static_cast<std::size_t>(k))->setChecked(spuntato);
}

bool DrawingWindow::barre(int k) const
{
    return barre_.at(static_cast<std::size_t>(k))->isChecked();
}

bool DrawingWindow::impo(int k) const
{
    return impo_.at(static_cast<std::size_t>(k))->isChecked();
}

bool DrawingWindow::filtri(int k) const
{
    const QAction* a = filtri_.at(static_cast<std::size_t>(k));
    return a && a->isChecked();
}

} // namespace tramel
