#include "rainfall_equations/nucleo/FontesDados.h"

#include <algorithm>

const TFonteEquacao* procuraFonte(std::string_view chave)
{
    const auto fonte = std::find_if(FontesEquacoes.begin(), FontesEquacoes.end(),
                                    [chave](const TFonteEquacao& f) { return f.Chave == chave; });
    return fonte == FontesEquacoes.end() ? nullptr : &*fonte;
}
