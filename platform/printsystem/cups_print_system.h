#pragma once

#include "platform/printsystem/print_system.h"

namespace printsystem {

// The print system of this machine through libcups, on the server that CUPS_SERVER or the client
// configuration names. Each call is one connection whose every wait ends by kWaitSeconds.
class CupsPrintSystem : public PrintSystem {
public:
    // The server given (a host name or a local socket's path), else the one CUPS names.
    explicit CupsPrintSystem(QString server = QString(), int waitMs = kWaitSeconds * 1000)
        : m_server(std::move(server)), m_waitMs(waitMs)
    {
    }

    QueueState queue(const QString& name) override;
    JobFate submit(const QString& queue, const QString& title, const QString& pdfFile,
                   const Options& options) override;

private:
    QString m_server;
    int m_waitMs;
};

} // namespace printsystem
