#pragma once
// A drawing window for the property dialogs: the engine over a recording
// picture, scripted ports, Italian numbers and a settings file of its own.
#include "support/finestra_prova.h"

#include "properties/passaggio_dialogo.h"
#include "view/file_impostazioni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace tramel {

struct ProvaDialoghi : ::testing::Test, FinestraProva {
    QTemporaryDir cartella;
    FinestraDialogo f{motore, superficie, porte.porte(), NumberFormat(",", ".")};

    ProvaDialoghi() { modulo.nomefileini = cartella.filePath("Tramel.ini").toStdString(); }

    // Appends an entity to its collection and gives it back.
    template <class T>
    T& aggiungi(T e)
    {
        auto& c = collezione<T>(stato.dis);
        c.Add(std::make_unique<T>(std::move(e)));
        return c.Item(c.Count());
    }
    // The settings file as a new window reads it.
    DrawingState riletto()
    {
        static ValoriModulo m;
        m = ValoriModulo{};
        m.nomefileini = modulo.nomefileini;
        DrawingState s(m);
        leggifileini_dis(s);
        return s;
    }
};

inline Linea unaLinea(double xi, double yi, double xf, double yf, Rgb colore = 0, float spessore = 0,
                   std::int32_t stile = 0, std::int16_t stato = STATO_NORMALE)
{
    Linea l;
    l.Xi = xi, l.Yi = yi, l.Xf = xf, l.Yf = yf;
    l.colorelinea = colore, l.speslinea = spessore, l.TipoLinea = stile, l.stato = stato;
    return l;
}

inline Arco unArco(Punto p1, Punto p2, Punto p3, Rgb colore = 0, float spessore = 0, std::int32_t stile = 0,
                 std::int16_t stato = STATO_NORMALE)
{
    Arco a;
    a.p1x = p1.x, a.p1y = p1.y, a.p2x = p2.x, a.p2y = p2.y, a.p3x = p3.x, a.p3y = p3.y;
    a.colcont = colore, a.spescont = spessore, a.trattcont = stile, a.stato = stato;
    return a;
}

template <class T>
T conVertici(std::vector<Punto> punti, std::int16_t stato = STATO_NORMALE)
{
    T e;
    e.vertici(punti);
    e.stato = stato;
    return e;
}

} // namespace tramel
