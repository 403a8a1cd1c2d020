// Random sessions of a user's actions on a small drawing, or on one the
// drawing-file reader took from records the input makes, through the engine:
// commands from the command table, clicks and moves at random points, texts
// typed on the command line from a dictionary of awkward values, Enter, Esc,
// the right click, the selection modes, the drawing aids, the scroll bars and
// the line and surface dialogs.
// After every action every number the drawing keeps must be finite, a running
// selection must show as many entities as are marked selected, and the
// drawing must write and read back equal.
#include "support/finestra_prova.h"

#include "files/applica_dis.h"
#include "files/dis_prova.h"
#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"
#include "geometry/misure.h"
#include "geometry/trasforma_entita.h"
#include "properties/proprieta_oggetto.h"
#include "properties/tipo_linea.h"
#include "properties/tipo_superficie.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <unistd.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tramel {
namespace {

// The user's actions, in the order the input picks them.
enum Azione {
    AVVIA, CLIC, CLIC_ANCORA, MUOVI, PREMI, SCRIVI, SCRIVI_ANCORA, TASTO, CLIC_DESTRO,
    MODO_SELEZIONE, AIUTI, SCORRI, DIALOGHI, AZIONI,
};

// Ordinary texts, and values beyond what the fields hold, tiny, negative, not
// numbers, or with the other decimal sign.
const std::array<const char*, 10> ORDINARI = {"0", "5,20", "90", "-45", "2.5", "-5,-5", "30,10", "12.5", " 38, 85", ""};
const std::array<const char*, 28> ESTREMI = {
    "1e308", "-1e308,0", "1e308,0", "1e308,1", "0,1e308", "1e999", "-1e999", "1e200", "1e38", "3.5e38",
    "1e39,1", "99999999999999999999999999999999999999999", "1e-320", "4.9e-324", "1e-7,1e-7", "1e15", "-5",
    "2,5", "1,,5", "1.5,2.5", "abc", "nan", "inf", "-", ".", "Nessun Oggetto selezionato",
    "<1> Oggetto Selezionato", "-1e308",
};

void fallito(const char* perche)
{
    std::fprintf(stderr, "session check failed: %s\n", perche);
    std::abort();
}

template <class T>
T& aggiungi(disegno& d, std::unique_ptr<T> e)
{
    collezione<T>(d).Add(std::move(e));
    return collezione<T>(d).Item(collezione<T>(d).Count());
}

template <class T>
std::unique_ptr<T> conVertici(std::vector<Punto> v)
{
    auto e = std::make_unique<T>();
    e->vertici(v);
    return e;
}

// One of each kind, within a view of 50 x 37 units.
void disegnoIniziale(DrawingState& s)
{
    disegno& d = s.dis;
    auto l = std::make_unique<Linea>();
    l->Xi = 10, l->Yi = 10, l->Xf = 40, l->Yf = 10;
    aggiungi(d, std::move(l));
    calcola_perimetro_superficie(aggiungi(d, conVertici<superficie>({{5, 20}, {15, 20}, {10, 28}})));
    calcola_area_superficie(collezione<superficie>(d).Item(1));
    aggiungi(d, conVertici<polilinea>({{20, 20}, {25, 25}, {30, 20}}));
    Rettangolo& r = aggiungi(d, conVertici<Rettangolo>({{35, 15}, {35, 25}, {45, 25}, {45, 15}}));
    calcola_perimetro_rettangolo(r);
    calcola_area_rettangolo(r);
    auto c = std::make_unique<Cerchio>();
    c->Xcentro = 25, c->Ycentro = 30, c->Xpunto = 28, c->YPunto = 30;
    calcola_raggio_perimet_area_cerchio(*c);
    aggiungi(d, std::move(c));
    auto a = std::make_unique<Arco>();
    a->p1x = 2, a->p1y = 5, a->p2x = 8, a->p2y = 5, a->p3x = 5, a->p3y = 2;
    aggiungi(d, std::move(a));
    auto t = std::make_unique<testo>();
    t->pos_testox = 12, t->pos_testoy = 32, t->dimens_testo = 10;
    aggiungi(d, std::move(t));
    s.cisonooggetti = 1;
    s.xmin = s.ymin = 0;
    s.xmax = s.ymax = 100;
}

// The numbers of the records a drawing is read from: near the drawing, at
// the edges of a Single and of what the measures take, beyond them, not finite.
const std::array<double, 16> NUMERI_LETTI = {
    0, 5, 10, 20, 30, -7.5, 48, FLT_MAX, -FLT_MAX, 3.5e38, 1e39, 1e154, -1.4e154, 1e308, DBL_MAX, NAN,
};
const std::array<const char*, 7> TIPI_LETTI = {"Linea", "Arco", "Cerchio", "Rettangolo", "Superficie", "Polilinea", "Testo"};

// The bytes of a drawing file: the header of a new drawing, then up to eight
// entities whose kinds and numbers the input's first bytes pick.
std::string fileDalleProve(FuzzedDataProvider& in, int entita)
{
    const auto byte = [&in] {
        const auto b = in.ConsumeBytes<std::uint8_t>(1);
        return b.empty() ? 0 : b[0];
    };
    const auto record = [&](const char* tipo, std::int16_t numero) {
        prova::Rec r{.tipo = tipo, .spessore = static_cast<float>(byte() % 3), .stringa = "Arial", .numero = numero};
        for (double* v : {&r.x1, &r.y1, &r.x2, &r.y2, &r.x3, &r.y3})
            *v = NUMERI_LETTI[byte() % NUMERI_LETTI.size()];
        return r.bytes();
    };
    std::string file = prova::Intestazione{}.bytes();
    for (int i = 0; i < entita; ++i) {
        const std::string tipo = TIPI_LETTI[byte() % TIPI_LETTI.size()];
        const int vertici = tipo == "Superficie" || tipo == "Polilinea" ? byte() % 7 + 1 : 0;
        file += record(tipo.c_str(), static_cast<std::int16_t>(vertici));
        // The records that carry on a rectangle or a list of vertices.
        const int seguiti = tipo == "Rettangolo" ? 1 : (vertici + 2) / 3 - (vertici > 0);
        for (int k = 0; k < seguiti; ++k)
            file += record(("Continua" + tipo).c_str(), 0);
    }
    return file;
}

struct Sessione : FinestraProva {
    FuzzedDataProvider& in;
    std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("tramel_sessione_" + std::to_string(getpid()) + ".dis");

