#include "files/scrittura_dis.h"

#include "dis_prova.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace tramel {
namespace {

using namespace prova;
namespace fs = std::filesystem;

class Scrittura : public testing::Test {
protected:
    // Saves the window's drawing and gives the file's bytes.
    std::string salva(std::int16_t statoFinestra = 0)
    {
        EXPECT_TRUE(salvafile(s, dir / "d.dis", statoFinestra));
        return leggiByte(dir / "d.dis");
    }
    // The entity records of the saved file, as bytes.
    std::string entita() { return salva().substr(11 * L); }

    ValoriModulo m;
    DrawingState s{m};
    Cartella dir;
};

std::string arial(const std::string& testo)
{
    return std::string("Arial\0", 6) + std::string(26, ' ') + blank(testo, 100);
}

TEST_F(Scrittura, HeaderHoldsViewStateColoursAndDrawingAids)
{
    s.finx = 1.5f;
    s.finy = -2;
    s.finlarg = 30;
    s.finalt = 12.25f;
    s.colori.colsfondo = Variant(std::int16_t{3});
    s.colori.colanteprima = Variant(7.0); // as the settings dialog leaves it
    s.aiuti.snapattivo = "ON";
    s.aiuti.passosnap = 0.5f;
    s.aiuti.grigliaattiva = "OFF";
    s.aiuti.passogriglia = 2.5f;

    Intestazione atteso;
    atteso.finx = le(1.5f);
    atteso.finy = le(-2.0f);
    atteso.finlarg = le(30.0f);
    atteso.finalt = le(12.25f);
    atteso.stato = intero(2);
    atteso.colsfondo = intero(3);
    atteso.colanteprima = doppia(7);
    atteso.passosnap = le(0.5f);
    atteso.passogriglia = le(2.5f);
    const std::string file = salva(2);
    EXPECT_EQ(file, atteso.bytes());
    EXPECT_EQ(file.size(), 2662u);
    EXPECT_EQ(file.substr(7 * L, 6), std::string("\x08\x00\x02\x00ON", 6));
    EXPECT_EQ(file.substr(9 * L, 7), std::string("\x08\x00\x03\x00OFF", 7));
}

TEST_F(Scrittura, DrawingOfErasedEntitiesOnlyIsTheHeaderAlone)
{
    auto linea = std::make_unique<Linea>();
    linea->stato = STATO_CANCELLATO;
    s.dis.linee.Add(std::move(linea));
    auto t = std::make_unique<testo>();
    t->stato = STATO_CANCELLATO;
    s.dis.testi.Add(std::move(t));
    EXPECT_EQ(salva().size(), 2662u);
}

// One entity of each kind and its records, field by field.
struct CasoKind {
    const char* nome;
    std::function<void(disegno&)> aggiungi;
    std::vector<Rec> record;
};

std::vector<CasoKind> casiKind()
{
    std::vector<CasoKind> casi;
    casi.push_back({"Linea",
                    [](disegno& d) {
                        auto l = std::make_unique<Linea>();
                        l->Xi = 1, l->Yi = 2, l->Xf = 3.5, l->Yf = 4;
                        l->colorelinea = RGB(255, 0, 0), l->TipoLinea = 2, l->speslinea = 1.5f;
                        l->vert1_selez = 1;
                        d.linee.Add(std::move(l));
                    },
                    {{.tipo = "Linea", .x1 = 1, .y1 = 2, .x2 = 3.5, .y2 = 4, .colore1 = 0xFF, .tratto = 2, .spessore = 1.5f}}});
    casi.push_back({"Arco",
                    [](disegno& d) {
                        auto a = std::make_unique<Arco>();
                        a->p1x = 1, a->p1y = 2, a->p2x = 3, a->p2y = 4, a->p3x = 5, a->p3y = -6;
                        a->colcont = 0x123456, a->trattcont = 3, a->spescont = 2;
                        d.archi.Add(std::move(a));
                    },
                    {{.tipo = "Arco", .x1 = 1, .y1 = 2, .x2 = 3, .y2 = 4, .x3 = 5, .y3 = -6, .colore1 = 0x123456, .tratto = 3,
                      .spessore = 2}}});
    casi.push_back({"Cerchio",
                    [](disegno& d) {
                        auto c = std::make_unique<Cerchio>();
                        c->Xcentro = 10, c->Ycentro = 20, c->Xpunto = 13, c->YPunto = 24, c->raggio = 5;
                        c->colcont = 7, c->colocampitura = 9, c->trattcont = 1, c->campitura = 6, c->spescont = 0.5f;
                        d.cerchi.Add(std::move(c));
                    },
                    {{.tipo = "Cerchio", .x1 = 10, .y1 = 20, .x2 = 13, .y2 = 24, .colore1 = 7, .colore2 = 9, .tratto = 1,
                      .riempimento = 6, .spessore = 0.5f}}});
    casi.push_back({"Rettangolo",
                    [](disegno& d) {
                        auto r = std::make_unique<Rettangolo>();
                        r->vertic(4);
                        r->inser_vert_ret(0, 0, 1), r->inser_vert_ret(4, 0, 2), r->inser_vert_ret(4, 3, 3),
                            r->inser_vert_ret(0, 3, 4);
                        r->colcont = 1, r->colocampitura = 2, r->trattcont = 4, r->campitura = 5, r->spescont = 3;
                        d.rettangoli.Add(std::move(r));
                    },
                    {{.tipo = "Rettangolo", .x1 = 0, .y1 = 0, .x2 = 4, .y2 = 0, .x3 = 4, .y3 = 3, .colore1 = 1, .colore2 = 2,
                      .tratto = 4, .riempimento = 5, .spessore = 3},
                     {.tipo = "ContinuaRettangolo", .x1 = 0, .y1 = 3}}});
    casi.push_back({"Superficie",
                    [](disegno& d) {
                        auto sup = std::make_unique<superficie>();
                        sup->vertic(4);
                        for (int i = 1; i <= 4; ++i)
                            sup->inser_vert_sup(i, -i, i);
                        sup->colcont = 11, sup->colocampitura = 12, sup->trattcont = 0, sup->campitura = 3, sup->spescont = 1;
                        d.superfici.Add(std::move(sup));
                    },
                    {{.tipo = "Superficie", .x1 = 1, .y1 = -1, .x2 = 2, .y2 = -2, .x3 = 3, .y3 = -3, .colore1 = 11,
                      .colore2 = 12, .riempimento = 3, .spessore = 1, .numero = 4},
                     {.tipo = "ContinuaSuperficie", .x1 = 4, .y1 = -4}}});
    casi.push_back({"Polilinea",
                    [](disegno& d) {
                        auto pol = std::make_unique<polilinea>();
                        pol->vertic(5);
                        for (int i = 1; i <= 5; ++i)
                            pol->inser_vert_pol(10 * i, i, i);
                        pol->colcont = 21, pol->trattcont = 5, pol->spescont = 4, pol->lunghez = 99;
                        d.polilinee.Add(std::move(pol));
                    },
                    {{.tipo = "Polilinea", .x1 = 10, .y1 = 1, .x2 = 20, .y2 = 2, .x3 = 30, .y3 = 3, .colore1 = 21,
                      .tratto = 5, .spessore = 4, .numero = 5},
                     {.tipo = "ContinuaPolilinea", .x1 = 40, .y1 = 4, .x2 = 50, .y2 = 5}}});
    casi.push_back({"Testo",
                    [](disegno& d) {
                        auto t = std::make_unique<testo>();
                        t->carattere_testo("Arial");
                        t->stringa_testo = "abc";
                        t->pos_testox = 2, t->pos_testoy = 3;
                        t->bold_testo = VERO;
                        t->opaco_testo = VERO;
                        t->sottolineato_testo = VERO;
                        t->colore_testo = 0x0000FF, t->colore_opaco_testo = 0xFFFFFF;
                        t->ang_testo(90);
                        t->dimens_testo = 12;
                        d.testi.Add(std::move(t));
                    },
                    {{.tipo = "Testo", .x1 = 2, .y1 = 3, .x2 = 0, .y2 = 1, .x3 = 0, .y3 = 1, .colore1 = 0xFF,
                      .colore2 = 0xFFFFFF, .tratto = 1, .riempimento = 90, .spessore = 12, .stringa = arial("abc")}}});
    return casi;
}

TEST_F(Scrittura, EachKindGivesItsRecordsByteForByte)
{
    for (const CasoKind& caso : casiKind()) {
        SCOPED_TRACE(caso.nome);
        s.dis = disegno();
        caso.aggiungi(s.dis);
        std::string atteso;
        for (const Rec& r : caso.record)
            atteso += r.bytes();
        EXPECT_EQ(entita(), atteso);
    }
}

TEST_F(Scrittura, LineRecordMatchesTheBytesWorkedOutByHand)
{
    casiKind()[0].aggiungi(s.dis);
    const std::string r = entita();
    ASSERT_EQ(r.size(), L);
    EXPECT_EQ(r.substr(0, 40), "Linea" + std::string(35, ' '));
    EXPECT_EQ(r.substr(40, 8), std::string("\x00\x00\x00\x00\x00\x00\xf0\x3f", 8));
    EXPECT_EQ(r.substr(64, 8), std::string("\x00\x00\x00\x00\x00\x00\x10\x40", 8));
    EXPECT_EQ(r.substr(88, 4), std::string("\xff\x00\x00\x00", 4));
    EXPECT_EQ(r.substr(108, 132), std::string(132, ' '));
    EXPECT_EQ(r.substr(240, 2), std::string(2, '\0'));
}

// Surfaces and polylines take three vertices a record, the count in the first.
TEST_F(Scrittura, VerticesThreeToARecord)
{
    for (const int n : {0, 1, 2, 3, 4, 1000}) {
        SCOPED_TRACE(n);
        s.dis = disegno();
        auto sup = std::make_unique<superficie>();
        sup->vertic(static_cast<std::int16_t>(n));
        for (int i = 1; i <= n; ++i)
            sup->inser_vert_sup(i, 0.5 * i, i);
        s.dis.superfici.Add(std::move(sup));
        const std::string r = entita();
        const std::size_t m = static_cast<std::size_t>((n + 2) / 3);
        ASSERT_EQ(r.size(), m * L);
        for (std::size_t i = 0; i < m; ++i) {
            const std::string rec = r.substr(i * L, L);
            Rec atteso{.tipo = i == 0 ? "Superficie" : "ContinuaSuperficie", .numero = std::int16_t(i == 0 ? n : 0)};
            double* campi[3][2] = {{&atteso.x1, &atteso.y1}, {&atteso.x2, &atteso.y2}, {&atteso.x3, &atteso.y3}};
            for (int j = 0; j < 3; ++j) {
                const int k = static_cast<int>(3 * i) + j + 1;
                if (k <= n)
                    *campi[j][0] = k, *campi[j][1] = 0.5 * k;
            }
            ASSERT_EQ(rec, atteso.bytes()) << "record " << i + 1;
        }
    }
}

TEST_F(Scrittura, RectangleAlwaysGivesTwoRecords)
{
    auto r = std::make_unique<Rettangolo>();
    r->vertic(3);
    r->inser_vert_ret(1, 1, 1);
    s.dis.rettangoli.Add(std::move(r));
    const std::string e = entita();
    ASSERT_EQ(e.size(), 2 * L);
    EXPECT_EQ(e.substr(L), Rec{.tipo = "ContinuaRettangolo"}.bytes());
}

// A text's `stringa`: the 32 bytes of the font field, then the text cut or padded to 100.
TEST_F(Scrittura, TextFieldAndFlags)
{
    struct Caso {
        const char* carattere;
        std::string testo;
        std::string stringa;
    };
    const std::string lungo(120, 'x');
    const std::string nome31(31, 'F');
    const Caso casi[] = {
        {"Arial", "abc", arial("abc")},
        {"Arial", lungo, arial(std::string(100, 'x'))},
        {"Arial", "città è più €", arial("citt\xE0 \xE8 pi\xF9 \x80")},
        {"Arial", "日本 →", arial("?? ?")},
        {nome31.c_str(), "a", nome31 + std::string(1, '\0') + blank("a", 100)},
        {"Times New Roman", "", std::string("Times New Roman\0", 16) + std::string(16 + 100, ' ')},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.testo);
        s.dis = disegno();
        auto t = std::make_unique<testo>();
        t->carattere_testo(c.carattere);
        t->stringa_testo = c.testo;
        s.dis.testi.Add(std::move(t));
        EXPECT_EQ(entita().substr(108, 132), c.stringa);
    }
}

