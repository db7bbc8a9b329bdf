#pragma once
// Whether the shared data folder of the database is in place before a consultation opens.
#include "Excecoes.h"

#include <string>

inline const std::string MensagemSemPastaDados =
    "Erro. Não foi possível localizar a pasta contendo o banco de dados.";
inline const std::string MensagemSemEstacoes =
    "Erro. Não foi possível localizar o banco de dados contendo os estados.";
inline const std::string MensagemSemLocalidades =
    "Erro. Não foi possível localizar o banco de dados contendo as localidades.";

// The shared data folder or one of its two files is not there: what the shared-data
// installer puts back.
class EDadosNaoInstalados : public Exception {
public:
    using Exception::Exception;
};

// Raises EDadosNaoInstalados with the first of the three messages above that holds, in that order:
// the folder `pasta` (ending in "/") is not there, the stations file is not in it, the
// localities file is not in it. Only their presence is looked at, never their content.
void verificaInstalacaoNimbra(const std::string& pasta);
