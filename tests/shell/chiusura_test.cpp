// The close question of one drawing window, and the frame's close over
// several modified drawings.
#include "sessione.h"

#include <gtest/gtest.h>

namespace tramel::test {
namespace {

std::string domanda(const std::string& caption)
{
    return "Salvare le modifiche al file: \"" + caption + "\"";
}

struct CasoChiusura {
    const char* nome;
    bool modificato;
    const char* file; // the caption's file: nullptr untitled, relative names in the program folder
    std::vector<Risposta> risposte;
    bool chiusa;
    bool salvataggioFallito; // the failed save was told
};

TEST(Chiusura, OneWindowClosesOnlyWhenNothingIsLost)
{
    const std::vector<CasoChiusura> casi = {
        {"unmodified", false, nullptr, {}, true, false},
        {"modified, No", true, nullptr, {Risposta::No}, true, false},
        {"modified, Cancel", true, nullptr, {Risposta::Annulla}, false, false},
        // The name dialog is abandoned: the drawing stays.
        {"untitled, Yes, save-as abandoned", true, nullptr, {Risposta::Si}, false, false},
        {"titled, Yes, saved", true, "pianta.dis", {Risposta::Si}, true, false},
        // The save fails: the drawing stays, with the failure told.
        {"titled, Yes, save failed", true, "/nessuna/cartella/pianta.dis", {Risposta::Si}, false, true},
    };
    for (const CasoChiusura& c : casi) {
        Sessione s;
        s.avvia();
        DrawingWindow* w = s.nuova();
        if (c.file)
            w->setCaption(c.file[0] == '/' ? std::string(c.file) : s.percorso(c.file));
        w->stato().dasalvare = c.modificato ? 1 : 0;
        s.fake.notifier.risposte.assign(c.risposte.begin(), c.risposte.end());
        EXPECT_EQ(w->close(), c.chiusa) << c.nome;
        EXPECT_EQ(s.ctx.registro.numdisegni(), c.chiusa ? 0 : 1) << c.nome;
        std::vector<std::string> attesi;
        if (c.modificato)
            attesi.push_back(domanda(w->caption()));
        if (c.salvataggioFallito)
            attesi.push_back("Impossibile salvare il file: \"" + w->caption() + "\"");
        EXPECT_EQ(s.messaggi(), attesi) << c.nome;
        if (!c.chiusa) {
            EXPECT_EQ(w->stato().dasalvare, 1) << c.nome;
        }
    }
}

TEST(Chiusura, ClosingAWindowSavesThatWindowNotTheActiveOne)
{
    Sessione s;
    s.avvia();
    DrawingWindow* primo = s.nuova();
    const std::string percorso = s.file("primo.dis");
    primo->setCaption(percorso);
    primo->stato().dasalvare = 1;
    DrawingWindow* secondo = s.nuova();
    ASSERT_EQ(s.frame->finestraAttiva(), secondo);
    s.fake.notifier.risposte = {Risposta::Si};
    EXPECT_TRUE(primo->close());
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{domanda(percorso)});
    QFile scritto(QString::fromStdString(percorso));
    EXPECT_EQ(scritto.size(), 11 * 242); // the first window's empty drawing, header only
    EXPECT_EQ(secondo->caption(), "Disegno _ 2");
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);
}

// A frame close asks every modified drawing in turn and stops at the first
// refusal, leaving every window open and counted.
TEST(Chiusura, FrameCloseStopsAtTheFirstRefusal)
{
    struct Caso {
        const char* nome;
        std::vector<Risposta> risposte;
        bool chiuso;
        std::size_t domande;
    };
    const std::vector<Caso> casi = {
        {"Cancel at the second", {Risposta::No, Risposta::Annulla}, false, 2},
        {"Yes and save-as abandoned at the second", {Risposta::No, Risposta::Si}, false, 2},
        {"Cancel at the third", {Risposta::No, Risposta::No, Risposta::Annulla}, false, 3},
        {"No to all", {Risposta::No, Risposta::No, Risposta::No}, true, 3},
    };
    for (const Caso& c : casi) {
        Sessione s;
        s.avvia();
        std::vector<DrawingWindow*> finestre;
        for (int i = 0; i < 3; ++i) {
            finestre.push_back(s.nuova());
            finestre.back()->stato().dasalvare = 1;
        }
        s.fake.notifier.risposte.assign(c.risposte.begin(), c.risposte.end());
        EXPECT_EQ(s.frame->close(), c.chiuso) << c.nome;
        EXPECT_EQ(s.fake.notifier.messaggi.size(), c.domande) << c.nome;
        EXPECT_EQ(s.ctx.registro.numdisegni(), static_cast<int>(s.ctx.registro.aperte().size())) << c.nome;
        EXPECT_EQ(s.ctx.registro.numdisegni(), c.chiuso ? 0 : 3) << c.nome;
        for (DrawingWindow* w : finestre) {
            EXPECT_EQ(w->isVisible(), !c.chiuso) << c.nome;
        }
    }
}

TEST(Chiusura, FrameCloseAsksOnlyAboutModifiedDrawings)
{
    Sessione s;
    s.avvia();
    s.nuova();
    DrawingWindow* modificato = s.nuova();
    modificato->stato().dasalvare = 1;
    s.nuova();
    s.fake.notifier.risposte = {Risposta::No};
    EXPECT_TRUE(s.frame->close());
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{domanda("Disegno _ 2")});
    EXPECT_EQ(s.ctx.registro.numdisegni(), 0);
}

} // namespace
} // namespace tramel::test
