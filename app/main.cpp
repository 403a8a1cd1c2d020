#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Tramel - (Modulo Disegni Bidimensionali) - Versione 1.0.0"));
    frame.showMaximized();
    return app.exec();
}
