#pragma once
#include "files/lettura_txt.h"

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QProgressBar;
class QTimer;

namespace tramel {

class DrawingWindow;

// The wait window (`barprog`) of a text drawing import: shown modal, it starts
// the import of its drawing window at the first tick of its timer, once it is
// on the screen, and closes itself afterwards whatever the import did.
class AttesaTxt : public QDialog {
public:
    AttesaTxt(DrawingWindow& finestra, QWidget* parent = nullptr);

    // Shows the window for the task named ("Leggi TXT" imports the drawing;
    // any other task only closes it): nothing when the import succeeded,
    // otherwise its fault (with no line when there was no import).
    std::optional<ErroreTxt> esegui(const std::string& compito);

    // The share of the file read, 0 to 100, set by the importer.
    QProgressBar& ProgressBar1() { return *ProgressBar1_; }

private:
    void Timer1_Timer();

    DrawingWindow& finestra_;
    QLabel* Label1_ = nullptr;
    QProgressBar* ProgressBar1_ = nullptr;
    QTimer* Timer1_ = nullptr;
    std::optional<ErroreTxt> esito_;
};

} // namespace tramel
