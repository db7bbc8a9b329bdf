#pragma once
// A terrace that cannot exist: a value no real terrace takes, or a result that comes out
// negative or without a finite value. Its message names the field or the section and
// says what is wrong; the data-entry window shows it as it stands, with no verdict.
#include "plataforma/nucleo/Excecoes.h"

class ETerracoImpossivel : public Exception {
public:
    using Exception::Exception;
};
