#pragma once
// What the main window offers for the project in hand: the enabled state of its project
// menu items and tool-bar buttons, and its two project flags. Each project event switches
// some of them on, some off, and leaves the rest as they were; the window shows the
// result. A default state is the program's start: nothing on.
struct TEstadoComandos {
    enum class TEvento {
        // The main window shown for the first time.
        exibicaoInicial,
        // "Novo", its identification dialog on the screen.
        novo,
        // The data-entry window of the project opened in the main window.
        entradaIniciada,
        // "Abrir", the file read.
        aberto,
        // "Salvar" into the project's file.
        salvo,
        // "Salvar Como", the file written.
        salvoComo,
        // The project's identification dialog and data-entry window closed.
        janelasDescartadas,
        // "Fechar", every window of the project closed.
        fechado,
        // The identification's "Cancelar" while the project has no data entry.
        identificacaoCancelada,
        // "Calcular" gave a verdict.
        avaliacaoConcluida,
        // The evaluation report's "Fechar".
        relatorioFechado,
    };

    bool salvarComo = false;     // SalvarComo1: a project is in hand
    bool salvarNoMenu = false;   // Salvar1
    bool salvarNaBarra = false;  // tbSalvar: the project has a file to be saved to
    bool fecharNoMenu = false;   // Fechar1
    bool fecharNaBarra = false;  // tbFechar
    bool entradaDeDados = false; // EntradaDeDados1
    bool capacidadeDeArmazenamento = false; // CapacidadedeArmazenamento1
    bool relatorioDeAvaliacao = false;      // RelatriodeAvaliao1
    bool projetoSalvo = false;   // last read from or written to its file
    bool projetoAberto = false;  // read from a file

    // This state as `evento` leaves it.
    TEstadoComandos apos(TEvento evento) const;

    bool operator==(const TEstadoComandos&) const = default;
};
