#include "plataforma/TAplicacao.h"

#include "plataforma/TCaixaMensagem.h"
#include "plataforma/nucleo/ConfiguracaoRegional.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <exception>

TAplicacao::TAplicacao(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Morlin"));
    // Numbers are typed, read and shown the Brazilian way from the first key on, not
    // only after the first evaluation: a number typed with the system's "." before it
    // would otherwise make that evaluation fail.
    defineConfiguracaoRegional(TConfiguracaoRegional::brasileira());
    carregaTraducoes();
}

// Without the translations installed Qt keeps its English texts; the program works all
// the same.
void TAplicacao::carregaTraducoes()
{
    const QLocale brasileiro(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brasileiro);
    auto* traducao = new QTranslator(this);
    if (traducao->load(brasileiro, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(traducao);
    else
        delete traducao;
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        mostraErroAtual();
        return false;
    }
}

void TAplicacao::executa(const std::function<void()>& comando) noexcept
{
    try {
        comando();
    } catch (...) {
        mostraErroAtual();
    }
}

// Called only from inside a catch block.
void TAplicacao::mostraErroAtual() noexcept
{
    QString mensagem;
    try {
        throw;
    } catch (const std::exception& erro) {
        mensagem = QString::fromUtf8(erro.what());
    } catch (...) {
        mensagem = QStringLiteral("Ocorreu um erro inesperado.");
    }
    try {
        TCaixaMensagem::mostra(mensagem);
    } catch (...) {
        // Nothing is left to tell the user with; the command has ended all the same.
    }
}
