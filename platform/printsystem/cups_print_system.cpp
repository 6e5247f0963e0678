#include "platform/printsystem/cups_print_system.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStringList>
#include <QThread>

#include <cups/cups.h>

#include <cerrno>

namespace printsystem {

namespace {

constexpr int kPollMs = 100;

// Never ask anybody for a password on a terminal: a server that wants one refuses the job.
const char* noPassword(const char*, http_t*, const char*, const char*, void*)
{
    return nullptr;
}

// One connection to the server; every wait on it ends when the deadline has passed.
class Conversation {
public:
    Conversation(const QString& server, int waitMs) : m_deadline(waitMs)
    {
        cupsSetPasswordCB2(noPassword, nullptr);
        const QByteArray host = server.isEmpty() ? QByteArray(cupsServer()) : QFile::encodeName(server);
        int cancel = 0;
        errno = 0;
        m_http = httpConnect2(host.constData(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              int(qMax<qint64>(1, m_deadline.remainingTime())), &cancel);
        if (!m_http) {
            m_timedOut = errno == ETIMEDOUT || m_deadline.hasExpired();
            return;
        }
        httpSetTimeout(m_http, 0.25, &Conversation::stillWaiting, this);
    }
    ~Conversation()
    {
        if (m_http)
            httpClose(m_http);
    }
    Conversation(const Conversation&) = delete;
    Conversation& operator=(const Conversation&) = delete;

    http_t* http() const { return m_http; }
    bool timedOut() const { return m_timedOut; }
    bool hasTimeFor(int ms) const { return m_deadline.remainingTime() > ms; }

private:
    static int stillWaiting(http_t*, void* self)
    {
        auto* conversation = static_cast<Conversation*>(self);
        if (!conversation->m_deadline.hasExpired())
            return 1;
        conversation->m_timedOut = true;
        return 0;
    }

    QDeadlineTimer m_deadline;
    http_t* m_http = nullptr;
    bool m_timedOut = false;
};

QByteArray printerUri(const QString& queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     queue.toUtf8().constData());
    return QByteArray(uri);
}

QString text(ipp_t* response, const char* name)
{
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    return attribute ? QString::fromUtf8(ippGetString(attribute, 0, nullptr)) : QString();
}

// The state reasons a manager is likely to meet, in words; others are shown as the server names them.
QString reasonText(QString keyword)
{
    for (const char* suffix : {"-error", "-warning", "-report"})
        if (keyword.endsWith(QLatin1String(suffix)))
            keyword.chop(int(qstrlen(suffix)));
    static const QList<QPair<QLatin1String, QString>> words{
        {QLatin1String("media-empty"), QStringLiteral("sin papel")},
        {QLatin1String("media-needed"), QStringLiteral("sin papel")},
        {QLatin1String("media-jam"), QStringLiteral("papel atascado")},
        {QLatin1String("paused"), QStringLiteral("en pausa")},
        {QLatin1String("printer-stopped"), QStringLiteral("detenida")},
        {QLatin1String("offline"), QStringLiteral("fuera de línea")},
        {QLatin1String("resources-are-not-ready"), QStringLiteral("la impresora no está lista")},
        {QLatin1String("cover-open"), QStringLiteral("tapa abierta")},
        {QLatin1String("door-open"), QStringLiteral("tapa abierta")},
        {QLatin1String("marker-supply-empty"), QStringLiteral("sin tinta")},
        {QLatin1String("toner-empty"), QStringLiteral("sin tóner")},
    };
    for (const auto& [name, text] : words)
        if (keyword == name)
            return text;
    return keyword;
}

QStringList keywords(ipp_t* response, const char* name)
{
    QStringList out;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_KEYWORD);
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i) {
        const QString word = QString::fromUtf8(ippGetString(attribute, i, nullptr));
        if (word != QLatin1String("none"))
            out << word;
    }
    return out;
}

// The message, else the reasons: what the server says about a printer or a job.
QString said(const QString& message, const QStringList& reasons)
{
    if (!message.trimmed().isEmpty())
        return message.trimmed();
    QStringList words;
    for (const QString& reason : reasons)
        if (!words.contains(reasonText(reason)))
            words << reasonText(reason);
    return words.join(QStringLiteral(", "));
}

// One request with its wanted attributes; null when the server refused it or did not answer.
ipp_t* ask(Conversation& conversation, ipp_t* request, const QList<const char*>& wanted)
{
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(wanted.size()), nullptr,
                  wanted.constData());
    ipp_t* response = cupsDoRequest(conversation.http(), request, "/");
    if (response && ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return nullptr;
    }
    return response;
}

