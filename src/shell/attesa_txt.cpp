#include "attesa_txt.h"

#include "finestra_disegno.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace tramel {

AttesaTxt::AttesaTxt(DrawingWindow& finestra, QWidget* parent) : QDialog(parent), finestra_(finestra)
{
    setWindowTitle(QStringLiteral("Tramel -        Attendere . . . . Importo  File"));
    setModal(true);
    auto* colonna = new QVBoxLayout(this);
    Label1_ = new QLabel;
    ProgressBar1_ = new QProgressBar;
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setValue(0);
    colonna->addWidget(Label1_);
    colonna->addWidget(ProgressBar1_);
    Timer1_ = new QTimer(this);
    Timer1_->setInterval(100);
    Timer1_->setSingleShot(true);
    connect(Timer1_, &QTimer::timeout, this, &AttesaTxt::Timer1_Timer);
}

std::optional<ErroreTxt> AttesaTxt::esegui(const std::string& compito)
{
    Label1_->setText(QString::fromStdString(compito));
    esito_ = ErroreTxt{};
    Timer1_->start();
    exec();
    return esito_;
}

void AttesaTxt::Timer1_Timer()
{
    // The read holds the event loop: the bar repaints itself as its value changes.
    const auto barra = [this](int valore) { ProgressBar1_->setValue(valore); };
    // No exception may cross the event loop, and the window closes whatever happened.
    try {
        if (Label1_->text() == QStringLiteral("Leggi TXT"))
            esito_ = finestra_.leggitxt(barra);
    } catch (const std::exception&) {
        esito_ = ErroreTxt{};
    }
    accept();
}

} // namespace tramel
