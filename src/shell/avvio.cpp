#include "avvio.h"

#include "finestra_principale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <system_error>

namespace tramel {

namespace {

constexpr int FILE_NON_APERTO = 1;

// The name made absolute against the current folder, the one the user started
// from: the frame's load changes to the program's folder before it opens the file.
std::string assoluto(const std::string& nome)
{
    std::error_code errore;
    const std::filesystem::path percorso = std::filesystem::absolute(nome, errore);
    return nome.empty() || errore ? nome : percorso.lexically_normal().string();
}

// Qt's own dialogs and buttons in Italian. Without the translation file they
// stay in English and the program starts all the same.
void traduzioneQt()
{
    auto* traduzione = new QTranslator(QCoreApplication::instance());
    if (traduzione->load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduzione);
    else
        delete traduzione;
}

} // namespace

std::string percorsoIni(const std::string& cartellaProgramma)
{
    const bool separatore = !cartellaProgramma.empty() && cartellaProgramma.back() == '/';
    return cartellaProgramma + (separatore ? "" : "/") + "Tramel.ini";
}

std::string nomeDaRigaComando(const std::vector<std::string>& argomenti)
{
    std::string nome;
    for (std::size_t i = 0; i < argomenti.size(); ++i)
        nome += (i == 0 ? "" : " ") + argomenti[i];
    if (nome.starts_with('"'))
        nome.erase(0, 1);
    if (nome.ends_with('"'))
        nome.pop_back();
    return nome;
}

int startup(Frame& frame, const std::string& cartellaProgramma, const std::vector<std::string>& argomenti)
{
    traduzioneQt();
    frame.contesto().modulo.nomefileini = percorsoIni(cartellaProgramma);
    return frame.MDIForm_Load(cartellaProgramma, assoluto(nomeDaRigaComando(argomenti))) ? 0 : FILE_NON_APERTO;
}

} // namespace tramel
