#include "plataforma/TRegistroClasses.h"

#include <utility>

namespace {

std::function<std::optional<std::string>(const std::string&)>& substituto()
{
    static std::function<std::optional<std::string>(const std::string&)> atual;
    return atual;
}

} // namespace

std::optional<std::string> TRegistroClasses::leValorPadrao(const std::string& chave)
{
    if (substituto())
        return substituto()(chave);
    return std::nullopt;
}

void TRegistroClasses::substitui(std::function<std::optional<std::string>(const std::string&)> registro)
{
    substituto() = std::move(registro);
}
