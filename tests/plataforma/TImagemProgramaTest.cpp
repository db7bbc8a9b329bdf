#include "plataforma/nucleo/Excecoes.h"
#include "plataforma/TImagemPrograma.h"

#include <gtest/gtest.h>

TEST(ImagemPrograma, ArquivoQueFaltaDizQualArquivo)
{
    const QString caminho = TImagemPrograma::caminho("nao existe.bmp");
    try {
        TImagemPrograma::carrega("nao existe.bmp");
        FAIL() << "sem erro";
    } catch (const EInOutError& erro) {
        EXPECT_EQ(QString::fromStdString(erro.Message()), "O arquivo " + caminho + " não existe.");
    }
}
