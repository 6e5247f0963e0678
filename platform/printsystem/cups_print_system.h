#pragma once

#include "platform/printsystem/print_system.h"

namespace printsystem {

// The print system of this machine through libcups, on the server that CUPS_SERVER or the client
// configuration names. Each call is one connection whose every wait ends by kWaitSeconds.
class CupsPrintSystem : public PrintSystem {
public:
    QueueState queue(const QString& name) override;
    JobFate submit(const QString& queue, const QString& title, const QString& pdfFile,
                   const Options& options) override;
};

} // namespace printsystem
