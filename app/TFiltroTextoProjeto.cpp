#include "app/TFiltroTextoProjeto.h"

#include "app/nucleo/RegrasEntrada.h"
#include "plataforma/TAvisoCampo.h"
#include "plataforma/TFiltroInsercao.h"
#include "plataforma/TextoQt.h"

#include <QLineEdit>

#include <optional>
#include <string>

using TextoQt::q;
using TextoQt::s;

void TFiltroTextoProjeto::instala(QLineEdit* edicao)
{
    TFiltroInsercao::instala(edicao, [edicao](const QString& antes, const QString& depois) -> std::optional<QString> {
        const std::string composto = s(TextoQt::composto(depois));
        const std::optional<std::string> aceito = alteracaoTexto(s(antes), composto);
        if (aceito)
            return q(*aceito);
        TAvisoCampo::mostra(edicao, q(motivoRecusaTexto(s(antes), composto)));
        return std::nullopt;
    });
}
