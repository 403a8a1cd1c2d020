#pragma once
#include "platform/ui_ports.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;
class QScrollBar;

namespace tramel {

// The percent a text gives: its leading number rounded to a whole percent,
// halves to even ("150%" 150, "12.5" 12); nothing when that is below 1 or
// beyond the 32-bit range, which no zoom can take.
std::optional<std::int32_t> percentoZoom(std::string_view testo);

// Model of the zoom-by-percent dialog `zoomp`: the percent box and its spinner.
class Zoomp {
public:
    explicit Zoomp(Notifier& notifier) : notifier_(notifier) {}

    std::string Text1 = "100%";
    int VScroll1 = 100; // from 1 to 10000

    void VScroll1_Change(int valore);
    // Ok: the percent to zoom by, or nothing after six beeps (the dialog stays open).
    std::optional<std::int32_t> Command1_Click();

private:
    Notifier& notifier_;
};

// The zoom-by-percent dialog over its model. Enter in the box presses Ok.
class ZoompDialog : public QDialog {
public:
    ZoompDialog(Notifier& notifier, QWidget* parent = nullptr);
    Zoomp& modello() { return modello_; }
    // The percent Ok accepted, once the dialog has been accepted.
    std::optional<std::int32_t> percento() const { return percento_; }

private:
    void Command1_Click();

    Zoomp modello_;
    std::optional<std::int32_t> percento_;
    QLineEdit* Text1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
};

} // namespace tramel
