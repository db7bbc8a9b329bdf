#pragma once
// The mark the start-up benchmark times the program by. With MORLIN_MARCA_ARRANQUE set in
// the environment, the first turn of the event loop after `agenda` writes the monotonic
// clock's time, in nanoseconds, on a line of the standard output and ends the program;
// without it nothing happens.
class TMarcaArranque {
public:
    static void agenda();
};
