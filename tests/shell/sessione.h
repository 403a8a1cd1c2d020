#pragma once
// A running frame on a fresh program context, with scripted user answers and
// a private program folder (where the settings file goes).
#include "shell/contesto_app.h"
#include "shell/finestra_disegno.h"
#include "shell/finestra_principale.h"
#include "shell/avvio.h"

#include "platform/fake_ports.h"
#include "platform/palette.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace tramel::test {

inline QColor colorePalette(int indice)
{
    const Rgb c = Palette::color(indice);
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

struct Sessione {
    QTemporaryDir cartella;
    FakePorte fake;
    AppContext ctx{fake.porte()};
    std::unique_ptr<Frame> frame;

    Sessione()
    {
        // Closing the frame in a test must not end the test program.
        QApplication::setQuitOnLastWindowClosed(false);
        frame = std::make_unique<Frame>(ctx);
    }
    ~Sessione() { frame.reset(); }

    std::string cartellaProgramma() const { return cartella.path().toStdString(); }
    std::string percorso(const std::string& nome) const { return cartellaProgramma() + "/" + nome; }
    int avvia(const std::vector<std::string>& argomenti = {}) { return startup(*frame, cartellaProgramma(), argomenti); }

    // A new window as the frame's File menu opens it.
    DrawingWindow* nuova()
    {
        frame->gestfile_Click(1);
        QCoreApplication::processEvents();
        return ctx.registro.finestredisegno(ctx.registro.contadisegni());
    }

    // Types the text in box n of the command line and presses Enter.
    void scrivi(int n, const char* testo)
    {
        frame->Text(n).setFocus();
        QTest::keyClicks(&frame->Text(n), testo);
        QTest::keyClick(&frame->Text(n), Qt::Key_Return);
    }

    // Writes a file of that name in the program folder and gives its path.
    std::string file(const std::string& nome, const QByteArray& contenuto = "x") const
    {
        QFile f(QString::fromStdString(percorso(nome)));
        f.open(QIODevice::WriteOnly);
        f.write(contenuto);
        return percorso(nome);
    }

    std::vector<std::string> messaggi() const
    {
        std::vector<std::string> testi;
        for (const auto& m : fake.notifier.messaggi)
            testi.push_back(m.testo);
        return testi;
    }
};

} // namespace tramel::test
