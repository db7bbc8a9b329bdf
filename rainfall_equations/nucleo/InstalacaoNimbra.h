#pragma once
// Whether the shared data folder of the database is in place, readable and whole before a
// consultation opens.
#include "plataforma/nucleo/Excecoes.h"

#include <string>

inline const std::string MensagemSemPastaDados =
    "Erro. Não foi possível localizar a pasta contendo o banco de dados.";
inline const std::string MensagemSemEstacoes =
    "Erro. Não foi possível localizar o banco de dados contendo os estados.";
inline const std::string MensagemSemLocalidades =
    "Erro. Não foi possível localizar o banco de dados contendo as localidades.";
inline const std::string MensagemEstacoesDanificadas =
    "Erro. O banco de dados contendo os estados está incompleto ou danificado.";
inline const std::string MensagemLocalidadesDanificadas =
    "Erro. O banco de dados contendo as localidades está incompleto ou danificado.";

// The shared data folder or one of its two files is not there, or a file is there but
// damaged: what the shared-data installer puts back whole.
class EDadosNaoInstalados : public Exception {
public:
    using Exception::Exception;
};

// Checks, in this order, the folder `pasta` (ending in "/"), the stations file, the
// localities file, then the content of both as the database reads it. The first that is
// not there (a file where the folder belongs included), or a file that the database
// refuses as incomplete or damaged, raises EDadosNaoInstalados with the message above. A
// folder or file that is there but cannot be read (no access, a file in the place of a
// folder above it, a loop of links...) is no matter for the installer: EInOutError
// "Erro. Não foi possível ler <what> (<path>): <reason>.".
void verificaInstalacaoNimbra(const std::string& pasta);