    explicit Sessione(FuzzedDataProvider& d) : FinestraProva(VistaProva{}), in(d)
    {
        modulo.nomefileini = file.string() + ".ini";
        stato.aiuti.snapattivo = AIUTO_OFF;
        collegaDialoghi(motore.agganci(), finestra(), dialoghi());
        // The input's first byte: most sessions start from the small drawing.
        const auto primo = in.ConsumeBytes<std::uint8_t>(1);
        if (primo.empty() || primo[0] < 0xC0 || !apri(fileDalleProve(in, primo[0] % 8 + 1)))
            disegnoIniziale(stato);
    }

    // Opens the drawing as the window does a file; false when the reader refuses it.
    bool apri(const std::string& bytes)
    {
        SorgenteMemoria sorgente(bytes, recordcoma::LUNGHEZZA);
        EsitoLettura esito = leggiDisegno(sorgente);
        auto* letto = std::get_if<DisegnoLetto>(&esito);
        if (letto)
            applicaDisegno(motore, *letto);
        return letto != nullptr;
    }

    FinestraDialogo finestra() { return {motore, superficie, porte.porte(), NumberFormat(",", ".")}; }

    // The property dialogs: a thickness typed, then OK or Annulla.
    Dialoghi dialoghi()
    {
        Dialoghi d;
        d.tipoLinea = [this](TipoLinea& t) {
            t.Text1_Change(parola());
            if (in.ConsumeBool())
                t.Command1_Click();
        };
        d.tipoSuperficie = [this](TipoSuperficie& t) {
            t.Text1_Change(parola());
            if (in.ConsumeBool())
                t.Command1_Click();
        };
        return d;
    }

    std::string parola()
    {
        if (in.ConsumeBool())
            return ORDINARI[in.ConsumeIntegralInRange<std::size_t>(0, ORDINARI.size() - 1)];
        return ESTREMI[in.ConsumeIntegralInRange<std::size_t>(0, ESTREMI.size() - 1)];
    }
    // Mostly a point near the drawing, now and then one far beyond it.
    double coordinata()
    {
        if (in.ConsumeIntegralInRange(0, 15) == 0)
            return valNumero(parola());
        return in.ConsumeIntegralInRange(-20, 80) + in.ConsumeIntegralInRange(0, 3) / 4.0;
    }
    float finestraX() { return static_cast<float>(coordinata() * stato.vista.scala); }

