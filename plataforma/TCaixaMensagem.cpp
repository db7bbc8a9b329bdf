#include "plataforma/TCaixaMensagem.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

std::function<void(const QString&)>& registro()
{
    static std::function<void(const QString&)> atual;
    return atual;
}

std::function<TCaixaMensagem::TResposta(const QString&)>& resposta()
{
    static std::function<TCaixaMensagem::TResposta(const QString&)> atual;
    return atual;
}

} // namespace

void TCaixaMensagem::mostra(const QString& texto, QWidget* pai)
{
    if (registro()) {
        registro()(texto);
        return;
    }
    QMessageBox::information(pai, QApplication::applicationName(), texto);
}

void TCaixaMensagem::informa(const QString& texto, const QString& titulo, QWidget* pai)
{
    if (registro()) {
        registro()(texto);
        return;
    }
    QMessageBox::information(pai, titulo, texto, QMessageBox::Ok);
}

TCaixaMensagem::TResposta TCaixaMensagem::pergunta(const QString& texto, QWidget* pai)
{
    if (resposta())
        return resposta()(texto);
    const auto botao = QMessageBox::information(pai, QApplication::applicationName(), texto,
                                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (botao == QMessageBox::Yes)
        return TResposta::Sim;
    if (botao == QMessageBox::No)
        return TResposta::Nao;
    return TResposta::Cancelar;
}

bool TCaixaMensagem::confirma(const QString& texto, QWidget* pai)
{
    if (resposta())
        return resposta()(texto) == TResposta::Sim;
    return QMessageBox::question(pai, QApplication::applicationName(), texto, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

void TCaixaMensagem::substitui(std::function<void(const QString&)> novoRegistro,
                               std::function<TResposta(const QString&)> novaResposta)
{
    registro() = std::move(novoRegistro);
    resposta() = std::move(novaResposta);
}
