#pragma once
// A freshly shown data-entry window, with every message, help request and program
// start recorded instead of shown or run.
#include "app/TImagensGuia.h"
#include "app/UEntDados.h"
#include "plataforma/TAjudaAplicacao.h"
#include "plataforma/TCaixaMensagem.h"
#include "plataforma/TIniciaProcesso.h"
#include "tests/app/janelas/NomesImagensGuia.h"

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class FixtureEntrada : public ::testing::Test {
protected:
    void SetUp() override
    {
        TCaixaMensagem::substitui([this](const QString& texto) { mensagens << texto; },
                                  [](const QString&) { return TCaixaMensagem::TResposta::Cancelar; });
        TAjudaAplicacao::defineManipulador([this](std::uint16_t comando, std::uint32_t dados, bool&) {
            if (comando == 1)
                ajudas.push_back(dados);
            return true;
        });
        TIniciaProcesso::substitui([this](const QString& programa) {
            iniciados << programa;
            return resultadoInicio;
        });
    }

    void TearDown() override
    {
        janela.reset();
        TCaixaMensagem::substitui({}, {});
        TAjudaAplicacao::defineManipulador({});
        TIniciaProcesso::substitui({});
        TImagensGuia::definePasta(QString());
        TImagensGuia::esqueceAvisos();
    }

    TFEntdados& mostra()
    {
        janela = std::make_unique<TFEntdados>();
        janela->show();
        return *janela;
    }

    // Every guide picture drawn at one size in a folder of the test's own.
    void usaImagensDeTamanho(QSize tamanho)
    {
        QImage imagem(tamanho, QImage::Format_RGB32);
        imagem.fill(Qt::gray);
        for (const char* nome : nomesImagensGuia)
            imagem.save(pasta.path() + "/" + nome + ".bmp", "BMP");
        TImagensGuia::definePasta(pasta.path() + "/");
    }

    void gravaImagem(const QString& nome, QSize tamanho)
    {
        QImage imagem(tamanho, QImage::Format_RGB32);
        imagem.fill(Qt::gray);
        imagem.save(pasta.path() + "/" + nome, "BMP");
        TImagensGuia::definePasta(pasta.path() + "/");
    }

    QTemporaryDir pasta;
    std::unique_ptr<TFEntdados> janela;
    QStringList mensagens;
    std::vector<std::uint32_t> ajudas;
    QStringList iniciados;
    TIniciaProcesso::TResultado resultadoInicio = TIniciaProcesso::TResultado::iniciado;
};
