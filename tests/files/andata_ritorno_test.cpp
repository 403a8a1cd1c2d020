// A drawing written and read back compares equal field by field, apart from
// what the file does not keep: erased entities, states, stretch marks, print
// flags, and the text padded or cut to its 100 characters.
#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"

#include "dis_prova.h"
#include "synthetic.h"

#include "geometry/misure.h"

#include <gtest/gtest.h>

namespace tramel {
namespace {

using namespace prova;

// The text as it comes back: padded with blanks, or cut, to 100 characters.
std::string cento(const std::string& utf8)
{
    std::string s;
    int n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool inizio = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (inizio && n++ == 100)
            break;
        s += utf8[i];
    }
    return s + std::string(static_cast<std::size_t>(std::max(0, 100 - n)), ' ');
}

// An entity as the file gives it back: normal, not printed, without stretch
// marks, its text padded or cut to 100 characters.
template <class T>
T comeLetto(T e)
{
    e.stato = STATO_NORMALE;
    e.stampare = 0;
    if constexpr (requires { e.vert1_selez; })
        e.vert1_selez = e.vert2_selez = 0;
    if constexpr (std::is_base_of_v<ListaVertici, T>) {
        for (int i = 0; i <= e.vertic(); ++i)
            e.ins_vertselez(0, i);
    }
    if constexpr (std::is_same_v<T, testo>)
        e.stringa_testo = cento(e.stringa_testo);
    return e;
}

// Every entity of the original that is not erased, in order, against the ones read.
template <class T>
void collezioniUguali(const Collezione<T>& originale, const Collezione<T>& letta, int attesi)
{
    ASSERT_EQ(letta.Count(), attesi);
    int j = 0;
    for (int i = 1; i <= originale.Count(); ++i) {
        if (originale.Item(i).stato == STATO_CANCELLATO)
            continue;
        SCOPED_TRACE(i);
        EXPECT_TRUE(comeLetto(originale.Item(i)) == letta.Item(++j));
    }
}

std::unique_ptr<superficie> superficieDi(int n)
{
    auto s = std::make_unique<superficie>();
    s->vertic(static_cast<std::int16_t>(n));
    for (int i = 1; i <= n; ++i)
        s->inser_vert_sup(std::cos(i * 0.01) * 100, std::sin(i * 0.01) * 100 + 1.0 / 3, i);
    s->colcont = n, s->colocampitura = 2 * n, s->campitura = 6, s->trattcont = 3, s->spescont = 0.5f;
    calcola_perimetro_superficie(*s);
    calcola_area_superficie(*s);
    return s;
}

std::unique_ptr<testo> testoDi(const std::string& carattere, const std::string& stringa, std::int16_t flag)
{
    auto t = std::make_unique<testo>();
    t->carattere_testo(carattere);
    t->stringa_testo = stringa;
    t->barrato_testo = t->opaco_testo = t->sottolineato_testo = flag;
    t->bold_testo = t->corsivo_testo = flag == VERO ? FALSO : VERO;
    t->colore_testo = RGB(1, 2, 3);
    t->colore_opaco_testo = RGB(250, 251, 252);
    t->dimens_testo = 9.5f;
    t->ang_testo(-30);
    t->pos_testox = -1e6;
    t->pos_testoy = 1e-9;
    return t;
}

// Marks every third entity selected, with print flag and stretch marks, and
// erases every fifth.
template <class T>
void variaStati(Collezione<T>& c)
{
    for (int i = 1; i <= c.Count(); ++i) {
        T& e = c.Item(i);
        e.stampare = 1;
        if (i % 3 == 0)
            e.stato = STATO_SELEZIONATO;
        if (i % 5 == 0)
            e.stato = STATO_CANCELLATO;
        if constexpr (requires { e.vert1_selez; })
            e.vert1_selez = e.vert2_selez = 1;
        if constexpr (requires { e.ins_vertselez(1, 1); })
            e.ins_vertselez(1, 1);
    }
}

template <class T>
int nonCancellati(const Collezione<T>& c)
{
    int n = 0;
    for (int i = 1; i <= c.Count(); ++i)
        n += c.Item(i).stato != STATO_CANCELLATO;
    return n;
}

class AndataRitorno : public testing::Test {
protected:
    AndataRitorno()
    {
        s.dis = std::move(*disegnoSintetico(12, 777));
        for (const int n : {1, 3, 4, 1000})
            s.dis.superfici.Add(superficieDi(n));
        auto lunga = std::make_unique<polilinea>();
        lunga->vertic(1000);
        for (int i = 1; i <= 1000; ++i)
            lunga->inser_vert_pol(i, -i * 0.1, i);
        s.dis.polilinee.Add(std::move(lunga));
        s.dis.testi.Add(testoDi("Courier New", "Perché è così? Sì, l'€ è là.", VERO));
        s.dis.testi.Add(testoDi("Arial", std::string(60, 'a') + std::string(60, 'b'), FALSO));
        s.dis.testi.Add(testoDi("Sans Très Spéciale Grande Nome Lungo", "ÀÉÎÕÜ àéîõü", VERO));
        variaStati(s.dis.linee);
        variaStati(s.dis.superfici);
        variaStati(s.dis.polilinee);
        variaStati(s.dis.archi);
        variaStati(s.dis.cerchi);
        variaStati(s.dis.rettangoli);
        variaStati(s.dis.testi);
        s.finx = -12.5f, s.finy = 7, s.finlarg = 333.25f, s.finalt = 120;
        s.colori.colsfondo = Variant(3.0);
        s.colori.colanteprima = Variant(std::int16_t{9});
        s.aiuti.snapattivo = "OFF", s.aiuti.passosnap = 0.1f;
        s.aiuti.grigliaattiva = "ON", s.aiuti.passogriglia = 10;
    }

