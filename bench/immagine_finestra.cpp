#include "immagine_finestra.h"

namespace tramel {

namespace {

QImage bianca(int larghezza, int altezza)
{
    QImage image(larghezza, altezza, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

ImmagineFinestra::ImmagineFinestra(int larghezza, int altezza)
    : image_(bianca(larghezza, altezza)), painter_(&image_), dc_(painter_)
{
}

void ImmagineFinestra::cls(Rgb colore)
{
    painter_.fillRect(image_.rect(), QColor(redOf(colore), greenOf(colore), blueOf(colore)));
}

} // namespace tramel
