#include "estensioni.h"

#include "geometry/ingombro.h"

namespace tramel {

void determxymin_xymax(DrawingState& s, const MisuraTesto& misura)
{
    Riquadro e{0, 0, 0, 0}; // the origin always counts
    const double scala = s.vista.scala;
    const auto conta = [&]<class T>(const T& x) {
        if constexpr (std::is_same_v<T, testo>) {
            const double x1 = x.pos_testox * scala, y1 = x.pos_testoy * scala;
            double x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
            determvert_testo(x, misura, scala, x1, y1, x2, y2, x3, y3, x4, y4);
            for (const Punto p : {Punto{x1, y1}, Punto{x2, y2}, Punto{x3, y3}, Punto{x4, y4}})
                e = unione(e, Punto{p.x / scala, p.y / scala});
        } else {
            e = unione(e, ingombro(x));
        }
    };
    perOgniVivo<superficie, polilinea, Rettangolo, Linea, Cerchio, Arco, testo>(s.dis, conta);
    s.xmin = e.x1;
    s.ymin = e.y1;
    s.xmax = e.x2;
    s.ymax = e.y2;
}

} // namespace tramel