    ValoriModulo m;
    DrawingState s{m};
    Cartella dir;
};

TEST_F(AndataRitorno, EveryKindAndAttributeComesBack)
{
    ASSERT_TRUE(salvafile(s, dir / "a.dis", 1));
    EsitoLettura esito = leggifile(dir / "a.dis");
    ASSERT_TRUE(std::holds_alternative<DisegnoLetto>(esito));
    const DisegnoLetto& d = std::get<DisegnoLetto>(esito);

    EXPECT_EQ((std::vector{d.finx, d.finy, d.finlarg, d.finalt}), (std::vector{s.finx, s.finy, s.finlarg, s.finalt}));
    EXPECT_TRUE(d.vistaValida);
    EXPECT_EQ(d.statoFinestra, 1);
    EXPECT_EQ(d.colsfondo, s.colori.colsfondo); // same tag, same value
    EXPECT_EQ(d.colanteprima, s.colori.colanteprima);
    EXPECT_EQ(d.snapattivo, "OFF");
    EXPECT_EQ(d.passosnap, 0.1f);
    EXPECT_EQ(d.grigliaattiva, "ON");
    EXPECT_EQ(d.passogriglia, 10);
    EXPECT_TRUE(d.cisonooggetti);

    collezioniUguali(s.dis.linee, d.dis.linee, nonCancellati(s.dis.linee));
    collezioniUguali(s.dis.superfici, d.dis.superfici, nonCancellati(s.dis.superfici));
    collezioniUguali(s.dis.polilinee, d.dis.polilinee, nonCancellati(s.dis.polilinee));
    collezioniUguali(s.dis.archi, d.dis.archi, nonCancellati(s.dis.archi));
    collezioniUguali(s.dis.cerchi, d.dis.cerchi, nonCancellati(s.dis.cerchi));
    collezioniUguali(s.dis.rettangoli, d.dis.rettangoli, nonCancellati(s.dis.rettangoli));
    collezioniUguali(s.dis.testi, d.dis.testi, nonCancellati(s.dis.testi));
}

TEST_F(AndataRitorno, ADrawingReadBackIsWrittenAgainByteForByte)
{
    ASSERT_TRUE(salvafile(s, dir / "a.dis", 2));
    EsitoLettura esito = leggifile(dir / "a.dis");
    ASSERT_TRUE(std::holds_alternative<DisegnoLetto>(esito));
    DisegnoLetto& d = std::get<DisegnoLetto>(esito);
    DrawingState t{m};
    t.dis = std::move(d.dis);
    t.finx = d.finx, t.finy = d.finy, t.finlarg = d.finlarg, t.finalt = d.finalt;
    t.colori.colsfondo = d.colsfondo, t.colori.colanteprima = d.colanteprima;
    t.aiuti.snapattivo = d.snapattivo, t.aiuti.passosnap = d.passosnap;
    t.aiuti.grigliaattiva = d.grigliaattiva, t.aiuti.passogriglia = d.passogriglia;
    ASSERT_TRUE(salvafile(t, dir / "b.dis", d.statoFinestra));
    EXPECT_EQ(leggiByte(dir / "a.dis"), leggiByte(dir / "b.dis"));
}

} // namespace
} // namespace tramel
