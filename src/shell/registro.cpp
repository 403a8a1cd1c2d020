#include "registro.h"

#include "finestra_disegno.h"

namespace tramel {

std::vector<DrawingWindow*> RegistroDisegni::aperte() const
{
    std::vector<DrawingWindow*> finestre;
    for (const Voce& v : voci_)
        if (v.finestra && !v.finestra->chiusa())
            finestre.push_back(v.finestra);
    return finestre;
}

int RegistroDisegni::numdisegni() const
{
    return static_cast<int>(aperte().size());
}

int RegistroDisegni::aggiungi(DrawingWindow* finestra)
{
    voci_.push_back({finestra, {}});
    return contadisegni();
}

void RegistroDisegni::rimuoviUltimo()
{
    if (!voci_.empty())
        voci_.pop_back();
}

DrawingWindow* RegistroDisegni::finestredisegno(int n) const
{
    return voce(n).finestra;
}

const std::string& RegistroDisegni::nomidisegni(int n) const
{
    return voce(n).nome;
}

void RegistroDisegni::registra(int n, std::string nome)
{
    voci_.at(static_cast<std::size_t>(n - 1)).nome = std::move(nome);
}

int RegistroDisegni::numero(const DrawingWindow* finestra) const
{
    if (!finestra)
        return 0;
    for (int n = 1; n <= contadisegni(); ++n)
        if (voce(n).finestra == finestra)
            return n;
    return 0;
}

bool RegistroDisegni::inUso(const std::string& nome, const DrawingWindow* tranne) const
{
    for (const Voce& v : voci_)
        if (v.finestra && v.finestra != tranne && !v.finestra->chiusa() && v.nome == nome)
            return true;
    return false;
}

} // namespace tramel