QueueState askQueue(Conversation& conversation, const QString& name)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(name).constData());
    ipp_t* response = ask(conversation, request,
                          {"printer-state", "printer-is-accepting-jobs", "printer-state-message", "printer-state-reasons"});
    QueueState state;
    if (conversation.timedOut()) {
        ippDelete(response);
        state.answer = QueueState::Answer::NoAnswer;
        return state;
    }
    if (!response) {
        // Any other refusal is the job's to meet: the queue is asked again when it is handed over.
        state.answer = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? QueueState::Answer::Missing
                                                                     : QueueState::Answer::Ready;
        return state;
    }
    state.answer = QueueState::Answer::Ready;
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        state.accepting = ippGetBoolean(a, 0);
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM))
        state.stopped = ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    state.message = said(text(response, "printer-state-message"), keywords(response, "printer-state-reasons"));
    ippDelete(response);
    return state;
}

struct JobState {
    bool answered = false;
    int state = 0;
    QStringList reasons;
    QString message;
};

JobState askJob(Conversation& conversation, const QString& queue, int job)
{
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ipp_t* response = ask(conversation, request, {"job-state", "job-state-reasons", "job-printer-state-message"});
    JobState out;
    if (!response)
        return out;
    out.answered = true;
    if (ipp_attribute_t* a = ippFindAttribute(response, "job-state", IPP_TAG_ENUM))
        out.state = ippGetInteger(a, 0);
    out.reasons = keywords(response, "job-state-reasons");
    out.message = text(response, "job-printer-state-message");
    ippDelete(response);
    return out;
}

// A pending job that the server keeps back: its printer is stopped, or it could not be sent and
// waits to be tried again.
bool keptBack(const JobState& job)
{
    static const QStringList words{QStringLiteral("printer-stopped"), QStringLiteral("resources-are-not-ready"),
                                   QStringLiteral("job-hold-until-specified")};
    for (const QString& reason : job.reasons)
        if (words.contains(reason))
            return true;
    return false;
}

// Follows an accepted job until it is done, refused or held, or until the wait ends.
JobFate follow(Conversation& conversation, const QString& queue, int job)
{
    JobFate fate{Fate::Queued, job, QString()};
    while (true) {
        const JobState state = askJob(conversation, queue, job);
        if (!state.answered)
            return fate;  // accepted; what became of it the server no longer says
        fate.reason = said(state.message, state.reasons);
        switch (state.state) {
        case IPP_JSTATE_COMPLETED:
            return {Fate::Printed, job, QString()};
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            fate.fate = Fate::Refused;
            return fate;
        case IPP_JSTATE_HELD:
        case IPP_JSTATE_STOPPED:
            fate.fate = Fate::Held;
            return fate;
        default:
            break;
        }
        if (state.state == IPP_JSTATE_PENDING) {
            const QueueState printer = askQueue(conversation, queue);
            if (printer.stopped || keptBack(state)) {
                fate.fate = Fate::Held;
                if (!printer.message.isEmpty())
                    fate.reason = printer.message;
                return fate;
            }
        }
        if (!conversation.hasTimeFor(kPollMs))
            return fate;
        QThread::msleep(kPollMs);
    }
}

// Hands the file over in one Print-Job request on the conversation's connection (the library's
// own printing calls open further connections that wait for minutes); the new job's id, or 0.
int printJob(Conversation& conversation, const QString& queue, const QString& title, const QString& pdfFile,
             const Options& options)
{
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queue).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, "application/pdf");
    cups_option_t* cupsOptions = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.constData(), value.constData(), count, &cupsOptions);
    cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_JOB);
    cupsFreeOptions(count, cupsOptions);
    const QByteArray resource = QByteArrayLiteral("/printers/") + queue.toUtf8();
    ipp_t* response = cupsDoFileRequest(conversation.http(), request, resource.constData(),
                                        QFile::encodeName(pdfFile).constData());
    int job = 0;
    if (response && ippGetStatusCode(response) <= IPP_STATUS_OK_EVENTS_COMPLETE)
        if (ipp_attribute_t* a = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER))
            job = ippGetInteger(a, 0);
    ippDelete(response);
    return job;
}

} // namespace

QueueState CupsPrintSystem::queue(const QString& name)
{
    Conversation conversation(m_server, m_waitMs);
    if (!conversation.http()) {
        QueueState state;
        state.answer = conversation.timedOut() ? QueueState::Answer::NoAnswer : QueueState::Answer::NoPrintSystem;
        return state;
    }
    return askQueue(conversation, name);
}

JobFate CupsPrintSystem::submit(const QString& queue, const QString& title, const QString& pdfFile,
                                const Options& options)
{
    Conversation conversation(m_server, m_waitMs);
    if (!conversation.http())
        return {conversation.timedOut() ? Fate::NoAnswer : Fate::Refused, 0,
                conversation.timedOut() ? QString() : QStringLiteral("no hay un sistema de impresión")};
    const int job = printJob(conversation, queue, title, pdfFile, options);
    if (conversation.timedOut())
        return {Fate::NoAnswer, job, QString()};
    if (job == 0) {
        const QString error = QString::fromUtf8(cupsLastErrorString());
        const QueueState state = askQueue(conversation, queue);
        return {Fate::Refused, 0, state.message.isEmpty() ? error : state.message};
    }
    return follow(conversation, queue, job);
}

} // namespace printsystem
