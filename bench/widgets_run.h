#pragma once

// main() of a benchmark of windows: a widgets application, offscreen unless a platform is named.

#include "bench/ratio_reporter.h"

#include <QApplication>

namespace bench {

inline int runWithWidgets(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return run(argc, argv, reporter);
}

} // namespace bench
