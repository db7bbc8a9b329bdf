#include "plataforma/TMarcaArranque.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

void marca()
{
    timespec agora{};
    clock_gettime(CLOCK_MONOTONIC, &agora);
    std::printf("%lld\n", static_cast<long long>(agora.tv_sec) * 1000000000LL + agora.tv_nsec);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

} // namespace

void TMarcaArranque::agenda()
{
    if (std::getenv("MORLIN_MARCA_ARRANQUE") != nullptr)
        QTimer::singleShot(0, QCoreApplication::instance(), marca);
}