TEST_F(Scrittura, TextFlagsAreOneOnlyForTrue)
{
    auto t = std::make_unique<testo>();
    t->barrato_testo = 1; // not True: only -1 counts
    t->bold_testo = VERO;
    t->corsivo_testo = FALSO;
    t->opaco_testo = VERO;
    t->sottolineato_testo = 1;
    s.dis.testi.Add(std::move(t));
    const std::string r = entita();
    EXPECT_EQ(r.substr(56, 8), le(0.0));
    EXPECT_EQ(r.substr(64, 8), le(1.0));
    EXPECT_EQ(r.substr(72, 8), le(0.0));
    EXPECT_EQ(r.substr(80, 8), le(1.0));
    EXPECT_EQ(r.substr(96, 4), le<std::int32_t>(0));
}

TEST_F(Scrittura, KindsInFileOrderErasedSkippedSelectedAsNormal)
{
    // Added in the opposite order to the file's.
    for (const CasoKind& caso : casiKind())
        caso.aggiungi(s.dis);
    auto cancellata = std::make_unique<Linea>();
    cancellata->Xi = 99;
    cancellata->stato = STATO_CANCELLATO;
    s.dis.linee.Add(std::move(cancellata));
    s.dis.archi.Item(1).stato = STATO_SELEZIONATO;
    s.dis.cerchi.Item(1).stampare = 1;

    std::vector<std::string> tipi;
    const std::string e = entita();
    for (std::size_t i = 0; i < e.size(); i += L) {
        const std::string tipo = e.substr(i, 40);
        tipi.push_back(tipo.substr(0, tipo.find(' ')));
    }
    EXPECT_EQ(tipi, (std::vector<std::string>{"Linea", "Superficie", "ContinuaSuperficie", "Polilinea",
                                              "ContinuaPolilinea", "Arco", "Cerchio", "Rettangolo",
                                              "ContinuaRettangolo", "Testo"}));
    EXPECT_EQ(e.substr(5 * L, L), casiKind()[1].record[0].bytes()); // the selected arc as a normal one
}

