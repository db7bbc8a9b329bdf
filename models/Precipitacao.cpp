#include "models/Precipitacao.h"

#include "models/Aritmetica.h"
#include "models/IniFile.h"
#include "models/PrecipitacaoExponencialNegativa.h"
#include "models/PrecipitacaoPluviograma.h"
#include "plataforma/nucleo/Excecoes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Newton's method on a smooth, falling intensity settles in a handful of steps; this
// many means it is wandering and will not settle.
constexpr int MaximoPassosNewton = 500;
// In minutes up to the first minute, and relative beyond it: past about 2^19 minutes two
// neighbouring doubles lie further apart than any fixed step.
constexpr long double ToleranciaNewton = 1e-10L;

const char* const MensagemFimEscoamento =
    "Erro: divisão por zero ao tentar calcular o tempo do fim do escoamento superficial "
    "utilizando o perfil de precipitação exponencial negativa.";

const char* const SecaoPrecipitacao = "PRECIPITACAO";

// The default of a key that a section must hold: no text in the file reads as it.
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

[[noreturn]] void operacaoAbstrata()
{
    throw EAbstractError("Erro: operação não disponível para este tipo de precipitação.");
}

// Newton's method from t0 for intensidade(t) = TIE.
double newtonFimEscoamento(const TPrecipitacao& Evento, double TIE, double t0)
{
    double t = t0;
    try {
        for (int passo = 0; passo < MaximoPassosNewton; ++passo) {
            const long double residuo = static_cast<long double>(Evento.intensidade(t)) - TIE;
            const long double derivada = Evento.derivadaIntensidade(t);
            const double tn = armazena(t - divide(residuo, derivada));
            const long double escala = std::max(1.0L, std::fabs(static_cast<long double>(tn)));
            if (std::fabs(static_cast<long double>(tn) - t) < ToleranciaNewton * escala)
                return tn;
            t = tn;
        }
    } catch (const std::exception&) {
        // Whatever went wrong, the user learns that the end of runoff could not be found.
    }
    throw EZeroDivide(MensagemFimEscoamento);
}

// With b = 0 the intensity is (1 - c)·K·T^a / t^c: unbounded at the start, so runoff
// always begins, and falling to TIE exactly at ((1 - c)·K·T^a / TIE)^(1/c). With a c of 1
// or more it is never positive after the start.
double fimSemDeslocamento(const TPrecipitacaoExponencialNegativa& Tormenta, double TIE)
{
    const long double coeficiente = multiplica(1.0L - Tormenta.C, Tormenta.KTr);
    if (!(coeficiente > 0.0L))
        return 0.0;
    try {
        return armazena(potencia(divide(coeficiente, TIE), divide(1.0L, Tormenta.C)));
    } catch (const std::exception&) {
        // A rate of 0, or a c of 0, leaves an intensity that never falls to the rate.
        throw EZeroDivide(MensagemFimEscoamento);
    }
}

// The time at which the storm's intensity falls to TIE, as if the storm never ended.
double fimDaIntensidade(const TPrecipitacaoExponencialNegativa& Tormenta, double TIE)
{
    if (Tormenta.B == 0.0)
        return fimSemDeslocamento(Tormenta, TIE);
    // The intensity of a design storm is greatest at the start: if it does not exceed
    // the infiltration rate there, runoff never begins.
    if (!(Tormenta.intensidade(0.0) > TIE))
        return 0.0;
    // From the start up to the crossing the intensity is convex and falling, so Newton's
    // steps climb to it from the left and never leave the times where it is defined.
    return newtonFimEscoamento(Tormenta, TIE, 0.0);
}

} // namespace

TPrecipitacao::TPrecipitacao() : TPrecipitacao(std::string()) {}

TPrecipitacao::TPrecipitacao(const std::string& NovoSufixo)
{
    TPrecipitacao::setSufixo(NovoSufixo);
}

void TPrecipitacao::recalcula()
{
    operacaoAbstrata();
}

void TPrecipitacao::setSufixo(const std::string& Valor)
{
    Sufixo = Valor;
    limpa();
}

double TPrecipitacao::derivadaIntensidade(double) const
{
    operacaoAbstrata();
}

