#include "rainfall_equations/nucleo/UnBD.h"

#include "plataforma/nucleo/TPastaPrograma.h"

const std::array<std::string, NumeroEstados> NomesEstados{
    "Acre", "Alagoas", "Amapá", "Amazonas", "Bahia", "Ceará", "Distrito Federal",
    "Espírito Santo", "Goiás", "Maranhão", "Mato Grosso", "Mato Grosso do Sul",
    "Minas Gerais", "Pará", "Paraíba", "Paraná", "Pernambuco", "Piauí", "Rio de Janeiro",
    "Rio Grande do Norte", "Rio Grande do Sul", "Rondônia", "Roraima", "Santa Catarina",
    "São Paulo", "Sergipe", "Tocantins"};

const std::array<std::string, NumeroEstados> SiglasEstados{
    "AC", "AL", "AP", "AM", "BA", "CE", "DF", "ES", "GO", "MA", "MT", "MS", "MG", "PA",
    "PB", "PR", "PE", "PI", "RJ", "RN", "RS", "RO", "RR", "SC", "SP", "SE", "TO"};

std::string pastaDadosNimbra()
{
    return pastaPrograma() + "../Arquivos Comuns/Nimbra/";
}

void verificaIndiceEstado(int n)
{
    if (n < 0 || n >= NumeroEstados)
        throw ENumeroEstado(" Não existe estado com índice igual a " + std::to_string(n));
}
