#include "trasforma_entita.h"

#include "misure.h"

#include "platform/rounding.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace tramel {

namespace {

void segnato(std::int16_t& segno, double& x, double& y, Spostamento d)
{
    if (segno != 1)
        return;
    applica(x, y, d);
    segno = 0;
}

void stiraVertici(ListaVertici& v, Spostamento d)
{
    for (int i = 1; i <= v.vertic(); ++i) {
        std::int16_t segno = 0;
        v.prel_vertselez(segno, i);
        if (segno == 1) {
            v.punto(i, d(v.punto(i)));
            v.ins_vertselez(0, i);
        }
    }
}

bool tutti(std::initializer_list<double> valori)
{
    for (const double v : valori)
        if (!std::isfinite(v))
            return false;
    return true;
}

bool vertici(const ListaVertici& v, bool singoli)
{
    bool si = true;
    v.perOgniVertice([&](double x, double y) {
        si = si && (singoli ? inSingolo(x) && inSingolo(y) : tutti({x, y}));
    });
    return si;
}

} // namespace

bool inSingolo(double v)
{
    return std::abs(v) <= FLT_MAX;
}

bool finita(const Linea& l)
{
    return tutti({l.Xi, l.Yi, l.Xf, l.Yf, l.speslinea});
}

bool finita(const Arco& a)
{
    bool si = std::isfinite(a.spescont);
    for (const double v : {a.p1x, a.p1y, a.p2x, a.p2y, a.p3x, a.p3y})
        si = si && inSingolo(v);
    return si;
}

bool finita(const polilinea& p)
{
    return tutti({p.spescont, p.lunghez}) && vertici(p, true);
}

bool finita(const superficie& s)
{
    return tutti({s.spescont, s.perimet, s.supf}) && vertici(s, true);
}

bool finita(const Rettangolo& r)
{
    return tutti({r.spescont, r.perimet, r.supf}) && vertici(r, false);
}

bool finita(const Cerchio& c)
{
    return tutti({c.spescont, c.Xcentro, c.Ycentro, c.raggio, c.perimet, c.supf, c.Xpunto, c.YPunto});
}

bool finita(const testo& t)
{
    return tutti({t.pos_testox, t.pos_testoy, t.dimens_testo});
}

void piazzaPunto(Cerchio& c)
{
    c.Xpunto = c.Xcentro + c.raggio;
    c.YPunto = c.Ycentro;
}

void stira(Linea& l, Spostamento d, Punto)
{
    segnato(l.vert1_selez, l.Xi, l.Yi, d);
    segnato(l.vert2_selez, l.Xf, l.Yf, d);
}

void stira(Arco& a, Spostamento d, Punto base)
{
    if (a.vert1_selez == 1 || a.vert2_selez == 1)
        applica(a.p3x, a.p3y, d);
    segnato(a.vert1_selez, a.p1x, a.p1y, d);
    segnato(a.vert2_selez, a.p2x, a.p2y, d);
    riordinaEstremiArco(a, base);
}

void stira(polilinea& p, Spostamento d, Punto)
{
    stiraVertici(p, d);
}

void rimisura(superficie& s)
{
    calcola_perimetro_superficie(s);
    calcola_area_superficie(s);
}

void rimisura(Rettangolo& r)
{
    calcola_perimetro_rettangolo(r);
    calcola_area_rettangolo(r);
}

void stira(superficie& sup, Spostamento d, Punto)
{
    stiraVertici(sup, d);
    rimisura(sup);
}

void stira(Rettangolo& ret, Spostamento d, Punto)
{
    stiraVertici(ret, d);
    rimisura(ret);
}

void stira(Cerchio& c, Spostamento d, Punto)
{
    trasforma(c, d);
}

void stira(testo& t, Spostamento d, Punto)
{
    trasforma(t, d);
}

void ruota(testo& t, const Rotazione& r, double gradi)
{
    trasforma(t, r);
    t.ang_testo(clng(t.ang_testo() + variazioneAngoloTesto(gradi)));
}

void specchia(Arco& a, const Specchio& m)
{
    trasforma(a, m);
    std::swap(a.p1x, a.p2x);
    std::swap(a.p1y, a.p2y);
}

} // namespace tramel
