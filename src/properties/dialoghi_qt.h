#pragma once
#include "coord_vert.h"
#include "gesttesto.h"
#include "passaggio_dialogo.h"
#include "tipo_linea.h"
#include "tipo_superficie.h"

#include <QDialog>
#include <QIcon>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tramel {

// The property dialogs shown modally over parent, each a thin widget over
// its model: every control event calls the model's handler, then the widget
// shows the model again.
Dialoghi dialoghiQt(QWidget* parent, const QIcon& logo);

class CoordVertDialog : public QDialog {
public:
    CoordVertDialog(CoordVert& modello, QWidget* parent);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    CoordVert& m_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QPushButton* Command1_;
};

// The two vertex columns with their buttons, shared by the line and surface dialogs.
class ColonneWidget;

class TipoLineaDialog : public QDialog {
public:
    // The logo fills the place of the coordinates where the dialog shows none.
    TipoLineaDialog(TipoLinea& modello, const QIcon& logo, QWidget* parent);

private:
    void aggiorna();

    TipoLinea& m_;
    QGroupBox* Frame3_;
    QLabel* Label2_;
    QLabel* Label8_;
    QLabel* Label1_;
    QLineEdit* Text1_;
    std::array<QWidget*, 6> Picture1_{};
    QWidget* Picture4_;
    QGroupBox* Frame4_;
    std::array<QLabel*, 6> etichette_{}; // Label3, Label4, Label6, Label7, Label11, Label10
    std::array<QLineEdit*, 6> caselle_{};  // Text5, Text6, Text2, Text3, Text7, Text8
    QGroupBox* Frame5_;
    ColonneWidget* List1_;
    QLabel* Frame2_;
};

class TipoSuperficieDialog : public QDialog {
public:
    TipoSuperficieDialog(TipoSuperficie& modello, QWidget* parent);

private:
    void aggiorna();

    TipoSuperficie& m_;
    QListWidget* List2_;
    QLabel* Label9_;
    QLabel* Label10_;
    QGroupBox* Frame3_;
    QLabel* Label8_;
    QLineEdit* Text1_;
    QLabel* Label7_;
    QLabel* Label6_;
    std::array<QWidget*, 6> Picture1_{};
    QGroupBox* Frame5_;
    ColonneWidget* List1_;
    QLabel* Label3_;
    QLabel* Label4_;
    QWidget* Picture2_;
};

class GesttestoDialog : public QDialog {
public:
    GesttestoDialog(Gesttesto& modello, QWidget* parent);
    void reject() override; // Annulla, Esc and the close box

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void aggiorna();

    Gesttesto& m_;
    QLabel* Label1_;
    QLineEdit* Text1_;
    QLineEdit* Text3_;
    QLineEdit* Text4_;
    QLineEdit* Text2_;
    QCheckBox* Check1_;
    QPushButton* Command4_;
    QLabel* Label8_;
    QWidget* Frame2_;
    QLabel* Label2_;
    QLabel* Label4_;
};

} // namespace tramel
