#include "testo.h"

#include "strumenti_dc.h"
#include "platform/cp1252.h"
#include "platform/rounding.h"

namespace tramel {

namespace {

// Byte offset of the n-th UTF-8 character of s, or s.size() when s is shorter.
std::size_t offsetCarattere(const std::string& s, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t contati = 0; i < s.size(); ++i) {
        const bool inizio = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        if (inizio && contati++ == n)
            return i;
    }
    return i;
}

std::size_t contaCaratteri(const std::string& s)
{
    std::size_t n = 0;
    for (const char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string senzaSpaziFinali(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

} // namespace

void testo::carattere_testo(const std::string& nome)
{
    const std::size_t n = LUNGHEZZA_CARATTERE;
    std::string campo = nome.substr(0, offsetCarattere(nome, n));
    if (campo.find('\0') == std::string::npos)
        campo = campo.substr(0, offsetCarattere(campo, n - 1)) + '\0';
    campo.append(n - contaCaratteri(campo), ' ');
    carattere_ = std::move(campo);
}

std::string testo::nomeCarattere() const
{
    return senzaSpaziFinali(carattere_.substr(0, carattere_.find('\0')));
}

std::int32_t testo::ang_testo() const
{
    return clng(ang_);
}

LogFont testo::fontLogico(std::int32_t altezza) const
{
    LogFont f;
    f.height = altezza;
    f.escapement = clng(static_cast<double>(ang_testo()) * 10);
    f.weight = bold_testo == VERO ? FW_BOLD : FW_DONTCARE;
    f.italic = corsivo_testo != 0;
    f.underline = sottolineato_testo != 0;
    f.strikeOut = barrato_testo != 0;
    f.charSet = DEFAULT_CHARSET;
    f.faceName = nomeCarattere();
    return f;
}

void testo::dis_testo()
{
    if (!DC)
        return;
    const std::int32_t x = clng(pos_testox);
    const std::int32_t y = clng(pos_testoy);
    std::int32_t h = clng(dimens_testo);
    if (h == 0)
        h = 1;
    const bool opaco = opaco_testo == VERO;
    if (opaco) {
        DC->SetBkMode(OPAQUE);
        DC->SetBkColor(colore_opaco_testo);
    } else {
        DC->SetBkMode(TRANSPARENT);
    }
    std::string s = senzaSpaziFinali(stringa_testo);
    if (nCartesto > 0)
        s = s.substr(0, offsetCarattere(s, static_cast<std::size_t>(nCartesto)));
    {
        OggettoSelezionato font(*DC, DC->CreateFontIndirect(fontLogico(h)));
        DC->TextOut(x, y, cp1252::encode(s));
    }
    if (opaco)
        DC->SetBkMode(TRANSPARENT);
}

} // namespace tramel
