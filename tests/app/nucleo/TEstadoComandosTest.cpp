#include "app/nucleo/TEstadoComandos.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using TEvento = TEstadoComandos::TEvento;

// on, off, or left as it was ("sem mudança").
enum TMarca { on, off, sm };

// salvarComo, salvarNoMenu, salvarNaBarra, fecharNoMenu, fecharNaBarra, entradaDeDados,
// capacidadeDeArmazenamento, relatorioDeAvaliacao, projetoSalvo, projetoAberto.
using TMarcas = std::array<TMarca, 10>;
using TValores = std::array<bool, 10>;

TValores valores(const TEstadoComandos& e)
{
    return {e.salvarComo,     e.salvarNoMenu,   e.salvarNaBarra,
            e.fecharNoMenu,   e.fecharNaBarra,  e.entradaDeDados,
            e.capacidadeDeArmazenamento,        e.relatorioDeAvaliacao,
            e.projetoSalvo,   e.projetoAberto};
}

TEstadoComandos tudo(bool ligado)
{
    TEstadoComandos e;
    e.salvarComo = e.salvarNoMenu = e.salvarNaBarra = e.fecharNoMenu = e.fecharNaBarra = ligado;
    e.entradaDeDados = e.capacidadeDeArmazenamento = e.relatorioDeAvaliacao = ligado;
    e.projetoSalvo = e.projetoAberto = ligado;
    return e;
}

void confere(const TEstadoComandos& antes, const TEstadoComandos& depois, const TMarcas& marcas)
{
    const TValores de = valores(antes);
    const TValores para = valores(depois);
    for (std::size_t i = 0; i < marcas.size(); ++i)
        EXPECT_EQ(para[i], marcas[i] == sm ? de[i] : marcas[i] == on) << "coluna " << i;
}

} // namespace

TEST(EstadoComandos, InicioComTudoDesligado)
{
    EXPECT_EQ(valores(TEstadoComandos()), valores(tudo(false)));
}

// Each event's row, from a state with everything off and from one with everything on, so
// that what it leaves as it was shows both ways.
TEST(EstadoComandos, OQueCadaEventoLigaEDesliga)
{
    const struct {
        const char* nome;
        TEvento evento;
        TMarcas marcas;
    } tabela[] = {
        {"exibição inicial", TEvento::exibicaoInicial, {{sm, sm, sm, sm, sm, sm, sm, sm, off, sm}}},
        {"novo", TEvento::novo, {{on, off, off, on, on, off, off, off, off, off}}},
        {"entrada iniciada", TEvento::entradaIniciada, {{on, sm, sm, on, on, on, sm, sm, sm, sm}}},
        {"aberto", TEvento::aberto, {{on, on, on, on, on, on, off, off, on, on}}},
        {"salvo", TEvento::salvo, {{sm, sm, sm, sm, sm, sm, sm, sm, on, sm}}},
        {"Salvar Como", TEvento::salvoComo, {{sm, on, on, on, on, on, sm, sm, on, sm}}},
        {"janelas descartadas", TEvento::janelasDescartadas, {{sm, sm, sm, sm, sm, off, off, off, sm, sm}}},
        {"fechado", TEvento::fechado, {{off, off, off, off, off, off, off, off, off, off}}},
        {"identificação cancelada", TEvento::identificacaoCancelada, {{off, sm, sm, sm, sm, sm, sm, sm, off, sm}}},
        {"avaliação concluída", TEvento::avaliacaoConcluida, {{sm, sm, sm, sm, sm, sm, on, on, sm, sm}}},
        {"relatório fechado", TEvento::relatorioFechado, {{sm, sm, sm, sm, sm, sm, sm, off, sm, sm}}},
    };
    for (const auto& linha : tabela) {
        for (const bool ligado : {false, true}) {
            SCOPED_TRACE(std::string(linha.nome) + (ligado ? " com tudo ligado" : " com tudo desligado"));
            const TEstadoComandos antes = tudo(ligado);
            confere(antes, antes.apos(linha.evento), linha.marcas);
        }
    }
}

// A project's life, from the start: the state after each event in turn.
TEST(EstadoComandos, UmProjetoDoNovoAoFechar)
{
    const struct {
        TEvento evento;
        TValores esperado;
    } passos[] = {
        {TEvento::exibicaoInicial, {false, false, false, false, false, false, false, false, false, false}},
        {TEvento::novo, {true, false, false, true, true, false, false, false, false, false}},
        {TEvento::entradaIniciada, {true, false, false, true, true, true, false, false, false, false}},
        {TEvento::avaliacaoConcluida, {true, false, false, true, true, true, true, true, false, false}},
        {TEvento::relatorioFechado, {true, false, false, true, true, true, true, false, false, false}},
        {TEvento::salvoComo, {true, true, true, true, true, true, true, false, true, false}},
        {TEvento::salvo, {true, true, true, true, true, true, true, false, true, false}},
        {TEvento::janelasDescartadas, {true, true, true, true, true, false, false, false, true, false}},
        {TEvento::fechado, {false, false, false, false, false, false, false, false, false, false}},
        {TEvento::aberto, {true, true, true, true, true, true, false, false, true, true}},
        {TEvento::novo, {true, false, false, true, true, false, false, false, false, false}},
        {TEvento::identificacaoCancelada, {false, false, false, true, true, false, false, false, false, false}},
    };
    TEstadoComandos estado;
    int passo = 0;
    for (const auto& [evento, esperado] : passos) {
        SCOPED_TRACE(passo++);
        estado = estado.apos(evento);
        EXPECT_EQ(valores(estado), esperado);
    }
}

TEST(EstadoComandos, UmEventoNaoMudaOEstadoDeOrigem)
{
    const TEstadoComandos inicio;
    const TEstadoComandos aberto = inicio.apos(TEvento::aberto);
    EXPECT_EQ(inicio, TEstadoComandos());
    EXPECT_NE(aberto, inicio);
}
