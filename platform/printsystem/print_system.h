#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The machine's print system (CUPS), asked what it does with a queue and a job. Qt's printers hand
// a document over and forget it; here every question has an answer within kWaitSeconds, so a
// print server that hangs never freezes the program, and a job the server refuses or holds is told
// apart from one that prints.
namespace printsystem {

// How long the program waits for the print system before it says that it does not answer.
inline constexpr int kWaitSeconds = 5;

struct QueueState {
    enum class Answer {
        Ready,          // the queue exists; see accepting and stopped
        Missing,        // the print system has no queue of that name
        NoPrintSystem,  // there is no print system to ask
        NoAnswer,       // the print system did not answer in time
    };
    Answer answer = Answer::NoPrintSystem;
    bool accepting = true;
    bool stopped = false;
    QString message;  // what the queue says about itself ("sin papel"), if anything
};

enum class Fate {
    Printed,   // the print system has done the job
    Queued,    // accepted and on its way: still in the queue when the wait ended
    Held,      // accepted, but it waits: the printer is stopped or the job is held
    Refused,   // not accepted, or cancelled or aborted by the print system
    NoAnswer,  // the print system stopped answering while the job was handed over
};

struct JobFate {
    Fate fate = Fate::Refused;
    int job = 0;     // the print system's job id, 0 when none was made
    QString reason;  // the print system's own words on a refusal or a hold
};

// The job options as the print system names them ("copies", "sides", "landscape"...), in order.
using Options = QList<QPair<QByteArray, QByteArray>>;

class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    virtual QueueState queue(const QString& name) = 0;
    // Hands a PDF file to the queue as a job with that title, and follows it until it is done,
    // refused or held, or until the wait ends.
    virtual JobFate submit(const QString& queue, const QString& title, const QString& pdfFile,
                           const Options& options) = 0;
};

// The print system every print goes through: CUPS, unless a replacement is in place.
PrintSystem& printSystem();

// Puts a replacement in place while it lives (tests script the answers with one).
class ScopedPrintSystem {
public:
    explicit ScopedPrintSystem(PrintSystem& replacement);
    ~ScopedPrintSystem();
    ScopedPrintSystem(const ScopedPrintSystem&) = delete;
    ScopedPrintSystem& operator=(const ScopedPrintSystem&) = delete;

private:
    PrintSystem* m_previous;
};

// What the user is told about a job on that queue that did not simply print; empty for Printed
// and Queued.
QString fateText(const QString& queue, const JobFate& fate);
// What the user is told when the queue cannot take a job now; empty when it can (Ready and
// accepting, stopped or not).
QString queueText(const QString& queue, const QueueState& state);

} // namespace printsystem
