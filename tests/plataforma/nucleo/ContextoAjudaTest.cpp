#include "plataforma/nucleo/ContextoAjuda.h"

#include "plataforma/nucleo/TLeituraArquivo.h"
#include "plataforma/nucleo/TLinhasTexto.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

namespace {

// The numbers of the help file's table of contexts: each line "número=tópico", comments
// after ";".
std::multiset<std::uint32_t> numerosDaTabela()
{
    const std::string texto = TLeituraArquivo::le(MORLIN_DIR_TESTES "/../data/ajuda/contextos.txt");
    std::multiset<std::uint32_t> numeros;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::string_view linha = TLinhasTexto::proxima(texto, inicio);
        if (linha.empty() || linha.front() == ';')
            continue;
        const std::size_t igual = linha.find('=');
        EXPECT_NE(igual, std::string_view::npos) << linha;
        numeros.insert(static_cast<std::uint32_t>(std::stoul(std::string(linha.substr(0, igual)))));
    }
    return numeros;
}

} // namespace

// Every name stands for a topic of the help file, and every number of its table, each the
// topic of something the program asks for, has its one name.
TEST(ContextoAjuda, UmNomeParaCadaNumeroDaTabelaDaAjuda)
{
    const std::multiset<std::uint32_t> tabela = numerosDaTabela();
    const std::multiset<std::uint32_t> nomeados(std::begin(ContextoAjuda::todos), std::end(ContextoAjuda::todos));
    for (const std::uint32_t numero : nomeados) {
        EXPECT_EQ(tabela.count(numero), 1U) << numero;
        EXPECT_EQ(nomeados.count(numero), 1U) << numero;
    }
    for (const std::uint32_t numero : tabela)
        EXPECT_EQ(nomeados.count(numero), 1U) << "contextos.txt: " << numero;
}
