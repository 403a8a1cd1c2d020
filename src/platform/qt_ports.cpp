#include "qt_ports.h"

#include "palette.h"
#include "qt_dc.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QIcon>
#include <QPixmap>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace tramel {

namespace {

// "Disegni (*.DIS)" with "*.DIS" gives "Disegni (*.DIS *.dis)".
QString voceFiltro(const QString& descrizione, const QString& modelli)
{
    QStringList elenco;
    for (const QString& m : modelli.split(';', Qt::SkipEmptyParts)) {
        const QString modello = m.trimmed() == "*.*" ? QStringLiteral("*") : m.trimmed();
        for (const QString& variante : {modello, modello.toLower()})
            if (!elenco.contains(variante))
                elenco << variante;
    }
    const qsizetype parentesi = descrizione.indexOf('(');
    const QString nome = (parentesi < 0 ? descrizione : descrizione.left(parentesi)).trimmed();
    return nome + " (" + elenco.join(' ') + ")";
}

QMessageBox::StandardButtons pulsantiQt(Pulsanti p)
{
    switch (p) {
    case Pulsanti::OkAnnulla: return QMessageBox::Ok | QMessageBox::Cancel;
    case Pulsanti::SiNo: return QMessageBox::Yes | QMessageBox::No;
    case Pulsanti::SiNoAnnulla: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconaQt(Icona i)
{
    switch (i) {
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Avviso: return QMessageBox::Warning;
    case Icona::Errore: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
    }
}

Risposta risposta(int pulsante)
{
    switch (pulsante) {
    case QMessageBox::Yes: return Risposta::Si;
    case QMessageBox::No: return Risposta::No;
    case QMessageBox::Cancel: return Risposta::Annulla;
    default: return Risposta::Ok;
    }
}

std::optional<std::string> scelta(const QString& nome)
{
    if (nome.isEmpty())
        return std::nullopt;
    return nome.toStdString();
}

} // namespace

QString filtroQt(const std::string& filtro)
{
    const QStringList parti = QString::fromStdString(filtro).split('|');
    QStringList voci;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2)
        if (!parti[i].isEmpty())
            voci << voceFiltro(parti[i], parti[i + 1]);
    return voci.join(";;");
}

Risposta QtNotifier::messaggio(const std::string& testo, const std::string& titolo, Pulsanti pulsanti, Icona icona)
{
    QMessageBox box(iconaQt(icona), QString::fromStdString(titolo), QString::fromStdString(testo),
                    pulsantiQt(pulsanti), QApplication::activeWindow());
    // The busy pointer must not hide the arrow the user answers with.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int r = box.exec();
    QApplication::restoreOverrideCursor();
    // Closing the box with Esc or its close button answers as its cancelling button.
    return risposta(r);
}

void QtNotifier::beep()
{
    QApplication::beep();
}

void QtNotifier::occupato(bool attivo)
{
    if (attivo)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

std::optional<std::string> QtFileChooser::apri(const std::string& titolo, const std::string& filtro)
{
    return scelta(QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromStdString(titolo),
                                               QString(), filtroQt(filtro)));
}

std::optional<std::string> QtFileChooser::salva(const std::string& titolo, const std::string& filtro,
                                                const std::string& nome)
{
    // The program asks its own question about overwriting.
    return scelta(QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(titolo),
                                               QString::fromStdString(nome), filtroQt(filtro), nullptr,
                                               QFileDialog::DontConfirmOverwrite));
}

std::optional<Rgb> QtColorChooser::scegli(Rgb iniziale)
{
    const QColor c = QColorDialog::getColor(QColor(redOf(iniziale), greenOf(iniziale), blueOf(iniziale)),
                                            QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return RGB(c.red(), c.green(), c.blue());
}

bool QtShell::apri(const std::string& indirizzo)
{
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(indirizzo));
    return url.isValid() && QDesktopServices::openUrl(url);
}

double QtClock::secondi() const
{
    return static_cast<double>(timer_.nsecsElapsed()) / 1e9;
}

QString qs(std::string_view testo)
{
    return QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
}

QFont qtFontDi(const SceltaCarattere& c)
{
    QFont f(QString::fromStdString(c.nome));
    if (c.dimensione > 0)
        f.setPointSizeF(c.dimensione);
    f.setBold(c.grassetto);
    f.setItalic(c.corsivo);
    f.setStrikeOut(c.barrato);
    f.setUnderline(c.sottolineato);
    return f;
}

