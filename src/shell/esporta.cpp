// The drawing window's exports: the drawing as a DXF file, the drawing area's
// picture as a BMP file.
#include "finestra_disegno.h"

#include "contesto_app.h"
#include "finestra_principale.h"
#include "programma.h"
#include "tavola.h"

#include "files/esporta_dxf.h"
#include "platform/file_writer.h"

namespace tramel {

void DrawingWindow::mnudxf_Click()
{
    crea_dxf();
}

void DrawingWindow::mnucreabmp_Click()
{
    salvabmp();
}

void DrawingWindow::crea_dxf()
{
    const auto nome = nomeDaSalvare(ctx_.porte, "Crea DXF", "File Acad DXF (*.DXF)|*.DXF|", "");
    if (!nome)
        return;
    Notifier::Occupato occupato(ctx_.porte.notifier);
    // The extents as last worked out: the export does not recompute them.
    if (!scriviDxf(stato_.dis, stato_.ymax, *nome))
        erroreCreazione(*nome);
}

void DrawingWindow::salvabmp()
{
    const auto nome = nomeDaSalvare(ctx_.porte, "Crea BMP", "Immagine BMP (*.BMP)|*.BMP|", "");
    if (!nome)
        return;
    Notifier::Occupato occupato(ctx_.porte.notifier);
    // The persistent picture: what the last redraw and the entities added since painted, without the overlay.
    if (!salvaBmp(tavola_->immagine(), *nome))
        erroreCreazione(*nome);
}

void DrawingWindow::erroreCreazione(const std::string& nome)
{
    ctx_.porte.notifier.messaggio("Errore nella creazione del file:" + nome, titoloProgramma, Pulsanti::Ok,
                                  Icona::Nessuna);
}

} // namespace tramel
