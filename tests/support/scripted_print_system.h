#pragma once

#include "platform/printsystem/print_system.h"

#include <QHash>
#include <QList>

// A print system whose answers the test writes: the queues it has and what becomes of every job
// handed to it, with each job kept (its queue, title, options and the PDF's bytes) for reading back.
// It stands in for the machine's print system while it lives.
class ScriptedPrintSystem : public printsystem::PrintSystem {
public:
    struct Job {
        QString queue;
        QString title;
        printsystem::Options options;
        QByteArray pdf;
    };

    ScriptedPrintSystem() : m_scope(*this) {}

    // A queue that accepts jobs and prints them.
    void addQueue(const QString& name) { queues.insert(name, answer(printsystem::QueueState::Answer::Ready)); }
    static printsystem::QueueState answer(printsystem::QueueState::Answer answer)
    {
        printsystem::QueueState state;
        state.answer = answer;
        return state;
    }

    printsystem::QueueState queue(const QString& name) override;
    printsystem::JobFate submit(const QString& queue, const QString& title, const QString& pdfFile,
                                const printsystem::Options& options) override;

    // A queue not listed is missing.
    QHash<QString, printsystem::QueueState> queues;
    // What every job meets (its id is its number among the jobs handed over).
    printsystem::JobFate fate{printsystem::Fate::Printed, 0, QString()};
    QList<Job> jobs;
    // The queues asked about, in order.
    QStringList asked;

private:
    printsystem::ScopedPrintSystem m_scope;
};