    void azione()
    {
        const auto a = static_cast<Azione>(in.ConsumeIntegralInRange(0, AZIONI - 1));
        switch (a) {
        case AVVIA: {
            const auto c = static_cast<Comando>(in.ConsumeIntegralInRange(1, static_cast<int>(Comando::Stira)));
            if (c != Comando::ZoomDinamico && c != Comando::ZoomPercento)
                start(std::string(dati(c).nome));
            break;
        }
        case CLIC:
        case CLIC_ANCORA:
            click(coordinata(), coordinata());
            break;
        case MUOVI:
            move(coordinata(), coordinata());
            break;
        case PREMI: {
            const bool sinistro = in.ConsumeBool();
            motore.premuto(sinistro, finestraX(), finestraX());
            break;
        }
        case SCRIVI:
        case SCRIVI_ANCORA: {
            const int n = in.ConsumeBool() ? 1 : 2;
            riga.Text[n].testo = parola();
            motore.tastoRiga(n, static_cast<int>(Tasto::Invio));
            break;
        }
        case TASTO:
            key(in.ConsumeBool() ? Tasto::Invio : Tasto::Esc);
            break;
        case CLIC_DESTRO:
            rightClick();
            break;
        case MODO_SELEZIONE:
            motore.impo(in.ConsumeIntegralInRange(1, 3));
            break;
        case AIUTI: {
            const std::array<float, 4> passi = {1, 0.5f, 0.1f, 0.25f};
            stato.aiuti.snapattivo = in.ConsumeBool() ? AIUTO_ON : AIUTO_OFF;
            stato.aiuti.passosnap = passi[in.ConsumeIntegralInRange<std::size_t>(0, passi.size() - 1)];
            stato.aiuti.ortoattivo = in.ConsumeBool() ? AIUTO_ON : AIUTO_OFF;
            break;
        }
        case SCORRI:
            motore.scorri(in.ConsumeBool(), in.ConsumeIntegralInRange(40, 60));
            break;
        case DIALOGHI:
        case AZIONI:
            // The defaults of new lines and surfaces, from the window's menu.
            if (in.ConsumeBool())
                mnutipolinea_Click(finestra(), dialoghi());
            else
                mnutiposup_Click(finestra(), dialoghi());
            break;
        }
    }

    void verifica()
    {
        // What the picture recorded is not checked here: it would only grow.
        superficie.dimentica();
        superficie.transitorio.clear();
        bool finiti = std::isfinite(stato.vista.scala) && std::isfinite(stato.vista.origineX) &&
                      std::isfinite(stato.vista.origineY);
        int selezionati = 0;
        perOgniVivo<Linea, tramel::superficie, polilinea, Arco, Cerchio, Rettangolo, testo>(stato.dis, [&](const auto& e) {
            finiti = finiti && finita(e);
            selezionati += e.stato == STATO_SELEZIONATO;
        });
        if (!finiti)
            fallito("a number the drawing keeps is not finite");
        const DatiComando& c = dati(comando(stato.corrente().nome()));
        const std::string& mostrato = riga.Text[1].testo;
        if (c.famiglia == Famiglia::Modifica && stato.comandi.passocomando < PASSO_BASE && mostrato.starts_with("<") &&
            std::stoi(mostrato.substr(1)) != selezionati)
            fallito("the selection shows another count than the entities selected");
        rilettura();
    }

    void rilettura()
    {
        if (!salvafile(stato, file, 0))
            fallito("the drawing was not written");
        SorgenteFile sorgente;
        if (!sorgente.open(file, recordcoma::LUNGHEZZA))
            fallito("the drawing written cannot be opened");
        EsitoLettura esito = leggiDisegno(sorgente);
        const auto* letto = std::get_if<DisegnoLetto>(&esito);
        if (!letto)
            fallito("the drawing written is refused by the reader");
        if (!(uguali<Linea>(letto->dis) && uguali<tramel::superficie>(letto->dis) && uguali<polilinea>(letto->dis) &&
              uguali<Arco>(letto->dis) && uguali<Cerchio>(letto->dis) && uguali<Rettangolo>(letto->dis) &&
              uguali<testo>(letto->dis)))
            fallito("the drawing read back differs from the one written");
    }

    // The entities not erased, in order, against the ones read back, apart
    // from what the file does not keep: states, print flags, stretch marks.
    template <class T>
    bool uguali(const disegno& letto)
    {
        const Collezione<T>& o = collezione<T>(stato.dis);
        const Collezione<T>& l = collezione<T>(letto);
        int j = 0;
        for (int i = 1; i <= o.Count(); ++i) {
            if (o.Item(i).stato == STATO_CANCELLATO)
                continue;
            if (++j > l.Count() || !comeLetto(o.Item(i), l.Item(j)))
                return false;
        }
        return j == l.Count();
    }

    template <class T>
    static bool comeLetto(T e, const T& letta)
    {
        if constexpr (std::is_same_v<T, testo>) {
            return e.pos_testox == letta.pos_testox && e.pos_testoy == letta.pos_testoy &&
                   e.ang_testo() == letta.ang_testo() && e.dimens_testo == letta.dimens_testo;
        } else {
            e.stato = STATO_NORMALE;
            e.stampare = 0;
            if constexpr (requires { e.vert1_selez; })
                e.vert1_selez = e.vert2_selez = 0;
            if constexpr (std::is_base_of_v<ListaVertici, T>)
                for (int i = 0; i <= e.vertic(); ++i)
                    e.ins_vertselez(0, i);
            return e == letta;
        }
    }
};

} // namespace
} // namespace tramel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider dati(data, size);
    tramel::Sessione s(dati);
    s.verifica();
    for (int i = 0; i < 64 && dati.remaining_bytes() > 0; ++i) {
        s.azione();
        s.verifica();
    }
    std::filesystem::remove(s.file);
    std::filesystem::remove(s.modulo.nomefileini);
    return 0;
}
