#pragma once
// The judge of the free-text edits whose texts go into the project file as they stand (the
// identification, the return period): what comes in is composed first, so an accent typed
// or pasted as a separate mark joins its letter, and then meets the typing rules of free
// texts (RegrasEntrada). A change they refuse leaves the edit as it was, with a notice
// beside it that names the characters the file cannot keep.
class QLineEdit;

class TFiltroTextoProjeto {
public:
    static void instala(QLineEdit* edicao);
};
