#include "rainfall_equations/nucleo/TRestauracao.h"

namespace {

int posicaoNaLista(int guardada, std::size_t registros)
{
    return guardada >= 0 && static_cast<std::size_t>(guardada) < registros ? guardada : -1;
}

} // namespace

TRestauracao restauracao(int IndEstacao, int IndLocalidade, std::size_t estacoes, std::size_t localidades,
                         bool haPonto)
{
    TRestauracao r;
    r.PosicaoEstacao = posicaoNaLista(IndEstacao, estacoes);
    r.PosicaoLocalidade = posicaoNaLista(IndLocalidade, localidades);
    if (IndEstacao >= 0) {
        if (r.PosicaoEstacao >= 0)
            r.Escolha = TEscolhaRestaurada::Estacao;
    } else if (IndEstacao == -1 && IndLocalidade >= 0) {
        if (r.PosicaoLocalidade >= 0)
            r.Escolha = TEscolhaRestaurada::Localidade;
    } else if (IndEstacao == -1 && IndLocalidade == -1 && haPonto) {
        r.Escolha = TEscolhaRestaurada::Ponto;
    }
    return r;
}