TEST_F(Scrittura, SavingOverALongerFileLeavesNoTrailingRecord)
{
    scriviByte(dir / "d.dis", std::string(40 * L, 'x'));
    casiKind()[0].aggiungi(s.dis);
    EXPECT_EQ(salva().size(), 12 * L);
}

TEST_F(Scrittura, SaveWhereNothingCanBeWrittenFails)
{
    EXPECT_FALSE(salvafile(s, dir / "manca/d.dis", 0));
    EXPECT_FALSE(fs::exists(dir / "manca"));
    fs::create_directory(dir / "cartella.dis");
    EXPECT_FALSE(salvafile(s, dir / "cartella.dis", 0));
    EXPECT_TRUE(fs::is_directory(dir / "cartella.dis"));
}

// A write that fails part-way (here: the file size limit, which binds the
// superuser too) keeps the old file whole and leaves no temporary file.
TEST_F(Scrittura, FailedSaveLeavesTheOldFileIntact)
{
    const std::string vecchio(20 * L, 'v');
    scriviByte(dir / "d.dis", vecchio);
    for (int i = 0; i < 100; ++i)
        casiKind()[0].aggiungi(s.dis);

    rlimit prima{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &prima), 0);
    const auto gestore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite = prima;
    limite.rlim_cur = 30 * L;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limite), 0);
    const bool salvato = salvafile(s, dir / "d.dis", 0);
    setrlimit(RLIMIT_FSIZE, &prima);
    std::signal(SIGXFSZ, gestore);

    EXPECT_FALSE(salvato);
    EXPECT_EQ(leggiByte(dir / "d.dis"), vecchio);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / ""), {}), 1);
}

} // namespace
} // namespace tramel
