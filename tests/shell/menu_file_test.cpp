// The drawing window's File items for saving, the snap and grid toggles, and
// a drawing file read into a window through the frame's "Apri".
#include "sessione.h"

#include "files/lettura_dis.h"
#include "files/scrittura_dis.h"

#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace tramel::test {
namespace {

// A drawing file with one circle and the given snap and grid switches.
std::string disegnoSalvato(Sessione& s, const std::string& nome, const std::string& snap, const std::string& griglia,
                           std::int16_t statoFinestra = 0)
{
    ValoriModulo modulo;
    DrawingState d(modulo);
    d.finx = 10, d.finy = 5, d.finlarg = 40, d.finalt = 30;
    d.aiuti.snapattivo = snap;
    d.aiuti.grigliaattiva = griglia;
    d.colori.colsfondo = Variant(3.0);
    auto c = std::make_unique<Cerchio>();
    c->Xcentro = 20, c->Ycentro = 20, c->Xpunto = 23, c->YPunto = 24;
    d.dis.cerchi.Add(std::move(c));
    const std::string percorso = s.percorso(nome);
    EXPECT_TRUE(salvafile(d, percorso, statoFinestra));
    return percorso;
}

QByteArray recordIni(Sessione& s, int n)
{
    QFile f(QString::fromStdString(s.percorso("Tramel.ini")));
    f.open(QIODevice::ReadOnly);
    return f.readAll().mid((n - 1) * 128, 7);
}

} // namespace

TEST(MenuFile, SavingIsOfferedOnlyForADrawingThatHoldsSomething)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    QMenu* file = w->menus().at(0);
    const QList<QAction*> voci = file->actions();
    ASSERT_EQ(voci.size(), 9);
    EXPECT_EQ(voci[2]->text(), "Salva");
    EXPECT_EQ(voci[3]->text(), "Salva con Nome");
    w->file_Click();
    EXPECT_FALSE(voci[2]->isEnabled());
    EXPECT_FALSE(voci[3]->isEnabled());
    w->stato().cisonotesti = 1;
    w->file_Click();
    EXPECT_TRUE(voci[2]->isEnabled());
    EXPECT_TRUE(voci[3]->isEnabled());
}

TEST(MenuFile, AFileOpensWithItsViewColoursAndSwitches)
{
    Sessione s;
    s.avvia();
    const std::string percorso = disegnoSalvato(s, "cerchio.dis", "OFF", "ON");
    s.fake.files.scelte = {percorso};
    s.frame->apri();
    DrawingWindow* w = s.frame->finestraAttiva();
    ASSERT_NE(w, nullptr);
    const DrawingState& st = w->stato();
    EXPECT_EQ(w->caption(), percorso);
    EXPECT_EQ(st.dis.cerchi.Count(), 1);
    EXPECT_DOUBLE_EQ(st.dis.cerchi.Item(1).raggio, 5);
    EXPECT_EQ(st.colori.colsfondo.tag(), Variant::Double);
    EXPECT_EQ(st.colori.colevidenzia, 15.0);
    EXPECT_NEAR(st.vista.origineX / st.vista.scala, 10, 1e-4); // the stored view's top-left corner
    EXPECT_EQ(st.aiuti.snapattivo, "OFF");
    EXPECT_FALSE(w->aiutdis(4));
    EXPECT_EQ(st.aiuti.grigliaattiva, "ON");
    EXPECT_TRUE(w->aiutdis(5));
    EXPECT_EQ(s.frame->Label(8).toolTip(), "[ OFF ]");
    // The switches went through their toggles, which rewrite the settings.
    EXPECT_EQ(recordIni(s, 3), QByteArray("\x08\x00\x03\x00OFF", 7));
    EXPECT_EQ(st.comandi.numcomando, 2);
    EXPECT_EQ(s.ctx.riga.Label1, "Comando: ");
}

// Opened, saved and closed three times: maximised, the stored view fitted to
// the maximised window, no question on closing, and the view kept from the second save on.
TEST(MenuFile, AMaximisedDrawingReopensAsItWasSaved)
{
    Sessione s;
    s.avvia();
    QCoreApplication::processEvents(); // the frame takes its maximised size
    const std::string percorso = disegnoSalvato(s, "grande.dis", "OFF", "OFF", 2);
    std::vector<float> larghezze;
    for (int ciclo = 0; ciclo < 3; ++ciclo) {
        s.fake.files.scelte = {percorso};
        s.frame->gestfile_Click(2);
        QCoreApplication::processEvents();
        DrawingWindow* w = s.frame->finestraAttiva();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isMaximized());
        const Vista& v = w->stato().vista;
        if (ciclo == 0) {
            EXPECT_DOUBLE_EQ(v.scala, std::min(v.larghezzaMm / 40, v.altezzaMm / 30));
        }
        EXPECT_EQ(w->stato().dasalvare, 0);
        w->opfile_Click(3);
        w->close();
        QCoreApplication::processEvents();
        larghezze.push_back(std::get<DisegnoLetto>(leggifile(percorso)).finlarg);
    }
    EXPECT_TRUE(s.messaggi().empty());
    EXPECT_EQ(larghezze[1], larghezze[2]);
}

TEST(MenuFile, AFileThatIsNotADrawingLeavesNoWindow)
{
    Sessione s;
    s.avvia();
    const std::string rotto = s.file("rotto.dis", QByteArray(300, 'x'));
    s.fake.files.scelte = {rotto};
    s.frame->apri();
    EXPECT_EQ(s.messaggi().back(), "Impossibile leggere il file: \"" + rotto + "\"");
    EXPECT_EQ(s.ctx.registro.numdisegni(), 0);
    EXPECT_EQ(s.ctx.registro.contadisegni(), 0);
}

TEST(MenuFile, SnapMaySwitchDuringACommandTheGridMayNot)
{
    Sessione s;
    s.avvia();
    DrawingWindow* w = s.nuova();
    DrawingState& st = w->stato();
    st.corrente().tipo = "Linea";
    st.aiuti.passosnap = 0;
    w->impaiut(4);
    EXPECT_EQ(st.aiuti.snapattivo, "OFF");
    w->impaiut(4);
    EXPECT_EQ(st.aiuti.snapattivo, "ON");
    EXPECT_EQ(st.aiuti.passosnap, 1.0f); // a step of 0 becomes 1 when the snap comes on
    EXPECT_EQ(s.frame->Label(8).toolTip(), "[ON] : 1 ");

    w->impaiut(5);
    EXPECT_EQ(st.aiuti.grigliaattiva, "ON");
    EXPECT_TRUE(w->aiutdis(5));
    EXPECT_EQ(s.messaggi().back(), "Completare il comando \"Linea\" prima di disattivare la griglia.");
    EXPECT_EQ(s.fake.notifier.beeps, 1);

    st.corrente().tipo = "";
    w->impaiut(5);
    EXPECT_EQ(st.aiuti.grigliaattiva, "OFF");
    EXPECT_EQ(recordIni(s, 4), QByteArray("\x08\x00\x03\x00OFF", 7));
}

} // namespace tramel::test
