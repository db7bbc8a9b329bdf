#pragma once
// Reading a file whole into memory, the first step of every reader of the program's files.
#include <string>

class TLeituraArquivo {
public:
    // The bytes of `nomeArquivo`. Only a regular file is read: a folder, a pipe or a
    // device (which could block or never end) is refused before anything is read. A file
    // that cannot be opened or read raises EInOutError ("File not found", "File access
    // denied", "I/O error <n>"...).
    static std::string le(const std::string& nomeArquivo);
};
