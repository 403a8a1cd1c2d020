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
// window with its old caption, registry name and modified flag.
TEST(Salvataggio, AFailedSaveAsTouchesNoFileAndKeepsTheCaption)
{
    struct Caso {
        const char* nome;
        std::string file;
        bool esiste;
    };
    const std::vector<Caso> casi = {
        {"existing file that cannot be replaced", "/proc/version", true},
        {"new file where nothing can be written", "/proc/scelto.dis", false},
        {"folder that does not exist", "/nessuna/cartella/scelto.dis", false},
    };
    for (const Caso& c : casi) {
        Sessione s;
        s.avvia();
        DrawingWindow* w = s.nuova();
        w->stato().dasalvare = 1;
        const QByteArray prima = contenuto(c.file);
        s.fake.files.scelte = {c.file};
        s.fake.notifier.risposte = {Risposta::Si};
        std::string comando = "SalvaConNome";
        EXPECT_EQ(s.frame->gestionefile(*w, comando), EsitoFile::Fallito) << c.nome;
        EXPECT_EQ(QFile::exists(QString::fromStdString(c.file)), c.esiste) << c.nome;
        EXPECT_EQ(contenuto(c.file), prima) << c.nome;
        ASSERT_FALSE(s.messaggi().empty()) << c.nome;
        EXPECT_EQ(s.messaggi().back(), "Impossibile salvare il file: \"" + c.file + "\"") << c.nome;
        EXPECT_EQ(w->caption(), "Disegno _ 1") << c.nome;
        EXPECT_EQ(s.ctx.registro.nomidisegni(1), "Disegno _ 1") << c.nome;
        EXPECT_EQ(w->stato().dasalvare, 1) << c.nome;
    }
}

// A save-as that succeeds names the window and its registry entry after the
// file, and the drawing opens again from that file in a new window.
TEST(Salvataggio, SaveAsWritesTheDrawingAndItOpensAgain)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    auto linea = std::make_unique<Linea>();
    linea->Xi = 1, linea->Yi = 2, linea->Xf = 30, linea->Yf = 40;
    w->stato().dis.linee.Add(std::move(linea));
    w->stato().cisonooggetti = 1;
    w->stato().dasalvare = 1;
    const std::string nome = s.percorso("pianta.dis");
    s.fake.files.scelte = {nome};
    w->opfile_Click(4);
    EXPECT_EQ(w->caption(), nome);
    EXPECT_EQ(s.ctx.registro.nomidisegni(1), nome);
    EXPECT_EQ(w->stato().dasalvare, 0);
    EXPECT_EQ(contenuto(nome).size(), 12 * 242);

    // The same file is in use while its window is open.
    s.fake.files.scelte = {nome};
    s.frame->apri();
    EXPECT_EQ(s.messaggi().back(), nome + "  Attualmente in uso.");
    EXPECT_EQ(s.ctx.registro.numdisegni(), 1);

    w->close();
    s.fake.files.scelte = {nome};
    s.frame->apri();
    DrawingWindow* letta = s.frame->finestraAttiva();
    ASSERT_NE(letta, nullptr);
    EXPECT_EQ(letta->caption(), nome);
    ASSERT_EQ(letta->stato().dis.linee.Count(), 1);
    EXPECT_EQ(letta->stato().dis.linee.Item(1).Yf, 40);
    EXPECT_EQ(letta->stato().cisonooggetti, 1);
    EXPECT_EQ(letta->stato().dasalvare, 0);
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
