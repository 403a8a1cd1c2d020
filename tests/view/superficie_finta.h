#pragma once
#include "view/drawing_state.h"
#include "view/superficie.h"

#include "platform/recording_dc.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tramel {

// A window picture that records what is asked of it: the device calls, the
// clears and the requests to show it.
class SuperficieFinta : public SuperficieDisegno {
public:
    Dc& dc() override { return dc_; }
    const TextMetrics& metrics() const override { return metrics_; }
    void cls(Rgb colore) override { pulizie.push_back(colore); }
    void aggiorna() override { ++aggiornamenti; }

    const std::vector<std::string>& chiamate() const { return dc_.calls; }
    std::vector<std::string> solo(std::initializer_list<std::string_view> nomi) const { return dc_.only(nomi); }
    void dimentica() { dc_.clear(); }
    const std::vector<std::string>& disegni() const { return dc_.disegni(); }

    std::vector<Rgb> pulizie;
    int aggiornamenti = 0;

private:
    RecordingDc dc_;
    FakeTextMetrics metrics_;
};

// A window of 150 x 110 mm at 254 dpi (10 pixels a millimetre) showing the
// drawing from (x1, y1) at scale `scala`, with the grid off so that only
// entities reach the device.
struct FinestraProva {
    explicit FinestraProva(double scala = 3, double x1 = 0, double y1 = 0) : s(modulo)
    {
        Vista& v = s.vista;
        v.dpiX = 254;
        v.dpiY = 254;
        v.larghezzaMm = 150;
        v.altezzaMm = 110;
        v.scala = scala;
        v.origineX = static_cast<float>(x1 * scala);
        v.origineY = static_cast<float>(y1 * scala);
        s.aiuti.grigliaattiva = "OFF";
    }

    ValoriModulo modulo;
    DrawingState s;
    SuperficieFinta sup;
};

inline std::string colore(Rgb c)
{
    return RecordingDc::colorText(c);
}

// Whether call a comes before call b in the record (both present).
inline bool prima(const std::vector<std::string>& calls, const std::string& a, const std::string& b)
{
    const auto ia = std::find(calls.begin(), calls.end(), a);
    const auto ib = std::find(calls.begin(), calls.end(), b);
    return ia != calls.end() && ib != calls.end() && ia < ib;
}

} // namespace tramel
