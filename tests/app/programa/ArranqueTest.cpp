// The program itself, started with no display up to the first turn of its event loop with
// the start-up picture shown, and the shared objects the dynamic loader brought in by then.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct TArranque {
    int codigo = -1;
    QByteArray marca;      // the start-up mark on the standard output
    QStringList carregados; // every shared object loaded, as the loader names it
};

// Runs the program up to its start-up mark, which ends it.
TArranque arranca()
{
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("MORLIN_MARCA_ARRANQUE"), QStringLiteral("1"));
    ambiente.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    processo.setProcessEnvironment(ambiente);
    processo.start(QStringLiteral(MORLIN_PROGRAMA), {});
    EXPECT_TRUE(processo.waitForFinished(60000)) << processo.errorString().toStdString();
    TArranque arranque;
    arranque.codigo = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    arranque.marca = processo.readAllStandardOutput().trimmed();
    static const QRegularExpression arquivo(QStringLiteral("\\bfile=(\\S+)"));
    for (auto achado = arquivo.globalMatch(QString::fromLocal8Bit(processo.readAllStandardError()));
         achado.hasNext();)
        arranque.carregados << achado.next().captured(1);
    return arranque;
}

} // namespace

// What only later windows and commands need waits for them: the start-up shows its window
// and picture without it.
TEST(Arranque, AteAFiguraDeAberturaSoCarregaOQueAJanelaPrincipalUsa)
{
    const TArranque arranque = arranca();
    EXPECT_EQ(arranque.codigo, 0);
    EXPECT_FALSE(arranque.marca.isEmpty());
    ASSERT_FALSE(arranque.carregados.isEmpty());
    // The help control and its library, loaded by the first help request; the windows on
    // demand and the chart, OpenGL and print libraries only they use, loaded by the first
    // command that opens one of them.
    const char* const adiados[] = {"hhctrl.ocx",        "libchm.so",         "janelasSobDemanda.so",
                                   "libQt6Charts.so",   "libQt6OpenGL.so",   "libQt6OpenGLWidgets.so",
                                   "libQt6PrintSupport.so"};
    for (const char* parte : adiados)
        EXPECT_TRUE(arranque.carregados.filter(QLatin1String(parte)).isEmpty())
            << parte << " in " << arranque.carregados.join(' ').toStdString();
}
