#include "spesslin.h"

#include "platform/palette.h"
#include "platform/qt_dc.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace tramel {

Spesslin::Spesslin(std::array<float, 16>& spesslinstampa, NumberFormat formato, Notifier& notifier,
                   std::function<void()> salvafileini, std::string titoloMessaggi)
    : spesslinstampa_(spesslinstampa), formato_(std::move(formato)), notifier_(notifier),
      salvafileini_(std::move(salvafileini)), titoloMessaggi_(std::move(titoloMessaggi))
{
}

void Spesslin::Form_Load()
{
    // A Single shows with its own 7 digits.
    for (std::size_t i = 0; i < 16; ++i)
        Text1[i] = Coordinata::di(spesslinstampa_[i], formato_.toText(valNumero(strNumero(spesslinstampa_[i]))));
}

std::string Spesslin::Text1_KeyPress(std::string_view digitato) const
{
    std::string testo;
    for (char c : digitato)
        testo += c == '.' ? formato_.decimalSeparator() : std::string(1, c);
    return testo;
}

bool Spesslin::Command1_Click()
{
    std::array<float, 16> letti{};
    for (std::size_t i = 0; i < 16; ++i) {
        const auto v = Text1[i].valore(formato_);
        if (!v || !entraInSingolo(*v)) {
            notifier_.beep();
            notifier_.messaggio("Spessore non valido per il colore \"" + std::string(nomi[i]) +
                                    "\": inserire un numero.",
                                titoloMessaggi_, Pulsanti::Ok, Icona::Informazione);
            fuoco = static_cast<int>(i);
            return false;
        }
        letti[i] = static_cast<float>(*v);
    }
    spesslinstampa_ = letti;
    if (salvafileini_)
        salvafileini_();
    return true;
}

namespace {

// A width box: a typed "." becomes the decimal separator.
class CasellaSpessore : public QLineEdit {
public:
    CasellaSpessore(const Spesslin& modello, QWidget* parent) : QLineEdit(parent), m_(modello) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->text() == ".") {
            insert(QString::fromStdString(m_.Text1_KeyPress(".")));
            return;
        }
        QLineEdit::keyPressEvent(e);
    }

private:
    const Spesslin& m_;
};

} // namespace

SpesslinDialog::SpesslinDialog(Spesslin& modello, QWidget* parent) : QDialog(parent), modello_(modello)
{
    setWindowTitle(QString::fromUtf8(Spesslin::titolo.data(), Spesslin::titolo.size()));
    modello_.Form_Load();
    auto* griglia = new QGridLayout(this);
    const QString intestazione = QString::fromUtf8(Spesslin::intestazione.data(), Spesslin::intestazione.size());
    griglia->addWidget(new QLabel(intestazione, this), 0, 0, 1, 3);
    griglia->addWidget(new QLabel(intestazione, this), 0, 3, 1, 3);
    for (int i = 0; i < 16; ++i) {
        const int riga = 1 + i % 8, colonna = i / 8 * 3;
        auto* campione = new QLabel(this);
        campione->setObjectName(QStringLiteral("Picture3_%1").arg(i));
        campione->setFixedSize(24, 16);
        campione->setAutoFillBackground(true);
        QPalette pal = campione->palette();
        pal.setColor(QPalette::Window, qtColor(Palette::color(i)));
        campione->setPalette(pal);
        const auto nome = Spesslin::nomi[static_cast<std::size_t>(i)];
        auto* casella = new CasellaSpessore(modello_, this);
        casella->setObjectName(QStringLiteral("Text1_%1").arg(i));
        casella->setText(QString::fromStdString(modello_.Text1[static_cast<std::size_t>(i)].testo));
        Text1_[static_cast<std::size_t>(i)] = casella;
        griglia->addWidget(campione, riga, colonna);
        griglia->addWidget(new QLabel(QString::fromUtf8(nome.data(), nome.size()), this), riga, colonna + 1);
        griglia->addWidget(casella, riga, colonna + 2);
    }
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    auto* annulla = new QPushButton("Annulla", this);
    annulla->setObjectName("Command2");
    griglia->addWidget(ok, 9, 4);
    griglia->addWidget(annulla, 9, 5);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] {
        for (std::size_t i = 0; i < 16; ++i)
            modello_.Text1[i].testo = Text1_[i]->text().toStdString();
        if (modello_.Command1_Click())
            return accept();
        if (modello_.fuoco >= 0) {
            QLineEdit* c = Text1_[static_cast<std::size_t>(modello_.fuoco)];
            c->setFocus();
            c->selectAll();
        }
    });
}

} // namespace tramel
