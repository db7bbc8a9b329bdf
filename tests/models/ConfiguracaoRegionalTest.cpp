#include "plataforma/nucleo/ConfiguracaoRegional.h"
#include "models/ConversaoNumerica.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

bool ehDoLocalC(const TConfiguracaoRegional& c)
{
    return c.DecimalSeparator == '.' && c.ThousandSeparator == ',' && c.DateSeparator == '/'
        && c.ShortDateFormat == "MM/DD/YY";
}

TEST(ConfiguracaoRegional, BrasileiraDaAvaliacao)
{
    const TConfiguracaoRegional c = TConfiguracaoRegional::brasileira();
    EXPECT_EQ(c.DecimalSeparator, ',');
    EXPECT_EQ(c.ThousandSeparator, '.');
    EXPECT_EQ(c.DateSeparator, '/');
    EXPECT_EQ(c.CurrencyString, " ");
    EXPECT_EQ(c.ShortDateFormat, "DD/MM/YYYY");
}

// A locale with no thousands separator of its own gets the one that does not clash with
// its decimal separator.
TEST(ConfiguracaoRegional, DoSistemaSegueOLocalDoUsuario)
{
    const char* antes = std::getenv("LC_ALL");
    const std::string anterior = antes == nullptr ? "" : antes;
    ::setenv("LC_ALL", "C", 1);
    EXPECT_TRUE(ehDoLocalC(TConfiguracaoRegional::doSistema()));
    if (antes == nullptr)
        ::unsetenv("LC_ALL");
    else
        ::setenv("LC_ALL", anterior.c_str(), 1);
}

// The first use in a process finds the user's settings; the death-test child runs this
// test alone in a fresh process, so nothing has touched them before.
TEST(ConfiguracaoRegional, ComecaComADoSistemaEMudaPeloSetter)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv("LC_ALL", "C", 1);
            const bool doSistema = ehDoLocalC(configuracaoRegional());
            defineConfiguracaoRegional(TConfiguracaoRegional::brasileira());
            const bool mudou = configuracaoRegional().DecimalSeparator == ',' && strToFloat("2,5") == 2.5;
            std::exit(doSistema && mudou ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
