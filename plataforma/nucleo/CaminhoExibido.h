#pragma once
// A path as the user would look for it in a message.
#include <filesystem>
#include <string>

// `caminho` with "..", "." and links resolved as far as it exists (the rest only as
// text) and without a trailing separator.
std::string caminhoExibido(const std::filesystem::path& caminho);
