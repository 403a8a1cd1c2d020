#include "motore_comandi.h"

namespace tramel {

CommandEngine::CommandEngine(DrawingState& stato, RigaComando& riga, SuperficieDisegno& superficie, Porte porte)
    : s_(stato), riga_(riga), superficie_(superficie), porte_(porte)
{
}

const DatiComando& CommandEngine::comandoCorrente() const
{
    return dati(comando(s_.corrente().nome()));
}

void CommandEngine::reiniz(int k)
{
    // The log only grows: earlier records stay readable for "Zoom Prec.".
    const auto indice = static_cast<std::size_t>(k);
    if (s_.comandi.coma.size() <= indice)
        s_.comandi.coma.resize(indice + 1);
    s_.comandi.coma[indice].tipo.clear();
    nascondiForme();
}

void CommandEngine::nascondiForme()
{
    s_.overlay.Shape1.visibile = false;
    s_.overlay.Shape2.visibile = false;
    s_.overlay.Shape3.visibile = false;
}

} // namespace tramel
