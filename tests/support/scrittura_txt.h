#pragma once
// A writer of text drawings, for the tests and the benchmark only (the program
// reads the format, it never writes it): the header on one line, then each
// kind's blocks, every number in the shortest text that reads back to the same
// value, with the decimal separator given.
#include "files/lettura_txt.h"
#include "platform/cp1252.h"

#include <charconv>
#include <string>

namespace tramel::prova {

class ScritturaTxt {
public:
    explicit ScritturaTxt(std::string decimale) : decimale_(std::move(decimale)) {}

    // Windows-1252, or UTF-8 after a byte-order mark.
    std::string scrivi(const DisegnoTxt& d, bool utf8 = false)
    {
        out_ = utf8 ? "\xEF\xBB\xBF" : "";
        utf8_ = utf8;
        out_ += std::to_string(d.colsfondo.toInt16()) + "," + std::to_string(d.colanteprima.toInt16()) + ",\""
                + d.snapattivo + "\"," + testoNumero(d.passosnap, ".") + "," + d.grigliaattiva + ","
                + testoNumero(d.passogriglia, ".") + "\r\n";
        const disegno& e = d.dis;
        for (int i = 1; i <= e.linee.Count(); ++i)
            linea(e.linee.Item(i));
        for (int i = 1; i <= e.superfici.Count(); ++i)
            poligono("Superficie", e.superfici.Item(i));
        for (int i = 1; i <= e.polilinee.Count(); ++i)
            polilineaScritta(e.polilinee.Item(i));
        for (int i = 1; i <= e.archi.Count(); ++i)
            arco(e.archi.Item(i));
        for (int i = 1; i <= e.cerchi.Count(); ++i)
            cerchio(e.cerchi.Item(i));
        for (int i = 1; i <= e.rettangoli.Count(); ++i)
            poligono("Rettangolo", e.rettangoli.Item(i));
        for (int i = 1; i <= e.testi.Count(); ++i)
            testoScritto(e.testi.Item(i));
        return std::move(out_);
    }

    template <class T>
    static std::string testoNumero(T v, const std::string& decimale)
    {
        char buf[64];
        std::string s(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
        if (const auto p = s.find('.'); p != std::string::npos)
            s.replace(p, 1, decimale);
        return s;
    }

private:
    template <class T>
    void n(T v) { riga(testoNumero(v, decimale_)); }
    void riga(const std::string& testo) { out_ += (utf8_ ? testo : cp1252::encode(testo)) + "\r\n"; }

    void linea(const Linea& l)
    {
        riga("Linea");
        n(l.colorelinea), n(l.speslinea), n(l.TipoLinea), n(l.Xi), n(l.Yi), n(l.Xf), n(l.Yf);
    }
    template <class T>
    void riempimento(const T& e)
    {
        n(e.campitura), n(e.colcont), n(e.colocampitura), n(e.spescont), n(e.trattcont);
    }
    void vertici(const ListaVertici& e, bool conteggio)
    {
        if (conteggio)
            n(e.vertic());
        for (int i = 1; i <= e.vertic(); ++i)
            n(e.punto(i).x), n(e.punto(i).y);
    }
    template <class T>
    void poligono(const std::string& tipo, const T& e)
    {
        riga(tipo);
        riempimento(e);
        vertici(e, tipo == "Superficie");
    }
    void polilineaScritta(const polilinea& p)
    {
        riga("Polilinea");
        n(p.colcont), n(p.spescont), n(p.trattcont);
        vertici(p, true);
    }
    void arco(const Arco& a)
    {
        riga("Arco");
        n(a.colcont), n(a.spescont), n(a.trattcont);
        n(a.p1x), n(a.p1y), n(a.p2x), n(a.p2y), n(a.p3x), n(a.p3y);
    }
    void cerchio(const Cerchio& c)
    {
        riga("Cerchio");
        riempimento(c);
        n(c.Xcentro), n(c.Ycentro), n(c.Xpunto), n(c.YPunto);
    }
    void testoScritto(const testo& t)
    {
        riga("Testo");
        n(t.pos_testox), n(t.pos_testoy);
        for (std::int16_t f : {t.barrato_testo, t.bold_testo, t.corsivo_testo, t.opaco_testo, t.sottolineato_testo})
            riga(f == VERO ? "1" : "0");
        n(t.dimens_testo), n(t.ang_testo()), n(t.colore_testo), n(t.colore_opaco_testo);
        riga(t.nomeCarattere());
        riga(t.stringa_testo);
    }

    std::string decimale_;
    std::string out_;
    bool utf8_ = false;
};

} // namespace tramel::prova
