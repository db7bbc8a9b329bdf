#include "rainfall_equations/nucleo/TEscolhaConsulta.h"

#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/nucleo/CoordenadasConsulta.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/FontesDados.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <utility>

namespace {

// The pick `calcula` works out, or its message.
template <class Calculo>
TResultadoEscolha inteira(Calculo calcula)
{
    try {
        return calcula();
    } catch (const Exception& e) {
        return TFalhaEscolha{e.what()};
    }
}

TEscolha semEquacao(std::string cidade, TPontoConsulta ponto)
{
    TEscolha escolha;
    escolha.Cidade = std::move(cidade);
    escolha.Ponto = std::move(ponto);
    escolha.Fonte = FonteNenhuma;
    return escolha;
}

} // namespace

TEscolhaConsulta::TEscolhaConsulta(TInterpolacao interpola, const TLimitesMapa& limites, bool comMapa,
                                   std::function<bool(int, int)> noEstado)
    : Interpola(std::move(interpola)), Limites(limites), ComMapa(comMapa), NoEstado(std::move(noEstado))
{
}

TResultadoEscolha TEscolhaConsulta::estacao(const TEstacao& e) const
{
    return inteira([&] {
        TEscolha escolha = doRegistro("A estação ", e.Nome, e.Latitude, e.Longitude);
        escolha.Equacao = e;
        // Every station shows its own source, wherever it falls.
        escolha.Fonte = semBrancosFinais(e.Autor);
        return escolha;
    });
}

TResultadoEscolha TEscolhaConsulta::localidade(const TLocalidade& l) const
{
    return inteira([&] {
        TEscolha escolha = doRegistro("A localidade ", l.Nome, l.Latitude, l.Longitude);
        escolha.Equacao = interpolada(escolha.Ponto);
        escolha.Fonte = std::string(ChaveInterpolacao);
        return escolha;
    });
}

TResultadoEscolha TEscolhaConsulta::clique(TPixel pixel, const TPontoConsulta& atual) const
{
    return inteira([&] {
        const std::optional<TPontoGraus> graus = pontoDoPixel(pixel.X, pixel.Y, Limites);
        if (!graus)
            return semEquacao(LocalNaoDefinido, atual);
        TEscolha escolha = semEquacao(LocalNaoDefinido, {formataCoordenada(graus->Latitude),
                                                         formataCoordenada(graus->Longitude), graus->Latitude,
                                                         graus->Longitude});
        escolha.Equacao = interpolada(escolha.Ponto);
        escolha.Fonte = std::string(ChaveInterpolacao);
        escolha.Cruz = pixel;
        return escolha;
    });
}

TResultadoEscolha TEscolhaConsulta::pontoDigitado(const std::string& latitude, const std::string& longitude) const
{
    return inteira([&] {
        for (const auto& [campo, texto] : {std::pair{"Latitude", &latitude}, std::pair{"Longitude", &longitude}})
            if (const std::optional<std::string> mensagem = coordenadaIncompleta(campo, *texto))
                throw Exception(*mensagem);
        TEscolha escolha = semEquacao(LocalNaoDefinido, pontoDosTextos(latitude, longitude));
        posiciona(escolha);
        if (escolha.Cruz) {
            escolha.Equacao = interpolada(escolha.Ponto);
            escolha.Fonte = std::string(ChaveInterpolacao);
        }
        return escolha;
    });
}

TEscolha TEscolhaConsulta::doRegistro(const std::string& tipo, const std::string& nome, const std::string& latitude,
                                      const std::string& longitude) const
{
    TEscolha escolha;
    escolha.Cidade = nome;
    try {
        escolha.Ponto = pontoDosTextos(latitude, longitude);
    } catch (const EConvertError& e) {
        throw Exception(tipo + semBrancosFinais(nome) + " tem coordenadas danificadas no banco de dados. " + e.what());
    }
    if (ComMapa)
        posiciona(escolha);
    else
        escolha.NoMapaDoBrasil = true;
    return escolha;
}

TPontoConsulta TEscolhaConsulta::pontoDosTextos(const std::string& latitude, const std::string& longitude) const
{
    const double latitudeDec = latitudeAceita(latitude, Limites, ComMapa);
    const double longitudeDec = longitudeAceita(longitude, Limites, ComMapa);
    return {latitude, longitude, latitudeDec, longitudeDec};
}

TEstacao TEscolhaConsulta::interpolada(const TPontoConsulta& ponto) const
{
    const std::string falha = "Não foi possível interpolar a equação em " + ponto.TxtLatitude + " "
                              + ponto.TxtLongitude + ": ";
    try {
        return Interpola(ponto.TxtLatitude, ponto.TxtLongitude);
    } catch (const EConvertError&) {
        // The point's own texts were read already: the text that failed is a station's.
        throw Exception(falha + "uma estação do banco de dados tem coordenadas danificadas.");
    } catch (const Exception& e) {
        throw Exception(falha + e.what());
    }
}

void TEscolhaConsulta::posiciona(TEscolha& escolha) const
{
    escolha.PontoX = Limites.colunaDaLongitude(escolha.Ponto.LongitudeDec);
    escolha.PontoY = Limites.linhaDaLatitude(escolha.Ponto.LatitudeDec);
    if (!escolha.PontoX || !escolha.PontoY)
        return;
    const TPixel pixel{pixelMaisProximo(*escolha.PontoX), pixelMaisProximo(*escolha.PontoY)};
    if (NoEstado(pixel.X, pixel.Y))
        escolha.Cruz = pixel;
}
