#include "tools/nimbra/FontesNimbra.h"

#include "rainfall_equations/nucleo/UnBD.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <map>

namespace {

QByteArray conteudo(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        throw EFonteNimbra("não foi possível ler " + arquivo.toStdString());
    return f.readAll();
}

// One line of comma-separated fields; a field in double quotes may hold commas, and a
// doubled quote inside it stands for one.
QStringList campos(const QString& linha)
{
    QStringList resultado;
    QString campo;
    bool entreAspas = false;
    for (qsizetype i = 0; i < linha.size(); ++i) {
        const QChar c = linha[i];
        if (entreAspas && c == '"' && i + 1 < linha.size() && linha[i + 1] == '"') {
            campo += '"';
            ++i;
        } else if (c == '"') {
            entreAspas = !entreAspas;
        } else if (c == ',' && !entreAspas) {
            resultado << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    resultado << campo;
    return resultado;
}

// The rows of a CSV file as column name -> text, with the line number of each.
struct TLinhaCsv {
    std::map<QString, QString> valores;
    int numero = 0;
};

std::vector<TLinhaCsv> linhasCsv(const QString& arquivo)
{
    const QStringList linhas = QString::fromUtf8(conteudo(arquivo)).split('\n');
    const QStringList cabecalho = campos(linhas.value(0).trimmed());
    std::vector<TLinhaCsv> resultado;
    for (qsizetype n = 1; n < linhas.size(); ++n) {
        const QString linha = linhas[n].trimmed();
        if (linha.isEmpty())
            continue;
        const QStringList valores = campos(linha);
        if (valores.size() != cabecalho.size())
            throw EFonteNimbra(arquivo.toStdString() + ", linha " + std::to_string(n + 1) + ": número de campos errado");
        TLinhaCsv l;
        l.numero = static_cast<int>(n + 1);
        for (qsizetype c = 0; c < cabecalho.size(); ++c)
            l.valores[cabecalho[c]] = valores[c];
        resultado.push_back(std::move(l));
    }
    return resultado;
}

int estadoDaSigla(const QString& sigla, const std::string& origem)
{
    for (int i = 0; i < NumeroEstados; ++i)
        if (sigla.toStdString() == SiglasEstados[static_cast<std::size_t>(i)])
            return i;
    throw EFonteNimbra(origem + ": estado desconhecido \"" + sigla.toStdString() + "\"");
}

double numero(const TLinhaCsv& linha, const QString& coluna, const std::string& origem)
{
    bool certo = false;
    const double valor = linha.valores.at(coluna).toDouble(&certo);
    if (!certo)
        throw EFonteNimbra(origem + ": " + coluna.toStdString() + " não é um número");
    return valor;
}

QString origemDe(const QString& arquivo, const TLinhaCsv& linha, const QString& nome)
{
    return QStringLiteral("%1, linha %2 (%3)").arg(arquivo.section('/', -1)).arg(linha.numero).arg(nome);
}

// The columns of a CSV file that place a record: its name, its state's code and its
// coordinates.
struct TColunasLugar {
    QString nome;
    QString estado;
    QString latitude;
    QString longitude;
};

// A record of `linha` with its name, state, coordinates and origin read from `colunas`;
// the rest of the record is left to the caller.
template <typename Registro>
TRegistroFonte<Registro> lugar(const QString& arquivo, const TLinhaCsv& linha, const TColunasLugar& colunas)
{
    const QString nome = linha.valores.at(colunas.nome);
    TRegistroFonte<Registro> r;
    r.origem = origemDe(arquivo, linha, nome);
    const std::string origem = r.origem.toStdString();
    r.estado = estadoDaSigla(linha.valores.at(colunas.estado), origem);
    r.latitude = numero(linha, colunas.latitude, origem);
    r.longitude = numero(linha, colunas.longitude, origem);
    r.registro.Nome = nome.toStdString();
    return r;
}

QPolygonF anel(const QJsonArray& pontos)
{
    QPolygonF poligono;
    for (const QJsonValue& p : pontos)
        poligono << QPointF(p[0].toDouble(), p[1].toDouble());
    return poligono;
}

void acrescentaPoligono(QPainterPath& caminho, const QJsonArray& aneis)
{
    for (const QJsonValue& a : aneis)
        caminho.addPolygon(anel(a.toArray()));
}

} // namespace

std::vector<TEstacaoFonte> leEstacoesFonte(const QString& arquivo, const std::string& chave)
{
    std::vector<TEstacaoFonte> estacoes;
    for (const TLinhaCsv& linha : linhasCsv(arquivo)) {
        TEstacaoFonte e = lugar<TEstacao>(arquivo, linha, {"nome", "uf", "latitude", "longitude"});
        const std::string origem = e.origem.toStdString();
        e.registro.K = numero(linha, "K", origem);
        e.registro.A = numero(linha, "a", origem);
        e.registro.B = numero(linha, "b", origem);
        e.registro.C = numero(linha, "c", origem);
        e.registro.Autor = chave;
        estacoes.push_back(std::move(e));
    }
    return estacoes;
}

std::vector<TLocalidadeFonte> leLocalidadesFonte(const QString& arquivo)
{
    std::vector<TLocalidadeFonte> localidades;
    for (const TLinhaCsv& linha : linhasCsv(arquivo))
        localidades.push_back(lugar<TLocalidade>(arquivo, linha, {"name", "uf_code", "lat", "lon"}));
    return localidades;
}

std::array<QPainterPath, 27> leContornosEstados(const QString& arquivo)
{
    std::array<QPainterPath, 27> contornos;
    std::array<bool, 27> lidos{};
    const QJsonArray feicoes = QJsonDocument::fromJson(conteudo(arquivo)).object().value("features").toArray();
    for (const QJsonValue& feicao : feicoes) {
        const QString codigo = feicao["properties"]["iso_3166_2"].toString();
        const int estado = estadoDaSigla(codigo.section('-', 1), arquivo.toStdString());
        const QJsonObject geometria = feicao["geometry"].toObject();
        const QJsonArray coordenadas = geometria.value("coordinates").toArray();
        QPainterPath& caminho = contornos[static_cast<std::size_t>(estado)];
        caminho.setFillRule(Qt::OddEvenFill);
        if (geometria.value("type").toString() == "Polygon") {
            acrescentaPoligono(caminho, coordenadas);
        } else {
            for (const QJsonValue& poligono : coordenadas)
                acrescentaPoligono(caminho, poligono.toArray());
        }
        lidos[static_cast<std::size_t>(estado)] = true;
    }
    for (int i = 0; i < NumeroEstados; ++i)
        if (!lidos[static_cast<std::size_t>(i)])
            throw EFonteNimbra(arquivo.toStdString() + ": falta o contorno de " + NomesEstados[static_cast<std::size_t>(i)]);
    return contornos;
}
