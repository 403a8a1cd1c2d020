#include "platform/qt_ports.h"
#include "shell/contesto_app.h"
#include "shell/finestra_principale.h"
#include "shell/avvio.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tramel::QtPorte porte;
    tramel::AppContext contesto(porte.porte());
    tramel::Frame frame(contesto);
    std::vector<std::string> argomenti;
    const QStringList argomentiQt = QCoreApplication::arguments();
    for (qsizetype i = 1; i < argomentiQt.size(); ++i)
        argomenti.push_back(argomentiQt[i].toStdString());
    const int esito = tramel::startup(frame, QCoreApplication::applicationDirPath().toStdString(), argomenti);
    if (esito != 0)
        return esito;
    return app.exec();
}
