#pragma once
// The folder of the program file, where everything it reads beside itself lives.
#include <string>

// The absolute folder of the running executable, ending in "/".
std::string pastaPrograma();
