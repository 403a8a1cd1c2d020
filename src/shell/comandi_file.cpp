// The frame's window registry and file commands: new drawing windows, and
// "Apri", "Salva" and "SalvaConNome" on a given window.
#include "finestra_principale.h"

#include "attesa_txt.h"
#include "finestra_disegno.h"
#include "programma.h"
#include "tavola.h"

#include "platform/palette.h"
#include "platform/record_file.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QStyle>

namespace tramel {

namespace {

void avvisa(Notifier& n, const std::string& testo)
{
    n.messaggio(testo, titoloProgramma, Pulsanti::Ok, Icona::Nessuna);
}

void nonSalvato(Notifier& n, const std::string& nome)
{
    avvisa(n, "Impossibile salvare il file: \"" + nome + "\"");
}

} // namespace

DrawingWindow* Frame::nuovodisegno()
{
    Notifier::Occupato occupato(ctx_.porte.notifier);
    auto* finestra = new DrawingWindow(ctx_, *this);
    const int n = ctx_.registro.aggiungi(finestra);
    area_->addSubWindow(finestra);
    // The bars just shown give the drawing area its size first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int passo = finestra->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, finestra);
    const QRect posto = posizioneNuova(area_->viewport()->size(), ultimaPosizione_, passo);
    finestra->setGeometry(posto);
    ultimaPosizione_ = posto.topLeft();
    finestra->show();
    finestra->Form_Load();
    // The first sizing of a shown window follows its load.
    finestra->Form_Resize();
    area_->setActiveSubWindow(finestra);
    finestraAttivata(finestra);
    finestra->setCaption("Disegno _ " + std::to_string(n));
    finestra->engine().memxin();
    finestra->engine().impostdistipo();
    ctx_.registro.registra(n, finestra->caption());
    RigaComando& riga = ctx_.riga;
    riga.Text[1].abilitata = false;
    riga.Text[1].colore = GRIGIO_CHIARO;
    riga.Text[2].colore = GRIGIO_CHIARO;
    riga.notifica();
    chiudiMaschera();
    return finestra;
}

void Frame::apri()
{
    std::string comando = "Apri";
    gestionefile(*nuovodisegno(), comando);
}

EsitoFile Frame::gestionefile(DrawingWindow& finestra, std::string& comando)
{
    if (comando == "Apri")
        return apriFile(finestra);
    if (comando == "Salva" && finestra.senzaTitolo())
        comando = "SalvaConNome";
    if (comando == "Salva")
        return salvaCome(finestra, finestra.caption());
    if (comando == "SalvaConNome")
        return salvaConNome(finestra);
    return EsitoFile::Abbandonato;
}

EsitoFile Frame::apriFile(DrawingWindow& finestra)
{
    Notifier& notifier = ctx_.porte.notifier;
    const std::string nome = ctx_.porte.files.apri("Apri", filtroDisegni).value_or("");
    // Only windows open now hold their file.
    if (!nome.empty() && ctx_.registro.inUso(nome, &finestra)) {
        avvisa(notifier, nome + "  Attualmente in uso.");
        fallimentoApri(finestra);
        return EsitoFile::Abbandonato;
    }
    if (!canRead(nome)) {
        fallimentoApri(finestra);
        return EsitoFile::Abbandonato;
    }
    const int n = ctx_.registro.numero(&finestra);
    ctx_.registro.disegnocorrente = n;
    ctx_.registro.registra(n, nome);
    finestra.setCaption(nome);
    if (std::string dettaglio; !leggiDisegno(finestra, dettaglio)) {
        // No window stays open, titled with a file it could not read.
        avvisa(notifier, "Impossibile leggere il file: \"" + nome + "\"" + dettaglio);
        fallimentoApri(finestra);
        return EsitoFile::Fallito;
    }
    return EsitoFile::Riuscito;
}

void Frame::fallimentoApri(DrawingWindow& finestra)
{
    // The window gives its number back, so that the next one reuses it.
    if (ctx_.registro.numero(&finestra) == ctx_.registro.contadisegni())
        ctx_.registro.rimuoviUltimo();
    finestra.chiudiSenzaDomanda();
}

bool Frame::leggiDisegno(DrawingWindow& finestra, std::string& dettaglio)
{
    if (!nomeTxt(finestra.caption()))
        return finestra.leggifile();
    AttesaTxt attesa(finestra, this);
    const auto errore = attesa.esegui("Leggi TXT");
    dettaglio = errore ? tramel::dettaglio(*errore) : "";
    return !errore;
}

std::optional<std::string> nomeDaSalvare(const Porte& porte, const std::string& titolo, const std::string& filtro,
                                         const std::string& proposto)
{
    for (;;) {
        // A dialog closed without a choice keeps the name it was given.
        const std::string nome = porte.files.salva(titolo, filtro, proposto).value_or(proposto);
        if (nome.empty())
            return std::nullopt;
        if (!fileExists(nome))
            return nome;
        const Risposta r = porte.notifier.messaggio("File \"" + nome + "\"  Esiste - Sovrapporre?", titoloProgramma,
                                                    Pulsanti::SiNoAnnulla, Icona::Domanda);
        if (r == Risposta::Si)
            return nome;
        if (r != Risposta::No)
            return std::nullopt;
    }
}

EsitoFile Frame::salvaConNome(DrawingWindow& finestra)
{
    const std::string proposto = finestra.senzaTitolo() ? "" : finestra.caption();
    const std::optional<std::string> nome = nomeDaSalvare(ctx_.porte, "Salva con Nome", filtroDisegni, proposto);
    if (!nome)
        return EsitoFile::Abbandonato;
    // Only the permissions are tested: opening the file for writing would
    // empty an existing drawing before the save has even started.
    if (!canWrite(*nome)) {
        nonSalvato(ctx_.porte.notifier, *nome);
        return EsitoFile::Fallito;
    }
    return salvaCome(finestra, *nome);
}

EsitoFile Frame::salvaCome(DrawingWindow& finestra, const std::string& nome)
{
    const std::string vecchio = finestra.caption();
    finestra.setCaption(nome);
    if (finestra.salvafile()) {
        ctx_.registro.registra(ctx_.registro.numero(&finestra), nome);
        return EsitoFile::Riuscito;
    }
    finestra.setCaption(vecchio);
    nonSalvato(ctx_.porte.notifier, nome);
    return EsitoFile::Fallito;
}

} // namespace tramel
