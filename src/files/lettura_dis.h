#pragma once
#include "sorgente_record.h"

#include "entities/disegno.h"
#include "platform/variant.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace tramel {

// A drawing file read whole and found sound: the header's values and a new
// drawing of its entities, all in the normal state, in file order. The window
// applies it (its own window state, then applicaDisegno): the window state,
// the view fitted to the client area that state gives (selzoom on the stored
// corners, sums in single precision), the colours (colevidenzia from
// colsfondo), the snap and grid switches and steps, the entities, then
// cisonooggetti; the reader leaves cisonotesti at 0, since cisonooggetti
// covers texts too.
struct DisegnoLetto {
    // The stored view, or the default one when vistaValida is false.
    float finx = 0;
    float finy = 0;
    float finlarg = 0;
    float finalt = 0;
    // False when the stored view was not a rectangle of positive, finite size.
    bool vistaValida = true;
    std::int16_t statoFinestra = 0; // WindowState: 0 normal, 1 minimised, 2 maximised
    // Palette indexes 0-15, with the numeric tag they were stored with.
    Variant colsfondo;
    Variant colanteprima;
    // The texts as stored ("ON" or anything else, which means off).
    std::string snapattivo;
    std::string grigliaattiva;
    float passosnap = 0;
    float passogriglia = 0;
    disegno dis;
    bool cisonooggetti = false; // any entity, texts included
};

// Why a file was refused, and the record (from 1) where that showed; 0 when
// no one record is to blame.
struct ErroreLettura {
    enum class Motivo {
        Illeggibile,        // cannot be opened, or a read failed
        IntestazioneCorta,  // fewer than the eleven header records
        RecordParziale,     // ends with a piece of a record
        Intestazione,       // a header value of the wrong type, or out of range
        NumeroVertici,      // a vertex count of 0 or below
        VerticiOltreFine,   // a surface's or polyline's records run past the end
        RettangoloTroncato, // a rectangle's second record is missing
        // A coordinate, step, thickness or size that is not finite, a point of
        // an arc, polyline or surface beyond a Single, or an entity whose
        // measures are not finite: what the edits could not take.
        NonFinito,
    };
    Motivo motivo;
    std::uint64_t record = 0;
};

using EsitoLettura = std::variant<DisegnoLetto, ErroreLettura>;

// Reads and checks a whole drawing file; changes nothing else. Every entity
// it gives is finite as the edits require (finita), so it can be edited.
EsitoLettura leggifile(const std::filesystem::path& path);
// The same from records already at hand.
EsitoLettura leggiDisegno(SorgenteRecord& sorgente);

} // namespace tramel
