#pragma once
#include <QIcon>
#include <QWidget>

#include <string_view>

namespace tramel {

// Pictures the program draws itself, sharp at any size and screen scale.

// The program's icon: a sheet of drafting paper with a circle and a line across it.
QIcon iconaProgramma();
// The maker's logo.
QIcon logoSocieta();
// The picture of a toolbar button, by the button's text; a null icon for a text without one.
QIcon iconaPulsante(std::string_view testo);

// A fixed picture in a window: its icon painted square, at the screen's own scale.
class Immagine : public QWidget {
public:
    Immagine(QIcon icona, int lato, QWidget* parent = nullptr);
    const QIcon& icona() const { return icona_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QIcon icona_;
};

} // namespace tramel
