#include "rainfall_equations/nucleo/TEstado.h"
#include "rainfall_equations/nucleo/UnBD.h"

#include <gtest/gtest.h>

TEST(TabelaEstados, NomesESiglasNaOrdemDosNomes)
{
    ASSERT_EQ(NomesEstados.size(), 27u);
    ASSERT_EQ(SiglasEstados.size(), 27u);
    struct Linha {
        std::size_t indice;
        const char* nome;
        const char* sigla;
    };
    for (const Linha& l : {Linha{0, "Acre", "AC"}, Linha{2, "Amapá", "AP"}, Linha{3, "Amazonas", "AM"},
                           Linha{6, "Distrito Federal", "DF"}, Linha{10, "Mato Grosso", "MT"},
                           Linha{11, "Mato Grosso do Sul", "MS"}, Linha{12, "Minas Gerais", "MG"},
                           Linha{15, "Paraná", "PR"}, Linha{16, "Pernambuco", "PE"}, Linha{21, "Rondônia", "RO"},
                           Linha{22, "Roraima", "RR"}, Linha{24, "São Paulo", "SP"}, Linha{25, "Sergipe", "SE"},
                           Linha{26, "Tocantins", "TO"}}) {
        EXPECT_EQ(NomesEstados[l.indice], l.nome);
        EXPECT_EQ(SiglasEstados[l.indice], l.sigla);
    }
}

TEST(TEstado, ComecaNoAcreEDaONomeDoIndice)
{
    TEstado estado;
    EXPECT_EQ(estado.Indice(), 0);
    EXPECT_EQ(estado.getNome(), "Acre");
    estado.setIndice(12);
    EXPECT_EQ(estado.getNome(), "Minas Gerais");
    estado.setIndice(26);
    EXPECT_EQ(estado.getNome(), "Tocantins");
    estado.setIndice(0);
    EXPECT_EQ(estado.Indice(), 0);
}

TEST(TEstado, IndiceForaDoIntervaloEhRecusadoEMantido)
{
    TEstado estado;
    estado.setIndice(12);
    for (std::int16_t n : {27, -1, 32767, -32768}) {
        try {
            estado.setIndice(n);
            ADD_FAILURE() << n;
        } catch (const ENumeroEstado& e) {
            EXPECT_EQ(e.Message(), " Não existe estado com índice igual a " + std::to_string(n));
        }
        EXPECT_EQ(estado.Indice(), 12);
    }
}
