#pragma once

// main() of a benchmark of windows: a widgets application, offscreen unless a platform is named.

#include "bench/ratio_reporter.h"
#include "platform/ui/freed_memory.h"

#include <QApplication>

namespace bench {

inline int runWithWidgets(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr)
{
    // The process is set up as the program's main() sets it up.
    ui::keepFreedMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return run(argc, argv, reporter);
}

} // namespace bench
