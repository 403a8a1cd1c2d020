// "Salva" and "Salva con Nome" on a window: the name dialog, the overwrite
// question, and a file that is never touched before the drawing is written.
#include "sessione.h"

#include <gtest/gtest.h>

namespace tramel::test {
namespace {

QByteArray contenuto(const std::string& percorso)
{
    QFile f(QString::fromStdString(percorso));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

std::string sovrapporre(const std::string& nome)
{
    return "File \"" + nome + "\"  Esiste - Sovrapporre?";
}

TEST(Salvataggio, SaveOnAnUntitledWindowAsksForAName)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    w->stato().dasalvare = 1;
    std::string comando = "Salva";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Abbandonato);
    EXPECT_EQ(comando, "SalvaConNome");
    EXPECT_EQ(s.fake.files.aperture, 1);
    EXPECT_EQ(w->caption(), "Disegno _ 1");
    EXPECT_EQ(w->stato().dasalvare, 1);
    EXPECT_TRUE(s.messaggi().empty());
}

TEST(Salvataggio, OverwriteQuestionNoAsksAgainAndCancelStops)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const std::string esistente = s.file("vecchio.dis", "VECCHIO");
    s.fake.files.scelte = {esistente, esistente};
    s.fake.notifier.risposte = {Risposta::No, Risposta::Annulla};
    std::string comando = "SalvaConNome";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Abbandonato);
    EXPECT_EQ(s.fake.files.aperture, 2);
    EXPECT_EQ(s.messaggi(), (std::vector<std::string>{sovrapporre(esistente), sovrapporre(esistente)}));
    EXPECT_EQ(contenuto(esistente), "VECCHIO");
    EXPECT_EQ(w->caption(), "Disegno _ 1");
}

// A save that fails leaves the chosen file as it was (or absent), and the
// window with its old caption and registry name.
TEST(Salvataggio, AFailedSaveAsTouchesNoFileAndKeepsTheCaption)
{
    struct Caso {
        const char* nome;
        bool esiste;
        std::string cartella; // "" the program folder
    };
    const std::vector<Caso> casi = {
        {"existing file, overwrite Yes", true, ""},
        {"new file", false, ""},
        {"folder that cannot be written", false, "/nessuna/cartella"},
    };
    for (const Caso& c : casi) {
        Sessione s;
        s.avvia();
        DrawingWindow* w = s.nuova();
        w->stato().dasalvare = 1;
        const std::string nome = c.esiste ? s.file("scelto.dis", "VECCHIO")
                                          : (c.cartella.empty() ? s.percorso("scelto.dis") : c.cartella + "/scelto.dis");
        s.fake.files.scelte = {nome};
        s.fake.notifier.risposte = {Risposta::Si};
        std::string comando = "SalvaConNome";
        EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Fallito) << c.nome;
        EXPECT_EQ(QFile::exists(QString::fromStdString(nome)), c.esiste) << c.nome;
        if (c.esiste) {
            EXPECT_EQ(contenuto(nome), "VECCHIO") << c.nome;
        }
        EXPECT_EQ(s.messaggi().back(), "Impossibile salvare il file: \"" + nome + "\"") << c.nome;
        EXPECT_EQ(w->caption(), "Disegno _ 1") << c.nome;
        EXPECT_EQ(s.ctx.registro.nomidisegni(1), "Disegno _ 1") << c.nome;
        EXPECT_EQ(w->stato().dasalvare, 1) << c.nome;
    }
}

TEST(Salvataggio, SaveAsOnATitledWindowOffersItsOwnPath)
{
    // A dialog closed without a choice keeps the offered name: the window's
    // own file, which exists, so the overwrite question comes.
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    const std::string percorso = s.file("pianta.dis", "PIANTA");
    w->setCaption(percorso);
    s.fake.notifier.risposte = {Risposta::Annulla};
    std::string comando = "SalvaConNome";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Abbandonato);
    EXPECT_EQ(s.messaggi(), std::vector<std::string>{sovrapporre(percorso)});
}

TEST(Salvataggio, UnknownCommandDoesNothing)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    std::string comando = "Stampa";
    EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Abbandonato);
    EXPECT_EQ(s.fake.files.aperture, 0);
    EXPECT_TRUE(s.messaggi().empty());
}

} // namespace
} // namespace tramel::test
