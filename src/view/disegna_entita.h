#pragma once
#include "cache_testi.h"
#include "stato_disegno.h"
#include "superficie_disegno.h"

#include <functional>
#include <vector>

namespace tramel {

// What drawing an entity needs of its window: the picture's device context,
// the view, the highlight and foreground colours and how texts are measured.
// Take it once and draw many entities with it.
// A copy of an entity that draws on dc, kept for each thread and kind and
// reused: entities are drawn from a copy, the stored one never changes.
template <class T>
T& copiaSu(Dc& dc, const T& e)
{
    thread_local T copia;
    copia = e;
    copia.DC = &dc;
    return copia;
}

// The vertices 1 to vertic of an entity through converti(x, y), in a list
// kept for each thread and reused.
template <class Converti>
std::vector<Punto>& verticiConvertiti(const ListaVertici& e, Converti converti)
{
    thread_local std::vector<Punto> punti;
    punti.clear();
    for (int i = 1; i <= e.vertic(); ++i) {
        const Punto p = e.punto(i);
        punti.push_back(converti(p.x, p.y));
    }
    return punti;
}

struct ContestoDisegno {
    ContestoDisegno(const DrawingState& s, SuperficieDisegno& sup) : ContestoDisegno(s, sup.metrics(), sup.dc()) {}
    // Drawing through another device context of the same picture.
    ContestoDisegno(const DrawingState& s, const TextMetrics& metrics, Dc& dc);

    Dc& dc;
    Vista vista;
    Rgb evidenzia;      // palette(colevidenzia), the highlighted look
    Rgb primoPiano;     // the window's foreground colour
    bool bordoTesto;    // mostrabordotesto = 1: every text shows its box
    MisuraTesto misura;
    Punto centroSchermo; // middle of the client area, pixels
};

// Draws one entity on the window: normale true gives its own look, false the
// highlighted look of a selected entity (its colours replaced by the highlight
// colour). The entity is copied into device units and the copy draws itself;
// the stored entity is never touched. The entity kinds that draw themselves
// first plot the pixel at the scale origin in the foreground colour.
void disegnalinea(const ContestoDisegno& c, const Linea& linea, bool normale);
void disegnaPolilinea(const ContestoDisegno& c, const polilinea& pol, bool normale);
void disegnarettangolo(const ContestoDisegno& c, const Rettangolo& ret, bool normale);
void disegnasuperficie(const ContestoDisegno& c, const superficie& sup, bool normale);
void disegnacerchio(const ContestoDisegno& c, const Cerchio& cerchio, bool normale);
// An arc whose three points lie on one line has no circle: it is drawn as the segment from p1 to p2.
void disegnaarco(const ContestoDisegno& c, const Arco& arco, bool normale);
// A point of the drawing on the device.
using AlDispositivo = std::function<Punto(double, double)>;
// A copy of an arc on its DC, its points taken to the device by converti:
// through Disarco, or, where Disarco would not draw it in its place (a radius
// beyond its cap, a circle whose box leaves the band), as chords of its part
// near centroSchermo.
void disArcoDispositivo(Arco& copia, const AlDispositivo& converti, Punto centroSchermo);
// A circle already in device units, as copies are drawn: in its place by the
// device, or (a radius beyond what it draws accurately, or a box that leaves
// the band) its disc near centroSchermo as a polygon of chords.
void disCerchioDispositivo(Cerchio& copia, Punto centroSchermo);
// A text of size 0 or less draws nothing. scatola: the text's box when the
// caller has it (a redraw keeps them); otherwise it is measured when the box is shown.
void disegnatesto(const ContestoDisegno& c, const testo& t, bool normale, const ScatolaTesto* scatola = nullptr);

// The same, chosen by the entity's kind.
inline void disegna(const ContestoDisegno& c, const superficie& e, bool normale) { disegnasuperficie(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const Linea& e, bool normale) { disegnalinea(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const Rettangolo& e, bool normale) { disegnarettangolo(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const Cerchio& e, bool normale) { disegnacerchio(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const Arco& e, bool normale) { disegnaarco(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const polilinea& e, bool normale) { disegnaPolilinea(c, e, normale); }
inline void disegna(const ContestoDisegno& c, const testo& e, bool normale, const ScatolaTesto* scatola = nullptr)
{
    disegnatesto(c, e, normale, scatola);
}

} // namespace tramel
