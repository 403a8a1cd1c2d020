#include "support/finestra_prova.h"

#include <gtest/gtest.h>

#include <memory>

namespace tramel {
namespace {

TEST(Reiniz, GrowsTheLogAndBlanksOnlyTheNewRecord)
{
    FinestraProva f;
    f.stato.comandi.coma[1].tipo = "Zoom Area";
    f.stato.comandi.coma[1].x2 = 7;
    for (FormaOverlay* s : {&f.stato.overlay.Shape1, &f.stato.overlay.Shape2, &f.stato.overlay.Shape3})
        s->visibile = true;
    f.motore.reiniz(3);
    ASSERT_EQ(f.stato.comandi.coma.size(), 4u);
    EXPECT_EQ(f.stato.comandi.coma[1].tipo, "Zoom Area");
    EXPECT_EQ(f.stato.comandi.coma[1].x2, 7);
    EXPECT_EQ(f.stato.comandi.coma[3].tipo, "");
    EXPECT_FALSE(f.stato.overlay.Shape1.visibile);
    EXPECT_FALSE(f.stato.overlay.Shape2.visibile);
    EXPECT_FALSE(f.stato.overlay.Shape3.visibile);

    f.stato.comandi.coma[3].tipo = "Cerchio";
    f.motore.reiniz(1); // a finished drawing command blanks its own record in place
    EXPECT_EQ(f.stato.comandi.coma.size(), 4u);
    EXPECT_EQ(f.stato.comandi.coma[1].tipo, "");
    EXPECT_EQ(f.stato.comandi.coma[1].x2, 7);
    EXPECT_EQ(f.stato.comandi.coma[3].tipo, "Cerchio");
}

// A drawing with one selected entity of every kind, each carrying stretch marks.
struct Selezione {
    Linea* linea;
    Arco* arco;
    superficie* sup;
    Rettangolo* rett;
    polilinea* pol;
    Cerchio* cerchio;
    testo* tes;
    Linea* libera; // not selected

    explicit Selezione(disegno& d)
    {
        linea = aggiungi(d.linee);
        arco = aggiungi(d.archi);
        sup = aggiungi(d.superfici);
        rett = aggiungi(d.rettangoli);
        pol = aggiungi(d.polilinee);
        cerchio = aggiungi(d.cerchi);
        tes = aggiungi(d.testi);
        libera = aggiungi(d.linee);
        libera->stato = STATO_NORMALE;
        for (Linea* l : {linea, libera})
            l->vert1_selez = l->vert2_selez = 1;
        arco->vert1_selez = arco->vert2_selez = 1;
        for (ListaVertici* v : std::initializer_list<ListaVertici*>{sup, rett, pol}) {
            v->vertic(4);
            for (int i = 1; i <= 4; ++i)
                v->ins_vertselez(1, i);
        }
    }
    template <class T>
    static T* aggiungi(Collezione<T>& c)
    {
        auto e = std::make_unique<T>();
        e->stato = STATO_SELEZIONATO;
        T* p = e.get();
        c.Add(std::move(e));
        return p;
    }
    std::vector<std::int16_t> stati() const
    {
        return {linea->stato, arco->stato, sup->stato, rett->stato, pol->stato, cerchio->stato, tes->stato};
    }
    // The stretch marks of the selected entities, all in one row.
    std::vector<std::int16_t> segni() const
    {
        std::vector<std::int16_t> s{linea->vert1_selez, linea->vert2_selez, arco->vert1_selez, arco->vert2_selez};
        for (const ListaVertici* v : std::initializer_list<const ListaVertici*>{sup, rett, pol})
            for (int i = 1; i <= 4; ++i) {
                std::int16_t m = 0;
                v->prel_vertselez(m, i);
                s.push_back(m);
            }
        return s;
    }
};

TEST(Annullacomando, StretchCancelClearsSelectionAndMarks)
{
    FinestraProva f;
    Selezione sel(f.stato.dis);
    f.stato.corrente().tipo = "Stira";
    f.stato.corrente().x1 = 4;
    f.stato.corrente().y2 = 5;
    f.stato.comandi.numselez = 7;
    f.stato.comandi.passocomando = 1;
    f.stato.overlay.Line3.visibile = true;
    f.stato.overlay.Shape1.visibile = true;
    f.riga.Text[1].coloreTesto = 9;
    f.motore.annullacomando(f.stato.comandi.numcomando);

    EXPECT_EQ(sel.stati(), std::vector<std::int16_t>(7, STATO_NORMALE));
    EXPECT_EQ(sel.segni(), std::vector<std::int16_t>(16, 0));
    EXPECT_EQ(sel.libera->vert1_selez, 1); // only the selected entities lose their marks
    EXPECT_EQ(f.superficie.pulizie.size(), 1u); // redrawn once, without the highlight
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Stira");
    const recordcoma& r = f.stato.corrente();
    EXPECT_EQ(r.tipo, "");
    EXPECT_EQ(std::tie(r.x1, r.y1, r.x2, r.y2), std::make_tuple(0.0, 0.0, 0.0, 0.0));
    EXPECT_EQ(f.stato.comandi.numselez, 0);
    EXPECT_EQ(f.stato.comandi.passocomando, 0);
    EXPECT_FALSE(f.stato.overlay.Line3.visibile);
    EXPECT_FALSE(f.stato.overlay.Shape1.visibile);
    EXPECT_EQ(f.riga.Label1, "Comando: ");
    EXPECT_FALSE(f.box(1).abilitata);
    EXPECT_EQ(f.box(1).coloreTesto, 0);
}

TEST(Annullacomando, OtherEditsKeepTheStretchMarks)
{
    FinestraProva f;
    Selezione sel(f.stato.dis);
    f.stato.corrente().tipo = "Sposta";
    f.motore.annullacomando(-1);
    EXPECT_EQ(sel.stati(), std::vector<std::int16_t>(7, STATO_NORMALE));
    EXPECT_EQ(sel.segni(), std::vector<std::int16_t>(16, 1));
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Sposta");
    EXPECT_EQ(f.stato.corrente().tipo, "");
}

TEST(Annullacomando, PrintWindowSelectionIsNotRemembered)
{
    FinestraProva f;
    f.stato.comandi.comandoattivo = "Linea";
    f.stato.corrente().tipo = "Selstamp";
    f.motore.annullacomando(-1);
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Linea");
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_TRUE(f.superficie.pulizie.empty()); // nothing was selected, nothing to redraw
}

TEST(Annullacomando, SuspensionKeepsTheSelection)
{
    FinestraProva f;
    Selezione sel(f.stato.dis);
    f.stato.comandi.comandoattivo = "Linea";
    f.stato.comandi.comasospeso.tipo = "Cancella";
    f.stato.corrente().tipo = "Cancella";
    f.stato.comandi.numselez = 7;
    f.motore.annullacomando(f.stato.comandi.numcomando, Annullo::PerSospendere);
    EXPECT_EQ(sel.stati(), std::vector<std::int16_t>(7, STATO_SELEZIONATO));
    EXPECT_EQ(f.stato.comandi.numselez, 7);
    EXPECT_TRUE(f.superficie.pulizie.empty());
    EXPECT_EQ(f.stato.comandi.comandoattivo, "Linea");
    EXPECT_EQ(f.stato.corrente().tipo, "");
    EXPECT_EQ(f.riga.Label1, "Comando: ");
}

} // namespace
} // namespace tramel
