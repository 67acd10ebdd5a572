#pragma once

// Painting and widgets need an application; one off-screen instance serves every benchmark.

#include <QApplication>

namespace fw {

inline void EnsureBenchApp() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "facetwork-bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

}  // namespace fw
