#pragma once
// A settings file of sections and keys:
//
//     [Secao]
//     Chave=Valor
//
// Every operation goes to the file itself: a read reads it, a write or a delete
// rewrites it whole before it returns, through a temporary file that replaces the old
// one only once it is complete. Several objects, and several programs, may therefore
// work on one file one after the other. Changes that belong together are made inside
// `atualiza`, which replaces the file once for all of them. Section and key names are compared without
// regard to letter case; blanks around names and values do not count. Sections and
// keys keep their order, and lines the file holds besides them (blank lines, comments
// after ";") stay as they are.
//
// The file is Windows-1252 text with CR LF line ends. Reals are written as the shortest
// decimal text that reads back to the same double, with "." before the decimals, no
// thousands separator and an exponent only where it is shorter ("12.5", "-1",
// "0.001", "1e-04", "1e+300"); date-times as "YYYY-MM-DD HH:MM:SS.zzz", to the millisecond.
// Neither depends on the locale, so a file reads back the same on any machine.
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TIniFile {
public:
    explicit TIniFile(std::string NomeArquivo);

    const std::string& FileName() const { return NomeArquivo_; }

    // A missing section or key, or a file that cannot be read, gives the default.
    std::string ReadString(const std::string& Secao, const std::string& Chave, const std::string& Padrao) const;
    // As ReadString; an empty value, or one not in the notation above, gives the default.
    double ReadFloat(const std::string& Secao, const std::string& Chave, double Padrao) const;
    // Days from 30 December 1899 (DataHora.h).
    double ReadDateTime(const std::string& Secao, const std::string& Chave, double Padrao) const;

    // Replaces the key's value, or adds the key at the end of its section, or the section
    // at the end of the file. A write that fails raises EInOutError and leaves the file
    // as it was; text the file cannot hold (a line break, a character Windows-1252
    // lacks, a "]" in a section name, a "=" in a key) raises Exception and writes nothing.
    void WriteString(const std::string& Secao, const std::string& Chave, const std::string& Valor);
    // A real that is not finite raises EInvalidOp and writes nothing.
    void WriteFloat(const std::string& Secao, const std::string& Chave, double Valor);
    // A date-time outside the years 1 to 9999 raises EConvertError and writes nothing.
    void WriteDateTime(const std::string& Secao, const std::string& Chave, double Valor);

    // Removes the key; the section stays, even when empty. Nothing to remove writes nothing.
    void DeleteKey(const std::string& Secao, const std::string& Chave);
    // Removes the section with its keys. Nothing to remove writes nothing.
    void EraseSection(const std::string& Secao);

    // Runs `Alteracoes`, during which the writes and deletes of this object change the
    // text in memory only (its reads see them), and then replaces the file once: it ends
    // with all of the changes or, when `Alteracoes` or the replacement raises, with none,
    // and the error reaches the caller. A file that is there but cannot be read raises
    // EInOutError before `Alteracoes` runs. Inside another update it is part of that one,
    // and its own changes are undone when it raises.
    void atualiza(const std::function<void()>& Alteracoes);

private:
    using TLinhas = std::vector<std::string>;

    // The lines as they stand: those of an update under way, else the file's.
    TLinhas linhas() const;
    // Applies `Mudanca`, which tells whether it changed anything, to the lines of the
    // update under way, or to the file's lines and then to the file.
    void altera(const std::function<bool(TLinhas&)>& Mudanca);

    std::string NomeArquivo_;
    // The text of the file while an update collects its changes.
    std::optional<TLinhas> Lote_;
    bool LoteAlterado_ = false;
};
