#include "selcol.h"

#include "impost.h"

#include "platform/palette.h"
#include "platform/qt_dc.h"
#include "platform/rounding.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace tramel {

Selcol::Selcol(Impost& impost, std::string scopo, double corrente) : Label1(std::move(scopo)), impost_(impost)
{
    if (std::isfinite(corrente) && Palette::valid(cint(corrente)))
        Option1 = cint(corrente);
}

void Selcol::Command1_Click()
{
    if (!Option1)
        return;
    const std::string indice = std::to_string(*Option1);
    if (Label1 == puntatore)
        impost_.Text1.testo = indice;
    else if (Label1 == sfondo)
        impost_.Text2.testo = indice;
}

SelcolDialog::SelcolDialog(Selcol& modello, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromUtf8(Selcol::titolo.data(), Selcol::titolo.size()));
    auto* griglia = new QGridLayout(this);
    auto* label1 = new QLabel(QString::fromStdString(modello.Label1), this);
    label1->setObjectName("Label1");
    griglia->addWidget(label1, 0, 0, 1, 4);
    auto* opzioni = new QButtonGroup(this);
    // Two columns of eight: swatch, then the option with the colour's name.
    for (int i = 0; i < Palette::count; ++i) {
        const std::string_view nome = Palette::name(i);
        auto* opzione = new QRadioButton(QString::fromUtf8(nome.data(), nome.size()), this);
        opzione->setObjectName(QString("Option1_%1").arg(i));
        opzione->setChecked(modello.Option1 == i);
        opzioni->addButton(opzione, i);
        auto* campione = new QLabel(this);
        campione->setObjectName(QString("Text1_%1").arg(i));
        campione->setFixedSize(24, 16);
        campione->setAutoFillBackground(true);
        QPalette pal = campione->palette();
        pal.setColor(QPalette::Window, qtColor(Palette::color(i)));
        campione->setPalette(pal);
        campione->setFrameShape(QFrame::Box);
        const int riga = 1 + i % 8;
        const int colonna = 2 * (i / 8);
        griglia->addWidget(campione, riga, colonna);
        griglia->addWidget(opzione, riga, colonna + 1);
    }
    connect(opzioni, &QButtonGroup::idClicked, this, [&modello](int i) { modello.Option1 = i; });
    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    ok->setDefault(true);
    auto* annulla = new QPushButton("Annulla", this);
    annulla->setObjectName("Command2");
    griglia->addWidget(ok, 9, 2);
    griglia->addWidget(annulla, 9, 3);
    connect(ok, &QPushButton::clicked, this, [this, &modello] {
        modello.Command1_Click();
        accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace tramel
