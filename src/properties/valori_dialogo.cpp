#include "valori_dialogo.h"

#include "passaggio_dialogo.h"

#include <limits>

namespace tramel {

std::string senzaSpazi(const std::string& t)
{
    const auto primo = t.find_first_not_of(' ');
    if (primo == std::string::npos)
        return {};
    return t.substr(primo, t.find_last_not_of(' ') - primo + 1);
}

std::string testoSpessoreSemplice(double decimi)
{
    return senzaSpazi(strNumero(static_cast<float>(decimi) / 10.0f));
}

std::string testoNumero(float v)
{
    const std::string t = senzaSpazi(strNumero(v));
    return t.starts_with('.') ? "0" + t : t;
}

std::string testoSpessore(double decimi)
{
    return testoNumero(static_cast<float>(decimi) / 10.0f);
}

void scegliCampione(Portatore<int>& Label8, std::string& Frame3, int k)
{
    Label8.imposta(k);
    if (k >= 0 && k < static_cast<int>(suggerimentiCampioni.size()))
        Frame3 = "Tratto Contorno: " + std::string(suggerimentiCampioni[static_cast<std::size_t>(k)]);
}

bool spessoreValido(const FinestraDialogo& f, bool digitato, const std::string& testo, bool intero)
{
    if (!digitato)
        return true;
    const auto t = leggiNumero(f.formato, testo);
    const double massimo = intero ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<float>::max();
    if (t && *t >= 0 && 10 * *t <= massimo)
        return true;
    rifiuta(f.porte.notifier, msgCoordinate);
    return false;
}

std::vector<Punto> puntiDi(const ListaVertici& e)
{
    std::vector<Punto> p;
    for (int i = 1; i <= e.vertic(); ++i)
        p.push_back(e.punto(i));
    return p;
}

std::optional<double> Coordinata::valore(const NumberFormat& formato) const
{
    if (testo == caricato)
        return esatto;
    return leggiNumero(formato, testo);
}

Coordinata casellaCoordinata(const NumberFormat& formato, double v)
{
    return Coordinata::di(v, formato.format(v, "##0.000"));
}

Coordinata rigaCoordinata(const NumberFormat& formato, double v)
{
    return Coordinata::di(v, allineaDestra(formato.format(v, "##0.000")));
}

std::string allineaDestra(std::string testo)
{
    constexpr std::size_t campo = 10;
    if (testo.size() < campo)
        testo.insert(0, campo - testo.size(), ' ');
    return testo;
}

} // namespace tramel
