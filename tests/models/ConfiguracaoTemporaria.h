#pragma once
// Process-wide format settings for the length of a test, then the earlier ones again.
#include "plataforma/nucleo/ConfiguracaoRegional.h"

class TConfiguracaoTemporaria {
public:
    explicit TConfiguracaoTemporaria(const TConfiguracaoRegional& configuracao)
    {
        defineConfiguracaoRegional(configuracao);
    }
    ~TConfiguracaoTemporaria() { defineConfiguracaoRegional(anterior_); }
    TConfiguracaoTemporaria(const TConfiguracaoTemporaria&) = delete;
    TConfiguracaoTemporaria& operator=(const TConfiguracaoTemporaria&) = delete;

private:
    TConfiguracaoRegional anterior_ = configuracaoRegional();
};
