#include "models/PrecipitacaoExponencialNegativa.h"

#include "models/Aritmetica.h"
#include "models/IniFile.h"
#include "models/SerieGrafico.h"
#include "plataforma/nucleo/Excecoes.h"

#include <cmath>

namespace {

// (t + b)^expoente as exp(expoente · ln(t + b)): fails when t + b is not positive.
long double potenciaDoTempo(double t, double b, double expoente)
{
    return potencia(static_cast<long double>(t) + b, expoente);
}

const char* const SecaoTormenta = "PREC_EXPONENCIAL_NEGATIVA";

} // namespace

TPrecipitacaoExponencialNegativa::TPrecipitacaoExponencialNegativa() = default;

TPrecipitacaoExponencialNegativa::TPrecipitacaoExponencialNegativa(const std::string& Sufixo)
    : TPrecipitacao(Sufixo)
{
}

void TPrecipitacaoExponencialNegativa::recalcula()
{
    D = -1.0;
    // An exponent a of 0 is a valid equation (the return period does not matter), so it
    // gives K rather than leaving the storm without a coefficient.
    const double novoKTr = K > 0.0 && Tr > 0.0 && A >= 0.0 ? armazena(multiplica(K, potencia(Tr, A)))
                                                            : -1.0;
    const double novoCKTr = armazena(multiplica(C, novoKTr));
    const double novoCMaisUm = armazena(static_cast<long double>(C) + 1.0L);
    KTr = novoKTr;
    CKTr = novoCKTr;
    CMaisUm = novoCMaisUm;
}

double TPrecipitacaoExponencialNegativa::derivadaIntensidade(double t) const
{
    const long double tMaisB = static_cast<long double>(t) + B;
    const long double fator = divide(multiplica(CMaisUm, t), tMaisB) - 2.0L;
    return armazena(multiplica(divide(CKTr, potenciaDoTempo(t, B, CMaisUm)), fator));
}

void TPrecipitacaoExponencialNegativa::copia(const TPrecipitacao& Outra)
{
    TPrecipitacao::copia(Outra);
    const auto* tormenta = dynamic_cast<const TPrecipitacaoExponencialNegativa*>(&Outra);
    if (tormenta == nullptr)
        throw EInvalidCast("Erro: a precipitação copiada não é do tipo exponencial negativa.");
    K = tormenta->K;
    Tr = tormenta->Tr;
    recalcula();
}

void TPrecipitacaoExponencialNegativa::limpa()
{
    TPrecipitacao::limpa();
    Tr = -1.0;
    K = -1.0;
    KTr = -1.0;
}

bool TPrecipitacaoExponencialNegativa::carregaDoArquivo(const std::string& NomeArquivo)
{
    if (!TPrecipitacao::carregaDoArquivo(NomeArquivo))
        return false;
    TIniFile ini(NomeArquivo);
    return recalculaAposLeitura([&] { return carregaSecao(ini); });
}

bool TPrecipitacaoExponencialNegativa::carregaSecao(TIniFile& Ini)
{
    const std::string secao = SecaoTormenta + Sufixo;
    const std::string antiga = SecaoVersao1 + Sufixo;
    const std::string versao = Ini.ReadString(secao, "Versao", SecaoVersao1);
    if (versao == SecaoVersao1 || versao == "1") {
        if (!leSecaoVersao2(Ini, antiga))
            return false;
        migraSecaoVersao1(Ini);
        return true;
    }
    if (versao == "2")
        return leSecaoVersao2(Ini, secao);
    if (versao == "3")
        return leSecaoVersao3(Ini, secao);
    return false;
}

void TPrecipitacaoExponencialNegativa::migraSecaoVersao1(TIniFile& Ini) const
{
    const std::string secao = SecaoTormenta + Sufixo;
    const std::string antiga = SecaoVersao1 + Sufixo;
    const struct {
        const char* chave;
        double valor;
    } campos[] = {{"Tr", Tr}, {"K", K}, {"A", A}, {"B", B}, {"C", C}};
    Ini.atualiza([&] {
        Ini.WriteString(secao, "Versao", "2");
        for (const auto& campo : campos) {
            Ini.WriteFloat(secao, campo.chave, campo.valor);
            Ini.DeleteKey(antiga, campo.chave);
        }
    });
}

bool TPrecipitacaoExponencialNegativa::leSecaoVersao2(const TIniFile& Ini, const std::string& Secao)
{
    try {
        Tr = Ini.ReadFloat(Secao, "Tr", 0.0);
        K = Ini.ReadFloat(Secao, "K", 0.0);
        A = Ini.ReadFloat(Secao, "A", 0.0);
        B = Ini.ReadFloat(Secao, "B", 0.0);
        C = Ini.ReadFloat(Secao, "C", 0.0);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TPrecipitacaoExponencialNegativa::leSecaoVersao3(const TIniFile& Ini, const std::string& Secao)
{
    const double trAntes = Tr;
    const double kAntes = K;
    try {
        tomaParametro(Ini, Secao, "Tr", [this](double Valor) { setTr(Valor); });
        tomaParametro(Ini, Secao, "K", [this](double Valor) { setK(Valor); });
        return true;
    } catch (const std::exception&) {
        Tr = trAntes;
        K = kAntes;
        return false;
    }
}

void TPrecipitacaoExponencialNegativa::gravaSecoes(TIniFile& Ini) const
{
    TPrecipitacao::gravaSecoes(Ini);
    const std::string secao = SecaoTormenta + Sufixo;
    Ini.WriteString(secao, "Versao", "3");
    Ini.WriteFloat(secao, "Tr", Tr);
    Ini.WriteFloat(secao, "K", K);
}

void TPrecipitacaoExponencialNegativa::desenhaGrafico(TSerieGrafico& Serie) const
{
    Serie.removePontos();
    // nearbyint rounds a half to the even neighbour: 2.5 minutes give 2 points.
    const double minutos = Duracao > 0.0 ? std::nearbyint(Duracao) : 60.0;
    for (long long k = 1; static_cast<double>(k) <= minutos; ++k) {
        const double t = static_cast<double>(k);
        Serie.adicionaPonto(t, intensidade(t), "", CorAutomatica);
    }
}

double TPrecipitacaoExponencialNegativa::intensidade(double t) const
{
    const long double tMaisB = static_cast<long double>(t) + B;
    const long double fator = 1.0L - divide(multiplica(C, t), tMaisB);
    return armazena(multiplica(divide(KTr, potenciaDoTempo(t, B, C)), fator));
}

double TPrecipitacaoExponencialNegativa::laminaAcumulada(double t) const
{
    // Nothing has fallen at the start; with b = 0 the formula would divide 0 by 0^c.
    if (t == 0.0 && B == 0.0)
        return 0.0;
    return armazena(divide(multiplica(divide(KTr, potenciaDoTempo(t, B, C)), t), 60.0L));
}

double TPrecipitacaoExponencialNegativa::laminaEntre(double t1, double t2) const
{
    return armazena(static_cast<long double>(laminaAcumulada(t2)) - laminaAcumulada(t1));
}

void TPrecipitacaoExponencialNegativa::setTr(double Valor)
{
    if (!(Valor > 0.0))
        throw Exception("O valor do tempo de retorno (Tr) deve ser maior que zero.");
    Tr = Valor;
    recalcula();
}

void TPrecipitacaoExponencialNegativa::setK(double Valor)
{
    if (!(Valor > 0.0))
        throw Exception("O valor do parâmetro \"K\" deve ser maior que zero.");
    K = Valor;
    recalcula();
}
