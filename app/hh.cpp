#include "app/hh.h"

#include "plataforma/TBibliotecaDinamica.h"
#include "plataforma/TRegistroClasses.h"
#include "plataforma/nucleo/TPastaPrograma.h"

#include <cctype>
#include <filesystem>

void* HHControlModule = nullptr;
bool HHLoadAtStart = false;
THtmlHelpProc HHProcA = nullptr;
THtmlHelpProc HHProcW = nullptr;
THtmlHelpProc HHProc = nullptr;

namespace {

const char* const nomeControle = "hhctrl.ocx";
const char* const chaveDoControle = "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";

std::string semBarraFinal(std::string pasta)
{
    if (!pasta.empty() && (pasta.back() == '/' || pasta.back() == '\\'))
        pasta.pop_back();
    return pasta;
}

THtmlHelpProc entrada(const char* nome)
{
    return reinterpret_cast<THtmlHelpProc>(TBibliotecaDinamica::entrada(HHControlModule, nome));
}

} // namespace

// The control is installed beside the program, which is its system folder.
std::string HHSystemFolder()
{
    return semBarraFinal(pastaPrograma());
}

std::string HHWindowsFolder()
{
    return semBarraFinal(pastaPrograma());
}

void HHExpandRootVariable(std::string& caminho)
{
    static const std::string variavel = "systemroot";
    if (caminho.size() < 12 || caminho[0] != '%' || caminho[11] != '%')
        return;
    for (std::size_t i = 0; i < variavel.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(caminho[i + 1])) != variavel[i])
            return;
    caminho = HHWindowsFolder() + caminho.substr(12);
}

std::string HHLocateControlFile()
{
    std::string caminho;
    if (const auto registrado = TRegistroClasses::leValorPadrao(chaveDoControle)) {
        caminho = *registrado;
        HHExpandRootVariable(caminho);
        if (!caminho.empty() && !std::filesystem::exists(caminho))
            caminho.clear();
    }
    if (caminho.empty())
        caminho = HHSystemFolder() + "/" + nomeControle;
    return caminho;
}

void HHLoadControl()
{
    if (HHControlModule != nullptr)
        return;
    HHControlModule = TBibliotecaDinamica::carrega(nomeControle);
    if (HHControlModule == nullptr) {
        const std::string caminho = HHLocateControlFile();
        if (!caminho.empty() && std::filesystem::exists(caminho))
            HHControlModule = TBibliotecaDinamica::carrega(caminho);
    }
    if (HHControlModule != nullptr) {
        HHProcA = entrada("HtmlHelpA");
        HHProcW = entrada("HtmlHelpW");
        HHProc = entrada("HtmlHelpA");
    }
}

void HHUnloadControl()
{
    if (HHControlModule == nullptr)
        return;
    TBibliotecaDinamica::libera(HHControlModule);
    HHProcA = nullptr;
    HHProcW = nullptr;
    HHProc = nullptr;
    HHControlModule = nullptr;
}

bool HHControlPresent()
{
    if (HHControlModule != nullptr || std::filesystem::exists(HHLocateControlFile()))
        return true;
    HHLoadControl();
    return HHControlModule != nullptr;
}

void hhInicializacao()
{
    if (HHLoadAtStart)
        HHLoadControl();
}

void hhFinalizacao()
{
    HHUnloadControl();
}
