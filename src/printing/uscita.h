#pragma once
#include "entities/disegno.h"
#include "platform/ui_ports.h"
#include "view/vista.h"

#include <array>
#include <string>

namespace tramel {

// Where the marked entities go: the print dialog's sheet (the preview) or the
// printer's page, in device pixels from the top-left corner.
struct Uscita {
    Dc& dc;
    bool anteprima;          // the preview's rules, otherwise the printer's
    double pxMmX, pxMmY;     // device pixels per millimetre
    double scalaant;         // device millimetres per drawing unit
    double origstampax, origstampay;
    const std::array<float, 16>& spesslinstampa;
    Punto centro;            // middle of the sheet or page, pixels
};

// The pen width, in pixels, of an entity of that thickness (tenths) and line
// colour: with thickness 0 the print width of its palette colour; the
// preview's width is a 2.8th of it, the printer's 0.72 times, at least 1.
float larghezzaStampa(const Uscita& u, float spessore, Rgb colore);

// Draws every entity not erased whose print mark is 1, kind by kind: circles,
// arcs, rectangles, surfaces, texts, then on paper polylines and lines (lines
// on top), in the preview lines and polylines. White lines, outlines and fills
// come out black; texts keep their colour. An arc on one straight line comes
// out as the segment p1-p2. The entities are only read.
void disegnaSegnati(const disegno& d, const Uscita& u);

// The preview's sheet: its size in millimetres and its device's pixels per millimetre.
struct Foglio {
    double largant, altant;
    double pxMmX, pxMmY;
};

// Clears the sheet and draws the preview of the marked entities at `scala`
// millimetres of paper per drawing unit from the origin (x, y), the sheet
// standing for the printer's printable area.
void anteprimastampa(const disegno& d, const std::array<float, 16>& spesslinstampa, const PrintDevice& stampante,
                     Dc& dc, const Foglio& foglio, double scala, double x, double y);

enum class EsitoStampa { Stampata, Annullata, Fallita };

// Prints the marked entities on one page at `scala` millimetres per drawing
// unit from the origin (x, y), at the top-left corner of the printable area.
// Printing into a PDF file asks for its name each time (a cancel, or No to
// replacing an existing file, prints nothing); a printer or file that fails
// is told in a message titled `titolo`.
EsitoStampa stampa(const disegno& d, const std::array<float, 16>& spesslinstampa, const Porte& porte,
                   const std::string& titolo, double scala, double x, double y);

} // namespace tramel
