#pragma once
#include <QPointer>

#include <string>
#include <vector>

namespace tramel {

class DrawingWindow;

// The drawing windows created so far, numbered from 1 (`finestredisegno`),
// with the name registered for each (`nomidisegni`): its untitled caption,
// or the path of the file it holds. A window that failed to open gives its
// number back; a closed window keeps its entry but no longer counts as open.
class RegistroDisegni {
public:
    // Windows created so far (the highest number).
    int contadisegni() const { return static_cast<int>(voci_.size()); }
    // Windows open now.
    int numdisegni() const;

    // Registers a new window as number contadisegni() + 1 and gives that number.
    int aggiungi(DrawingWindow* finestra);
    // Gives the highest number back, after a window that failed to open.
    void rimuoviUltimo();

    DrawingWindow* finestredisegno(int n) const;
    const std::string& nomidisegni(int n) const;
    void registra(int n, std::string nome);
    // The number of a window, 0 when it is not registered.
    int numero(const DrawingWindow* finestra) const;
    // Whether a window open now, other than `tranne`, holds that name.
    bool inUso(const std::string& nome, const DrawingWindow* tranne) const;
    // The windows open now, by number.
    std::vector<DrawingWindow*> aperte() const;

    // Number of the drawing being opened or of the window last activated.
    int disegnocorrente = 0;

private:
    struct Voce {
        QPointer<DrawingWindow> finestra;
        std::string nome;
    };
    const Voce& voce(int n) const { return voci_.at(static_cast<std::size_t>(n - 1)); }

    std::vector<Voce> voci_;
};

} // namespace tramel
