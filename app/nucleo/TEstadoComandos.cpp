#include "app/nucleo/TEstadoComandos.h"

namespace {

// The items of Save and Close, on the menu and on the tool bar alike.
void salvar(TEstadoComandos& e, bool ligado)
{
    e.salvarNoMenu = e.salvarNaBarra = ligado;
}

void fechar(TEstadoComandos& e, bool ligado)
{
    e.fecharNoMenu = e.fecharNaBarra = ligado;
}

// The commands that need the data entry or its verdict.
void avaliacao(TEstadoComandos& e, bool entrada, bool veredito)
{
    e.entradaDeDados = entrada;
    e.capacidadeDeArmazenamento = e.relatorioDeAvaliacao = veredito;
}

} // namespace

TEstadoComandos TEstadoComandos::apos(TEvento evento) const
{
    TEstadoComandos e = *this;
    switch (evento) {
    case TEvento::exibicaoInicial:
        e.projetoSalvo = false;
        break;
    // Save stays off: a new project has no file yet to be saved to.
    case TEvento::novo:
        e.salvarComo = true;
        salvar(e, false);
        fechar(e, true);
        avaliacao(e, false, false);
        e.projetoSalvo = e.projetoAberto = false;
        break;
    case TEvento::entradaIniciada:
        e.salvarComo = e.entradaDeDados = true;
        fechar(e, true);
        break;
    case TEvento::aberto:
        e.salvarComo = true;
        salvar(e, true);
        fechar(e, true);
        avaliacao(e, true, false);
        e.projetoSalvo = e.projetoAberto = true;
        break;
    case TEvento::salvo:
        e.projetoSalvo = true;
        break;
    case TEvento::salvoComo:
        salvar(e, true);
        fechar(e, true);
        e.entradaDeDados = e.projetoSalvo = true;
        break;
    case TEvento::janelasDescartadas:
        avaliacao(e, false, false);
        break;
    case TEvento::fechado:
        e = TEstadoComandos();
        break;
    case TEvento::identificacaoCancelada:
        e.salvarComo = e.projetoSalvo = false;
        break;
    case TEvento::avaliacaoConcluida:
        e.capacidadeDeArmazenamento = e.relatorioDeAvaliacao = true;
        break;
    case TEvento::relatorioFechado:
        e.relatorioDeAvaliacao = false;
        break;
    }
    return e;
}
