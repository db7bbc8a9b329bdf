#include "rainfall_equations/Nimbra21Comp.h"

#include "plataforma/nucleo/Excecoes.h"
#include "rainfall_equations/FoConsulta.h"
#include "rainfall_equations/nucleo/EquacaoConsulta.h"
#include "rainfall_equations/nucleo/InstalacaoNimbra.h"
#include "rainfall_equations/nucleo/TextoCoordenada.h"

#include <memory>

namespace {

// The consultation window of one call: frmFoConsulta names it while it lives, and it is
// released however the call ends.
class TConsultaAberta {
public:
    explicit TConsultaAberta(QWidget* pai)
        : janela_(std::make_unique<TfrmFoConsulta>(pai))
    {
        frmFoConsulta = janela_.get();
    }
    ~TConsultaAberta()
    {
        janela_.reset();
        frmFoConsulta = nullptr;
    }
    TConsultaAberta(const TConsultaAberta&) = delete;
    TConsultaAberta& operator=(const TConsultaAberta&) = delete;

    TfrmFoConsulta& janela() const { return *janela_; }

private:
    std::unique_ptr<TfrmFoConsulta> janela_;
};

bool coordenadaInformada(const std::string& texto)
{
    return !texto.empty() && texto != CoordenadaVazia;
}

} // namespace

TNimbra21::TNimbra21(QObject* dono)
    : QObject(dono)
{
    limpa();
}

void TNimbra21::limpa()
{
    EquacaoIDF.limpa();
    Latitude.clear();
    Longitude.clear();
    IndEstacao = 0;
    IndLocalidade = 0;
    StrCidade.clear();
    IndEstado = -1;
    StrEstado.clear();
    HelpContext = ContextoAjuda::nenhum;
    ShowAbout = false;
    Secao.clear();
}

bool TNimbra21::executa()
{
    verificaInstalacaoNimbra(TfrmFoConsulta::pastaDados());
    const TConsultaAberta consulta(qobject_cast<QWidget*>(parent()));
    TfrmFoConsulta& janela = consulta.janela();
    janela.setProperty("HelpContext", HelpContext);
    if (IndEstado < 0)
        throw Exception("É necessário entrar com um índice para o estado");
    janela.Estado.setIndice(IndEstado);
    janela.IndEstacao = IndEstacao;
    janela.IndLocalidade = IndLocalidade;
    janela.ShowAbout = ShowAbout;
    if (coordenadaInformada(Latitude))
        janela.setLatitude(Latitude);
    if (coordenadaInformada(Longitude))
        janela.setLongitude(Longitude);

    if (janela.exec() != TfrmFoConsulta::mrOk)
        return false;
    // All four are read and checked before anything of the component changes.
    const TParametrosEquacao parametros = leParametrosEquacao(janela.legendasMostradas());
    IndEstado = janela.Estado.Indice();
    StrEstado = janela.Estado.getNome();
    aplicaParametros(parametros, EquacaoIDF);
    Autoria_ = janela.Autoria;
    Latitude = janela.TxtLatitude;
    Longitude = janela.TxtLongitude;
    IndEstacao = janela.IndEstacao;
    IndLocalidade = janela.IndLocalidade;
    StrCidade = janela.StrCidade;
    return true;
}
