// Writes sample drawings as DXF files into the folder given, each beside a
// JSON file of the entities a DXF reader must find in it. The program starts
// as the application does, so that the locale comes from the environment.
#include "files/esporta_dxf.h"
#include "platform/palette.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <string>

namespace tramel {
namespace {

constexpr double YMAX = 20;

// The DXF colour of each palette colour, in index order.
constexpr int COLORI_DXF[Palette::count] = {0, 166, 3, 51, 1, 6, 3, 9, 8, 5, 2, 4, 1, 230, 2, 0};

QJsonArray punto(double x, double y)
{
    return {x, YMAX - y};
}

class Campione {
public:
    QJsonArray attese;
    disegno dis;

    void linea(double xi, double yi, double xf, double yf, Rgb colore, int dxf)
    {
        auto l = std::make_unique<Linea>();
        l->Xi = xi, l->Yi = yi, l->Xf = xf, l->Yf = yf, l->colorelinea = colore;
        dis.linee.Add(std::move(l));
        attese.append(QJsonObject{{"tipo", "LINE"}, {"colore", dxf}, {"punti", QJsonArray{punto(xi, yi), punto(xf, yf)}}});
    }
    void cerchio(double xc, double yc, double xp, double yp, double raggio)
    {
        auto c = std::make_unique<Cerchio>();
        c->Xcentro = xc, c->Ycentro = yc, c->Xpunto = xp, c->YPunto = yp, c->colcont = Palette::color(BLU);
        dis.cerchi.Add(std::move(c));
        attese.append(QJsonObject{{"tipo", "CIRCLE"}, {"colore", 5}, {"punti", QJsonArray{punto(xc, yc)}}, {"raggio", raggio}});
    }
    void testo(const std::string& s, const std::string& letto, float dimens, double angolo)
    {
        auto t = std::make_unique<tramel::testo>();
        t->stringa_testo = s, t->pos_testox = 3, t->pos_testoy = 4, t->dimens_testo = dimens;
        t->colore_testo = Palette::color(FUCSIA);
        t->ang_testo(angolo);
        dis.testi.Add(std::move(t));
        // The height as written: seven significant digits of the single-precision quotient.
        const double altezza = QString::number(dimens / 25.0f, 'g', 7).toDouble();
        attese.append(QJsonObject{{"tipo", "TEXT"}, {"colore", 230}, {"punti", QJsonArray{punto(3, 4 + altezza)}},
                                  {"testo", QString::fromStdString(letto)}, {"altezza", altezza}, {"angolo", angolo}});
    }
    template <class T>
    void vertici(std::vector<Punto> punti, bool chiusa)
    {
        auto e = std::make_unique<T>();
        e->vertici(punti);
        e->colcont = Palette::color(BORDEAUX);
        collezione<T>(dis).Add(std::move(e));
        QJsonArray p;
        for (const Punto& v : punti)
            p.append(punto(v.x, v.y));
        attese.append(QJsonObject{{"tipo", "POLYLINE"}, {"colore", 1}, {"punti", p}, {"chiusa", chiusa}});
    }

    bool scrivi(const QString& cartella, const QString& nome)
    {
        QFile json(cartella + "/" + nome + ".json");
        return scriviDxf(dis, YMAX, (cartella + "/" + nome + ".dxf").toStdString()) && json.open(QIODevice::WriteOnly)
               && json.write(QJsonDocument(attese).toJson()) > 0;
    }
};

// Every kind, every palette colour and some that are none, texts the code
// page lacks or that hold a line break, extreme numbers; an arc and an erased
// line, which are left out.
Campione tutto()
{
    Campione c;
    for (int i = 0; i < Palette::count; ++i)
        c.linea(i, i + 0.5, -i, 1.0 / (i + 1), Palette::color(i), COLORI_DXF[i]);
    c.linea(1e15, 1.5e-5, 123456789012345, -0.25, RGB(1, 2, 3), 0);
    c.linea(-1e300, 1e-300, 1e300, -1e-300, RGB(255, 255, 254), 0);
    c.dis.linee.Add(std::make_unique<Linea>());
    c.dis.linee.Item(c.dis.linee.Count()).stato = STATO_CANCELLATO;
    c.cerchio(1, 2, 4, 6, 5);
    c.testo("Perché già più città €", "Perché già più città €", 10, 0);
    c.testo("a\r\nb\tc   ", "a  b c", 7.5f, -45);
    c.testo("漢字 ok", "?? ok", 1000, 359);
    c.vertici<polilinea>({{0, 0}, {1, 2}, {3, -4}}, false);
    c.vertici<polilinea>({}, false);
    c.vertici<superficie>({{0, 0}, {5, 0}, {2.5, 3}}, true);
    c.vertici<Rettangolo>({{0, 0}, {4, 0}, {4, 2}, {0, 2}}, true);
    auto a = std::make_unique<Arco>();
    a->p2x = 1, a->p3y = 1;
    c.dis.archi.Add(std::move(a));
    return c;
}

} // namespace
} // namespace tramel

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    tramel::Campione vuoto;
    return vuoto.scrivi(cartella, "vuoto") && tramel::tutto().scrivi(cartella, "tutto") ? 0 : 1;
}