void TPrecipitacao::copia(const TPrecipitacao& Outra)
{
    Duracao = Outra.Duracao;
    PrecipitacaoTotal = Outra.PrecipitacaoTotal;
    IntensidadePico = Outra.IntensidadePico;
    TempoPico = Outra.TempoPico;
    A = Outra.A;
    B = Outra.B;
    C = Outra.C;
    D = Outra.D;
    Data = Outra.Data;
}

void TPrecipitacao::limpa()
{
    A = -1.0;
    B = -1.0;
    C = -1.0;
    D = -1.0;
    PrecipitacaoTotal = -1.0;
    Duracao = -1.0;
    IntensidadePico = -1.0;
    TempoPico = -1.0;
}

bool TPrecipitacao::carregaDoArquivo(const std::string& NomeArquivo)
{
    limpa();
    TIniFile ini(NomeArquivo);
    return recalculaAposLeitura([&] { return carregaSecoes(ini); });
}

bool TPrecipitacao::recalculaAposLeitura(const std::function<bool()>& Leitura)
{
    bool lido = false;
    try {
        lido = Leitura();
    } catch (...) {
        // The error that stopped the reading is the one the caller hears of.
        try {
            recalcula();
        } catch (const std::exception&) {
        }
        throw;
    }
    recalcula();
    return lido;
}

bool TPrecipitacao::carregaSecoes(TIniFile& Ini)
{
    const std::string secao = SecaoPrecipitacao + Sufixo;
    const std::string versao = Ini.ReadString(secao, "Versao", SecaoVersao1);
    // A section that could not be read is left in the file as it stands: moving it
    // would write the unset values over those the reader refused.
    if (versao == SecaoVersao1 || versao == "1") {
        if (!leSecaoVersao1(Ini, SecaoVersao1 + Sufixo))
            return false;
        migraSecao(Ini, "2");
        return true;
    }
    if (versao == "2") {
        if (!leSecaoVersao1(Ini, secao))
            return false;
        migraSecao(Ini, "3");
        return true;
    }
    if (versao == "3")
        return leSecaoVersao3(Ini, secao);
    return false;
}

void TPrecipitacao::migraSecao(TIniFile& Ini, const std::string& Versao) const
{
    const std::string secao = SecaoPrecipitacao + Sufixo;
    const std::string antiga = SecaoVersao1 + Sufixo;
    Ini.atualiza([&] {
        // A section of version 3 missing a key would read it back as 0, or the date as
        // now, next time: it is written whole, the unset values as -1.
        if (Versao == "3") {
            gravaSecaoVersao3(Ini);
        } else {
            Ini.WriteString(secao, "Versao", Versao);
            Ini.WriteFloat(secao, "Duracao", Duracao);
            Ini.WriteFloat(secao, "PrecipitacaoTotal", PrecipitacaoTotal);
        }
        Ini.DeleteKey(antiga, "Duracao");
        Ini.DeleteKey(antiga, "PrecipitacaoTotal");
    });
}

