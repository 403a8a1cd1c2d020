#pragma once
// Drawing-file bytes put together by hand, field by field, to check the
// writer against and to feed the reader.
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tramel::prova {

constexpr std::size_t L = 242;

// The value's bytes as the file stores them (the test machine is little-endian, as the file).
template <class T>
std::string le(T v)
{
    std::string s(sizeof v, '\0');
    std::memcpy(s.data(), &v, sizeof v);
    return s;
}

inline std::string blank(std::string s, std::size_t width)
{
    s.resize(width, ' ');
    return s;
}

// One header record: the value's bytes, then zero bytes.
inline std::string valore(std::string bytes)
{
    bytes.resize(L, '\0');
    return bytes;
}

inline std::string intero(std::int16_t v) { return le<std::int16_t>(2) + le(v); }
inline std::string lungo(std::int32_t v) { return le<std::int16_t>(3) + le(v); }
inline std::string singola(float v) { return le<std::int16_t>(4) + le(v); }
inline std::string doppia(double v) { return le<std::int16_t>(5) + le(v); }
inline std::string testoVar(const std::string& s)
{
    return le<std::int16_t>(8) + le(static_cast<std::int16_t>(s.size())) + s;
}

// The values of the eleven header records, each as its stored bytes.
struct Intestazione {
    std::string finx = le(0.0f);
    std::string finy = le(0.0f);
    std::string finlarg = le(50.0f);
    std::string finalt = le(20.0f);
    std::string stato = intero(0);
    std::string colsfondo = intero(15);
    std::string colanteprima = intero(5);
    std::string snap = testoVar("ON");
    std::string passosnap = le(1.0f);
    std::string griglia = testoVar("OFF");
    std::string passogriglia = le(1.0f);

    std::string bytes() const
    {
        std::string s;
        for (const std::string* v : {&finx, &finy, &finlarg, &finalt, &stato, &colsfondo, &colanteprima, &snap,
                                      &passosnap, &griglia, &passogriglia})
            s += valore(*v);
        return s;
    }
};

// One entity record; stringa is given as stored bytes.
struct Rec {
    std::string tipo{};
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0;
    std::int32_t colore1 = 0, colore2 = 0, tratto = 0, riempimento = 0;
    float spessore = 0;
    std::string stringa{};
    std::int16_t numero = 0;

    std::string bytes() const
    {
        std::string s = blank(tipo, 40);
        for (const double v : {x1, y1, x2, y2, x3, y3})
            s += le(v);
        for (const std::int32_t v : {colore1, colore2, tratto, riempimento})
            s += le(v);
        return s + le(spessore) + blank(stringa, 132) + le(numero);
    }
};

inline std::string leggiByte(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void scriviByte(const std::filesystem::path& p, const std::string& bytes)
{
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// A private folder for the files of one test.
class Cartella {
public:
    std::filesystem::path operator/(const char* nome) const { return std::filesystem::path(dir_.path().toStdString()) / nome; }

private:
    QTemporaryDir dir_;
};

} // namespace tramel::prova
