#include "zoomp.h"

#include "platform/numbers.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>
#include <limits>

namespace tramel {

namespace {

constexpr int BEEP_RIFIUTO = 6;

} // namespace

std::optional<std::int32_t> percentoZoom(std::string_view testo)
{
    const double p = std::nearbyint(valNumero(testo)); // ties to even
    if (!(p >= 1 && p <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(p);
}

void Zoomp::VScroll1_Change(int valore)
{
    VScroll1 = valore;
    Text1 = std::to_string(valore) + "%";
}

std::optional<std::int32_t> Zoomp::Command1_Click()
{
    const auto p = percentoZoom(Text1);
    if (!p)
        for (int i = 0; i < BEEP_RIFIUTO; ++i)
            notifier_.beep();
    return p;
}

ZoompDialog::ZoompDialog(Notifier& notifier, QWidget* parent) : QDialog(parent), modello_(notifier)
{
    auto* label1 = new QLabel(QStringLiteral("Percentuale zoom"));
    Text1_ = new QLineEdit(QString::fromStdString(modello_.Text1));
    Text1_->setObjectName("Text1");
    VScroll1_ = new QScrollBar(Qt::Vertical);
    VScroll1_->setObjectName("VScroll1");
    VScroll1_->setRange(1, 10000);
    VScroll1_->setValue(modello_.VScroll1);
    // The up arrow raises the percent.
    VScroll1_->setInvertedAppearance(true);
    VScroll1_->setInvertedControls(true);
    VScroll1_->setFixedHeight(Text1_->sizeHint().height());
    auto* command1 = new QPushButton(QStringLiteral("Ok"));
    command1->setObjectName("Command1");
    command1->setDefault(true);
    auto* command2 = new QPushButton(QStringLiteral("Annulla"));
    command2->setObjectName("Command2");

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(label1, 0, 0, 1, 3);
    griglia->addWidget(Text1_, 1, 0, 1, 2);
    griglia->addWidget(VScroll1_, 1, 2);
    griglia->addWidget(command1, 2, 0);
    griglia->addWidget(command2, 2, 1, 1, 2);

    connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int v) {
        modello_.VScroll1_Change(v);
        Text1_->setText(QString::fromStdString(modello_.Text1));
    });
    connect(Text1_, &QLineEdit::textEdited, this,
            [this](const QString& t) { modello_.Text1 = t.toStdString(); });
    connect(command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(command2, &QPushButton::clicked, this, &QDialog::reject);
}

void ZoompDialog::Command1_Click()
{
    percento_ = modello_.Command1_Click();
    if (percento_)
        accept();
}

} // namespace tramel
