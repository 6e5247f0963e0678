#include "tests/support/scripted_print_system.h"

#include <QFile>

printsystem::QueueState ScriptedPrintSystem::queue(const QString& name)
{
    asked << name;
    return queues.value(name, answer(printsystem::QueueState::Answer::Missing));
}

printsystem::JobFate ScriptedPrintSystem::submit(const QString& queue, const QString& title, const QString& pdfFile,
                                                 const printsystem::Options& options)
{
    QFile file(pdfFile);
    Job job{queue, title, options, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()};
    jobs << job;
    printsystem::JobFate out = fate;
    out.job = fate.fate == printsystem::Fate::Refused ? 0 : int(jobs.size());
    return out;
}
