// The regional separators come from Qt; the rest of NumberFormat is plain C++.
#include "numbers.h"

#include <QLocale>

namespace tramel {

NumberFormat NumberFormat::system()
{
    const QLocale locale = QLocale::system();
    return NumberFormat(locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString());
}

} // namespace tramel