std::optional<SceltaCarattere> QtFontChooser::scegli(const SceltaCarattere& iniziale)
{
    QDialog dialogo(parent_);
    dialogo.setWindowTitle("Carattere");
    auto* nome = new QFontComboBox(&dialogo);
    nome->setCurrentFont(qtFontDi(iniziale));
    // The list shows the face the name resolved to ("Arial" as "Liberation
    // Sans"); unless the user picks another, the stored name is kept.
    const QString mostrata = nome->currentFont().family();
    // The size box shows two decimals and reaches the size it is given, which
    // comes back exactly unless the user changes what the box shows.
    auto* dimensione = new QDoubleSpinBox(&dialogo);
    dimensione->setDecimals(2);
    dimensione->setRange(std::min(1.0, double{iniziale.dimensione}), std::max(1638.0, double{iniziale.dimensione}));
    dimensione->setValue(iniziale.dimensione);
    const double dimensioneMostrata = dimensione->value();
    auto* grassetto = new QCheckBox("Grassetto", &dialogo);
    auto* corsivo = new QCheckBox("Corsivo", &dialogo);
    auto* barrato = new QCheckBox("Barrato", &dialogo);
    auto* sottolineato = new QCheckBox("Sottolineato", &dialogo);
    grassetto->setChecked(iniziale.grassetto);
    corsivo->setChecked(iniziale.corsivo);
    barrato->setChecked(iniziale.barrato);
    sottolineato->setChecked(iniziale.sottolineato);
    auto* colore = new QComboBox(&dialogo);
    for (int i = 0; i < Palette::count; ++i) {
        QPixmap campione(16, 16);
        campione.fill(qtColor(Palette::color(i)));
        colore->addItem(QIcon(campione), qs(Palette::name(i)), Palette::color(i));
    }
    // A colour outside the palette is kept as it is unless another is chosen.
    if (colore->findData(iniziale.colore) < 0)
        colore->addItem("Personalizzato", iniziale.colore);
    colore->setCurrentIndex(colore->findData(iniziale.colore));
    auto* pulsanti = new QDialogButtonBox(&dialogo);
    pulsanti->addButton("OK", QDialogButtonBox::AcceptRole);
    pulsanti->addButton("Annulla", QDialogButtonBox::RejectRole);
    QObject::connect(pulsanti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);

    auto* modulo = new QFormLayout(&dialogo);
    modulo->addRow("Tipo di carattere:", nome);
    modulo->addRow("Dimensione:", dimensione);
    modulo->addRow(grassetto, corsivo);
    modulo->addRow(barrato, sottolineato);
    modulo->addRow("Colore:", colore);
    modulo->addRow(pulsanti);
    if (dialogo.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString famiglia = nome->currentFont().family();
    return SceltaCarattere{famiglia == mostrata ? iniziale.nome : famiglia.toStdString(),
                           dimensione->value() == dimensioneMostrata ? iniziale.dimensione
                                                                     : static_cast<float>(dimensione->value()),
                           grassetto->isChecked(),
                           corsivo->isChecked(),
                           barrato->isChecked(),
                           sottolineato->isChecked(),
                           colore->currentData().toInt()};
}

namespace {

constexpr int risoluzionePdf = 600;

} // namespace

QtPrintDevice::QtPrintDevice()
{
    if (printer_.outputFormat() == QPrinter::PdfFormat)
        printer_.setResolution(risoluzionePdf);
}

double QtPrintDevice::larghezzaMm() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).width();
}

double QtPrintDevice::altezzaMm() const
{
    return printer_.pageLayout().paintRect(QPageLayout::Millimeter).height();
}

int QtPrintDevice::risoluzione() const
{
    return printer_.resolution();
}

bool QtPrintDevice::suFile() const
{
    return printer_.outputFormat() == QPrinter::PdfFormat;
}

std::string QtPrintDevice::nome() const
{
    return (suFile() ? printer_.outputFileName() : printer_.printerName()).toStdString();
}

void QtPrintDevice::file(const std::string& percorso)
{
    printer_.setOutputFileName(QString::fromStdString(percorso));
    printer_.setResolution(risoluzionePdf);
}

Dc* QtPrintDevice::inizia()
{
    if (!painter_.begin(&printer_))
        return nullptr;
    // Hatches and dashes keep on paper the lengths they have on the screen.
    dc_.emplace(painter_, true);
    return &*dc_;
}

bool QtPrintDevice::termina()
{
    dc_.reset();
    const bool chiuso = painter_.end();
    return chiuso && printer_.printerState() != QPrinter::Error;
}

bool QtPrintDevice::imposta()
{
    QPrintDialog dialogo(&printer_, QApplication::activeWindow());
    const bool scelto = dialogo.exec() == QDialog::Accepted;
    if (suFile())
        printer_.setResolution(risoluzionePdf);
    return scelto;
}

} // namespace tramel
