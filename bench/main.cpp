// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
// Runs every benchmark inside one offscreen Qt application, in the program's own look.

#include "ui/common/Appearance.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>

namespace {
/// The offscreen platform warns, on every window shown, of what it cannot do;
/// a thousand such lines would bury the figures.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietOffscreen);
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
