#include "view/file_impostazioni.h"

#include "sessione.h"

#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"
#include "platform/palette.h"
#include "platform/record.h"
#include "view/impostdistipo.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace tramel {
namespace {

std::string leggiByte(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void scriviByte(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string byte(std::initializer_list<int> valori)
{
    std::string s;
    for (const int v : valori)
        s += static_cast<char>(v);
    return s;
}

// The value part of record n (1-based) replaced by these bytes, the rest zero.
void sostituisciRecord(const std::string& path, int n, const std::string& valore)
{
    std::string file = leggiByte(path);
    std::string record = valore;
    record.resize(fileini::lunghezzaRecord, '\0');
    file.replace((n - 1) * fileini::lunghezzaRecord, fileini::lunghezzaRecord, record);
    scriviByte(path, file);
}

std::string variante(const Variant& v)
{
    Record r(16);
    r.putVariant(v);
    return r.bytes().substr(0, r.position());
}

std::string tagged(const Variant& v)
{
    return std::to_string(v.tag()) + ":" + v.toText();
}

// The 48 values of the settings file as a window holds them, in file order,
// as texts that keep the tags of the Variant members.
std::vector<std::string> valori(const DrawingState& s)
{
    const ValoriModulo& m = s.modulo;
    const BarreFinestra& b = s.barre;
    const TestoNuovo& t = s.testoNuovo;
    auto n = [](auto v) { return std::to_string(v); };
    std::vector<std::string> v = {
        n(s.aiuti.passogriglia), n(s.aiuti.passosnap), s.aiuti.snapattivo, s.aiuti.grigliaattiva,
        tagged(s.colori.colsfondo), tagged(s.colori.colanteprima), tagged(s.colori.colevidenzia),
        n(m.gen_colorelinea), n(m.gen_TipoLinea), n(m.gen_speslinea), n(m.gen_campitura),
        n(m.gen_colocampitura), n(m.gen_colcont), n(m.gen_spescont), n(m.gen_trattcont),
        n(b.vedibarra3), n(b.vedibarra4), n(b.vedibarra1), n(b.vedibarra6), n(b.vedibarra7),
        n(s.aiuti.filtrosnap), s.aiuti.ortoattivo, n(s.aiuti.mostrabordotesto), t.gen_carattere_testo,
        n(t.gen_dimens_testo), n(t.gen_bold_testo), n(t.gen_corsivo_testo), n(t.gen_barrato_testo),
        n(t.gen_sottolineato_testo), n(t.gen_colore_testo), n(t.gen_opaco_testo), n(t.gen_colore_opaco_testo),
    };
    for (const float w : m.spesslinstampa)
        v.push_back(n(w));
    return v;
}

// A value other than the default in every record.
void valoriDiProva(DrawingState& s)
{
    ValoriModulo& m = s.modulo;
    s.aiuti.passogriglia = 2.5f;
    s.aiuti.passosnap = 0.25f;
    s.aiuti.snapattivo = "OFF";
    s.aiuti.grigliaattiva = "OFF";
    s.colori.colsfondo = Variant(std::int16_t{3});
    s.colori.colanteprima = Variant(std::int16_t{12});
    s.colori.colevidenzia = Variant(std::int16_t{15});
    m.gen_colorelinea = RGB(1, 2, 3);
    m.gen_TipoLinea = 3;
    m.gen_speslinea = 25;
    m.gen_campitura = 4;
    m.gen_colocampitura = RGB(4, 5, 6);
    m.gen_colcont = RGB(7, 8, 9);
    m.gen_spescont = 13;
    m.gen_trattcont = 2;
    s.barre.vedibarra3 = 0;
    s.barre.vedibarra4 = 2;
    s.barre.vedibarra1 = 3;
    s.barre.vedibarra6 = 4;
    s.barre.vedibarra7 = 5;
    s.aiuti.filtrosnap = 4;
    s.aiuti.ortoattivo = "ON";
    s.aiuti.mostrabordotesto = 1;
    s.testoNuovo.gen_carattere_testo = "Times New Roman è";
    s.testoNuovo.gen_dimens_testo = 14;
    s.testoNuovo.gen_bold_testo = -1;
    s.testoNuovo.gen_corsivo_testo = 2;
    s.testoNuovo.gen_barrato_testo = 3;
    s.testoNuovo.gen_sottolineato_testo = 4;
    s.testoNuovo.gen_colore_testo = RGB(255, 0, 0);
    s.testoNuovo.gen_opaco_testo = 5;
    s.testoNuovo.gen_colore_opaco_testo = RGB(0, 0, 255);
    for (std::size_t i = 0; i < m.spesslinstampa.size(); ++i)
        m.spesslinstampa[i] = 0.1f * static_cast<float>(i + 1);
}

// One drawing window over its own module values.
struct Finestra {
    explicit Finestra(const std::string& ini) { modulo.nomefileini = ini; }
    ValoriModulo modulo;
    DrawingState s{modulo};
};

class SettingsFile : public ::testing::Test {
protected:
    std::string percorso(const char* nome = "Tramel.ini") const { return dir.filePath(nome).toStdString(); }

    // The defaults, as a new window holds them before any file is read.
    std::vector<std::string> predefiniti() const
    {
        ValoriModulo m;
        return valori(DrawingState(m));
    }

    // A file holding valoriDiProva, and those values.
    std::vector<std::string> fileDiProva()
    {
        Finestra a(percorso());
        valoriDiProva(a.s);
        EXPECT_TRUE(salvafileini_dis(a.s));
        return valori(a.s);
    }

    QTemporaryDir dir;
};

TEST_F(SettingsFile, MissingFileIsCreatedWithTheDefaultsByteForByte)
{
    Finestra f(percorso());
    valoriDiProva(f.s);
    EXPECT_TRUE(leggifileini_dis(f.s));
    EXPECT_EQ(valori(f.s), predefiniti());

    const std::string file = leggiByte(percorso());
    ASSERT_EQ(file.size(), 48u * 128u);
    const struct {
        std::size_t offset;
        std::string bytes;
    } attesi[] = {
        {0, byte({0x00, 0x00, 0x80, 0x3F})},
        {128, byte({0x00, 0x00, 0x80, 0x3F})},
        {256, byte({0x08, 0x00, 0x02, 0x00, 'O', 'N', 0x00})},
        {384, byte({0x08, 0x00, 0x02, 0x00, 'O', 'N', 0x00})},
        {512, byte({0x02, 0x00, 0x0F, 0x00, 0x00})},
        {640, byte({0x02, 0x00, 0x05, 0x00})},
        {768, byte({0x02, 0x00, 0x03, 0x00})},
        {1280, byte({0x07, 0x00, 0x00, 0x00})},
        {1920, byte({0x02, 0x00, 0x01, 0x00})},
        {2432, byte({0x02, 0x00, 0x01, 0x00})},
        {2560, byte({0x02, 0x00, 0x00, 0x00})},
        {2688, byte({0x08, 0x00, 0x03, 0x00, 'O', 'F', 'F', 0x00})},
        {2944, byte({0x05, 0x00, 'A', 'r', 'i', 'a', 'l', 0x00})},
        {3072, byte({0x0A, 0x00, 0x00, 0x00})},
        {3968, byte({0xFF, 0xFF, 0xFF, 0x00})},
        {4096 + 15 * 128, byte({0x00, 0x00, 0x00, 0x00})},
    };
    for (const auto& a : attesi)
        EXPECT_EQ(file.substr(a.offset, a.bytes.size()), a.bytes) << "offset " << a.offset;
    // The padding after each value is zeros.
    EXPECT_EQ(file.substr(256 + 6, 122), std::string(122, '\0'));
}

TEST_F(SettingsFile, EveryRecordRoundTripsWithItsTag)
{
    const auto scritti = fileDiProva();
    Finestra b(percorso());
    EXPECT_TRUE(leggifileini_dis(b.s));
    EXPECT_EQ(valori(b.s), scritti);

    // Written again, the file is the same to the byte.
    b.modulo.nomefileini = percorso("Copia.ini");
    ASSERT_TRUE(salvafileini_dis(b.s));
    EXPECT_EQ(leggiByte(percorso("Copia.ini")), leggiByte(percorso()));
}

TEST_F(SettingsFile, EachValueIsWrittenInItsOwnRecord)
{
    fileDiProva();
    const std::string file = leggiByte(percorso());
    ASSERT_EQ(file.size(), 48u * 128u);
    const auto codifica = [](auto&& scrivi) {
        Record r(16);
        scrivi(r);
        return r.bytes().substr(0, r.position());
    };
    const auto singola = [&](float v) { return codifica([&](Record& r) { r.putSingle(v); }); };
    const auto intero = [&](std::int16_t v) { return codifica([&](Record& r) { r.putInteger(v); }); };
    const auto lungo = [&](std::int32_t v) { return codifica([&](Record& r) { r.putLong(v); }); };
    const std::string attesi[] = {
        singola(2.5f), singola(0.25f), variante(Variant(std::string("OFF"))), variante(Variant(std::string("OFF"))),
        variante(Variant(std::int16_t{3})), variante(Variant(std::int16_t{12})), variante(Variant(std::int16_t{15})),
        lungo(RGB(1, 2, 3)), lungo(3), lungo(25), lungo(4), lungo(RGB(4, 5, 6)), lungo(RGB(7, 8, 9)), lungo(13),
        lungo(2), variante(Variant(std::int16_t{0})), variante(Variant(std::int16_t{2})),
        variante(Variant(std::int16_t{3})), variante(Variant(std::int16_t{4})), variante(Variant(std::int16_t{5})),
        variante(Variant(std::int16_t{4})), variante(Variant(std::string("ON"))), intero(1),
        byte({17, 0}) + "Times New Roman \xE8", lungo(14), intero(-1), intero(2), intero(3), intero(4),
        lungo(RGB(255, 0, 0)), intero(5), lungo(RGB(0, 0, 255)),
    };
    for (std::size_t i = 0; i < std::size(attesi); ++i)
        EXPECT_EQ(file.substr(i * 128, attesi[i].size()), attesi[i]) << "record " << i + 1;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(file.substr((32 + i) * 128, 4), singola(0.1f * static_cast<float>(i + 1))) << "record " << 33 + i;
}

TEST_F(SettingsFile, ReaderAcceptsEveryNumericTagInEveryNumericVariantRecord)
{
    const Variant letti[] = {Variant(std::int16_t{2}), Variant(std::int32_t{2}), Variant(2.0f), Variant(2.0),
                             Variant::boolean(false)};
    for (const int record : {5, 6, 7, 16, 17, 18, 19, 20, 21}) {
        for (const Variant& v : letti) {
            Finestra a(percorso());
            ASSERT_TRUE(inizializini(a.s));
            sostituisciRecord(percorso(), record, variante(v));
            Finestra b(percorso());
            leggifileini_dis(b.s);
            const bool colore = record <= 7;
            const std::string atteso = colore ? tagged(Variant(v.toInt16())) : std::to_string(v.toInt16());
            EXPECT_EQ(valori(b.s)[record - 1], atteso) << "record " << record << " tag " << v.tag();
        }
    }
}

TEST_F(SettingsFile, FileMissingThePaddingOfItsLastRecordIsReadWhole)
{
    const auto scritti = fileDiProva();
    std::filesystem::resize_file(percorso(), 47 * 128 + 4);
    Finestra b(percorso());
    leggifileini_dis(b.s);
    EXPECT_EQ(valori(b.s), scritti);
}

TEST_F(SettingsFile, FileCutAtRecord20GivesTheDefaultsFromThere)
{
    const auto scritti = fileDiProva();
    std::filesystem::resize_file(percorso(), 19 * 128 + 1); // one byte of record 20 left
    Finestra b(percorso());
    valoriDiProva(b.s);
    leggifileini_dis(b.s);
    const auto letti = valori(b.s);
    const auto base = predefiniti();
    for (std::size_t i = 0; i < letti.size(); ++i)
        EXPECT_EQ(letti[i], i < 19 ? scritti[i] : base[i]) << "record " << i + 1;
    // Reading does not repair the file behind the user's back.
    EXPECT_EQ(std::filesystem::file_size(percorso()), 19u * 128u + 1u);
}

TEST_F(SettingsFile, DamagedRecordTakesItsDefault)
{
    std::string nan = byte({0x00, 0x00, 0xC0, 0x7F});
    const struct {
        int record;
        std::string bytes;
        std::string atteso;
    } casi[] = {
        {1, nan, "1.000000"},                                       // not a finite step
        {2, byte({0x00, 0x00, 0x80, 0x7F}), "1.000000"},            // infinite step
        {33, nan, "0.000000"},                                      // print width
        {3, variante(Variant(std::string("FORSE"))), "ON"},         // neither ON nor OFF
        {22, variante(Variant(std::int16_t{1})), "OFF"},            // a number for a switch
        {5, byte({99, 0x00, 0x03, 0x00}), "2:15"},                  // unknown tag
        {5, byte({0x00, 0x00}), "2:15"},                            // empty
        {6, variante(Variant(std::int16_t{17})), "2:5"},            // outside the palette
        {6, variante(Variant(-1.0)), "2:5"},
        {6, variante(Variant(std::string("3"))), "2:5"},            // a text for a colour
        {21, variante(Variant(std::int16_t{5})), "0"},              // not a snap filter
        {9, byte({0x09, 0x00, 0x00, 0x00}), "0"},                   // line style beyond 5
        {11, byte({0x08, 0x00, 0x00, 0x00}), "7"},                  // fill code beyond 7
        {8, byte({0x00, 0x00, 0x00, 0x80}), "0"},                   // not an RGB colour
    };
    for (const auto& c : casi) {
        Finestra a(percorso());
        ASSERT_TRUE(inizializini(a.s));
        sostituisciRecord(percorso(), c.record, c.bytes);
        Finestra b(percorso());
        valoriDiProva(b.s);
        leggifileini_dis(b.s);
        EXPECT_EQ(valori(b.s)[c.record - 1], c.atteso) << "record " << c.record;
    }
}

TEST_F(SettingsFile, FontNameLongerThanTheRecordIsCutOnWriteAndOnRead)
{
    Finestra a(percorso());
    a.s.testoNuovo.gen_carattere_testo = std::string(200, 'x');
    ASSERT_TRUE(salvafileini_dis(a.s));
    EXPECT_EQ(leggiByte(percorso()).substr(2944, 2), byte({126, 0}));
    Finestra b(percorso());
    leggifileini_dis(b.s);
    EXPECT_EQ(b.s.testoNuovo.gen_carattere_testo, std::string(126, 'x'));

    // A length beyond the record from a damaged file is clamped to what the record holds.
    sostituisciRecord(percorso(), 24, byte({0x2C, 0x01}) + std::string(126, 'y'));
    leggifileini_dis(b.s);
    EXPECT_EQ(b.s.testoNuovo.gen_carattere_testo, std::string(126, 'y'));
}

TEST_F(SettingsFile, HighlightFollowsABackgroundOfThreeWhenItsRecordIsDamaged)
{
    Finestra a(percorso());
    ASSERT_TRUE(inizializini(a.s));
    sostituisciRecord(percorso(), 5, variante(Variant(3.0)));
    sostituisciRecord(percorso(), 7, byte({42, 0}));
    Finestra b(percorso());
    leggifileini_dis(b.s);
    EXPECT_EQ(b.s.colori.colevidenzia, Variant(std::int16_t{15}));
}

TEST_F(SettingsFile, HighlightIsWhiteOnABackgroundPaintedInColourThree)
{
    const struct {
        Variant sfondo;
        std::int16_t atteso;
    } casi[] = {
        {Variant(std::int16_t{3}), 15}, {Variant(std::int32_t{3}), 15}, {Variant(3.0f), 15}, {Variant(3.0), 15},
        {Variant(std::int16_t{2}), 3},  {Variant(3.5), 3},             {Variant(std::int16_t{15}), 3},
        {Variant(std::string("3")), 3}, {Variant(2.5), 3},             {Variant(2.9), 15},
    };
    for (const auto& c : casi) {
        const Variant v = colevidenziaPer(c.sfondo);
        EXPECT_EQ(v.tag(), Variant::Integer);
        EXPECT_EQ(v.toInt16(), c.atteso) << c.sfondo.toText();
    }
}

TEST_F(SettingsFile, UnwritablePlaceLeavesTheDefaultsInForceAndThrowsNothing)
{
    scriviByte(percorso("file"), "not a folder");
    Finestra f(percorso("file") + "/Tramel.ini");
    valoriDiProva(f.s);
    bool letto = true;
    EXPECT_NO_THROW(letto = leggifileini_dis(f.s));
    EXPECT_FALSE(letto);
    EXPECT_EQ(valori(f.s), predefiniti());
    EXPECT_FALSE(salvafileini_dis(f.s));
}

TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole)
{
    const auto scritti = fileDiProva();
    const std::string prima = leggiByte(percorso());
    Finestra f(percorso());
    f.modulo.nomefileini = percorso("manca") + "/Tramel.ini";
    EXPECT_FALSE(salvafileini_dis(f.s));
    EXPECT_EQ(leggiByte(percorso()), prima);
}

TEST_F(SettingsFile, BooleanColoursGiveADrawingThatReadsBack)
{
    Finestra a(percorso());
    ASSERT_TRUE(inizializini(a.s));
    sostituisciRecord(percorso(), 5, variante(Variant::boolean(false)));
    sostituisciRecord(percorso(), 6, variante(Variant::boolean(false)));
    Finestra b(percorso());
    leggifileini_dis(b.s);
    ASSERT_TRUE(salvafile(b.s, percorso("Disegno.DIS"), 0));
    const auto letto = leggifile(percorso("Disegno.DIS"));
    ASSERT_TRUE(std::holds_alternative<DisegnoLetto>(letto));
    EXPECT_EQ(std::get<DisegnoLetto>(letto).colsfondo, Variant(std::int16_t{0}));
    EXPECT_EQ(std::get<DisegnoLetto>(letto).colanteprima, Variant(std::int16_t{0}));
}

TEST_F(SettingsFile, WrittenInPlaceWhenItsFolderIsReadOnly)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write in any folder";
    Finestra a(percorso());
    ASSERT_TRUE(inizializini(a.s));
    const std::filesystem::path cartella = dir.path().toStdString();
    std::filesystem::permissions(cartella, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    a.s.aiuti.ortoattivo = "ON";
    const bool scritto = salvafileini_dis(a.s);
    std::filesystem::permissions(cartella, std::filesystem::perms::owner_all);
    EXPECT_TRUE(scritto);
    Finestra b(percorso());
    leggifileini_dis(b.s);
    EXPECT_EQ(b.s.aiuti.ortoattivo, "ON");
}

TEST_F(SettingsFile, OrthoSwitchedOnInOneWindowReachesTheNextWindow)
{
    ValoriModulo modulo;
    modulo.nomefileini = percorso();
    DrawingState a(modulo);
    ASSERT_TRUE(leggifileini_dis(a));
    EXPECT_EQ(a.aiuti.ortoattivo, "OFF");
    a.aiuti.ortoattivo = "ON";
    ASSERT_TRUE(salvafileini_dis(a));

    DrawingState b(modulo);
    leggifileini_dis(b);
    EXPECT_EQ(b.aiuti.ortoattivo, "ON");
}

TEST_F(SettingsFile, TextDefaultsAreResetTogether)
{
    Finestra f(percorso());
    valoriDiProva(f.s);
    inizializ_varTesto(f.s);
    const auto v = valori(f.s);
    const auto base = predefiniti();
    // Records 23 to 32: the text frame switch and the text defaults.
    for (std::size_t i = 22; i < 32; ++i)
        EXPECT_EQ(v[i], base[i]) << "record " << i + 1;
    EXPECT_EQ(f.s.testoNuovo.gen_colore_opaco_testo, Palette::color(BIANCO));
    EXPECT_EQ(f.s.aiuti.passogriglia, 2.5f); // nothing else is touched
}

// Every writer of the settings file, in a window whose settings file cannot be
// written: each tells it once, and the values it set hold.
TEST(SettingsWriters, AFailedWriteIsToldByEveryWriter)
{
    // Presses the Ok of the modal dialog the step opens; then of the widths
    // dialog, which the print dialog's "Spessore Linee" opens.
    const auto ok = [] {
        QTimer::singleShot(0, [] {
            if (QWidget* dialogo = QApplication::activeModalWidget())
                dialogo->findChild<QPushButton*>("Command1")->click();
        });
    };
    const struct {
        const char* nome;
        std::function<void(DrawingWindow*)> passo;
        std::function<bool(const DrawingState&)> tenuto;
    } casi[] = {
        {"line defaults", [&](DrawingWindow* w) { ok(); w->mnutipolinea_Click(); }, nullptr},
        {"surface defaults", [&](DrawingWindow* w) { ok(); w->mnutiposup_Click(); }, nullptr},
        {"text defaults", [&](DrawingWindow* w) { ok(); w->mnutipotesto_Click(); }, nullptr},
        {"general settings", [&](DrawingWindow* w) { ok(); w->impaiut(1); }, nullptr},
        {"snap switch", [](DrawingWindow* w) { w->impaiut(4); },
         [](const DrawingState& s) { return s.aiuti.snapattivo == AIUTO_OFF; }},
        {"orto switch", [](DrawingWindow* w) { w->impaiut(6); },
         [](const DrawingState& s) { return s.aiuti.ortoattivo == AIUTO_ON; }},
        {"bar mark", [](DrawingWindow* w) { w->barre_Click(3); },
         [](const DrawingState& s) { return s.barre.vedibarra3 == 0; }},
        {"snap filter", [](DrawingWindow* w) { w->impfiltri(6); },
         [](const DrawingState& s) { return s.aiuti.filtrosnap == 6; }},
        {"print widths",
         [&](DrawingWindow* w) {
             w->opfile_Click(8);
             ok();
             w->geststamp()->findChild<QPushButton*>("Command5")->click();
         },
         nullptr},
        {"drawing read",
         [](DrawingWindow* w) {
             ASSERT_TRUE(w->salvafile());
             w->leggifile();
         },
         nullptr},
    };
    for (const auto& c : casi) {
        test::Sessione s;
        s.avvia();
        DrawingWindow* w = s.nuova();
        w->setCaption(s.percorso("prova.DIS"));
        s.ctx.modulo.nomefileini = s.percorso("manca") + "/Tramel.ini";
        s.fake.notifier.messaggi.clear();
        c.passo(w);
        EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Impossibile salvare il file: \"" + s.ctx.modulo.nomefileini + "\""})
            << c.nome;
        if (c.tenuto) {
            EXPECT_TRUE(c.tenuto(w->stato())) << c.nome;
        }
    }
    // A new window that cannot write the defaults tells it too.
    test::Sessione s;
    s.avvia();
    s.ctx.modulo.nomefileini = s.percorso("manca") + "/Tramel.ini";
    s.nuova();
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{"Impossibile salvare il file: \"" + s.ctx.modulo.nomefileini + "\""});
}

} // namespace
} // namespace tramel
