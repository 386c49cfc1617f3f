// Runs every benchmark inside one offscreen Qt application, in the program's own look.

#include "common/Appearance.h"

#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    grimlark::ui::applyAppearance(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