bool TPrecipitacao::leSecaoVersao1(const TIniFile& Ini, const std::string& Secao)
{
    try {
        setDuracao(Ini.ReadFloat(Secao, "Duracao", 0.0));
        setPrecipitacaoTotal(Ini.ReadFloat(Secao, "PrecipitacaoTotal", 0.0));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TPrecipitacao::leSecaoVersao3(const TIniFile& Ini, const std::string& Secao)
{
    const TPrecipitacao antes(*this);
    try {
        tomaParametro(Ini, Secao, "Duracao", [this](double Valor) { setDuracao(Valor); });
        tomaParametro(Ini, Secao, "PrecipitacaoTotal", [this](double Valor) { setPrecipitacaoTotal(Valor); });
        IntensidadePico = exigido(Ini.ReadFloat(Secao, "IntensidadePico", NaN), Secao, "IntensidadePico");
        TempoPico = exigido(Ini.ReadFloat(Secao, "TempoPico", NaN), Secao, "TempoPico");
        tomaParametro(Ini, Secao, "A", [this](double Valor) { setA(Valor); });
        tomaParametro(Ini, Secao, "B", [this](double Valor) { setB(Valor); });
        tomaParametro(Ini, Secao, "C", [this](double Valor) { setC(Valor); });
        D = exigido(Ini.ReadFloat(Secao, "D", NaN), Secao, "D");
        Data = exigido(Ini.ReadDateTime(Secao, "Data", NaN), Secao, "Data");
        return true;
    } catch (const std::exception&) {
        TPrecipitacao::operator=(antes);
        return false;
    }
}

double TPrecipitacao::exigido(double Valor, const std::string& Secao, const char* Chave)
{
    if (std::isnan(Valor))
        throw EConvertError(std::string("Erro: falta o valor de \"") + Chave + "\" na seção [" + Secao + "].");
    return Valor;
}

void TPrecipitacao::tomaParametro(const TIniFile& Ini, const std::string& Secao, const char* Chave,
                                  const std::function<void(double)>& Define)
{
    const double valor = exigido(Ini.ReadFloat(Secao, Chave, NaN), Secao, Chave);
    if (valor != -1.0)
        Define(valor);
}

bool TPrecipitacao::salvaNoArquivo(const std::string& NomeArquivo)
{
    TIniFile ini(NomeArquivo);
    try {
        ini.atualiza([&] { gravaSecoes(ini); });
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TPrecipitacao::gravaSecoes(TIniFile& Ini) const
{
    gravaSecaoVersao3(Ini);
}

void TPrecipitacao::gravaSecaoVersao3(TIniFile& Ini) const
{
    const std::string secao = SecaoPrecipitacao + Sufixo;
    Ini.WriteString(secao, "Versao", "3");
    Ini.WriteFloat(secao, "Duracao", Duracao);
    Ini.WriteFloat(secao, "PrecipitacaoTotal", PrecipitacaoTotal);
    Ini.WriteFloat(secao, "IntensidadePico", IntensidadePico);
    Ini.WriteFloat(secao, "TempoPico", TempoPico);
    Ini.WriteFloat(secao, "A", A);
    Ini.WriteFloat(secao, "B", B);
    Ini.WriteFloat(secao, "C", C);
    Ini.WriteFloat(secao, "D", D);
    Ini.WriteDateTime(secao, "Data", Data);
}

void TPrecipitacao::desenhaGrafico(TSerieGrafico&) const
{
    operacaoAbstrata();
}

double TPrecipitacao::intensidade(double) const
{
    operacaoAbstrata();
}

double TPrecipitacao::laminaAcumulada(double) const
{
    operacaoAbstrata();
}

double TPrecipitacao::laminaEntre(double, double) const
{
    operacaoAbstrata();
}

void TPrecipitacao::defineNaoNegativo(double& Campo, double Valor, const char* Mensagem)
{
    // Written so that a NaN, which compares false with everything, is refused too.
    if (!(Valor >= 0.0))
        throw Exception(Mensagem);
    Campo = Valor;
    recalcula();
}

void TPrecipitacao::setPrecipitacaoTotal(double Valor)
{
    defineNaoNegativo(PrecipitacaoTotal, Valor,
                      "Erro. A lâmina precipitada tem que ser maior ou igual a zero.");
}

void TPrecipitacao::setDuracao(double Valor)
{
    defineNaoNegativo(Duracao, Valor,
                      "Erro. A duração total da precipitação tem que ser maior ou igual a  zero.");
}

void TPrecipitacao::setA(double Valor)
{
    defineNaoNegativo(A, Valor, "Erro. O parâmetro \"a\" tem que ser maior ou igual a zero.");
}

void TPrecipitacao::setB(double Valor)
{
    defineNaoNegativo(B, Valor, "Erro. O parâmetro \"b\" tem que ser maior ou igual a zero.");
}

void TPrecipitacao::setC(double Valor)
{
    defineNaoNegativo(C, Valor, "Erro. O parâmetro \"c\" tem que ser maior ou igual a zero.");
}

double TPrecipitacao::tempoFimEscoamento(double TIE) const
{
    // A recorded rainfall's intensity may rise and fall again: runoff is taken to last
    // until the record ends.
    if (dynamic_cast<const TPrecipitacaoPluviograma*>(this) != nullptr)
        return Duracao;
    const auto* tormenta = dynamic_cast<const TPrecipitacaoExponencialNegativa*>(this);
    if (tormenta == nullptr)
        return 0.0;
    return std::min(fimDaIntensidade(*tormenta, TIE), TPrecipitacaoExponencialNegativa::DuracaoMaxima);
}
