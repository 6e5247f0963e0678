#include "platform/printsystem/print_system.h"

#include "platform/printsystem/cups_print_system.h"

namespace printsystem {

namespace {

PrintSystem*& replacement()
{
    static PrintSystem* current = nullptr;
    return current;
}

QString withReason(const QString& text, const QString& reason)
{
    return reason.trimmed().isEmpty() ? text : text + QStringLiteral(": ") + reason.trimmed();
}

QString noAnswerText(const QString& queue)
{
    return QStringLiteral("El sistema de impresión no respondió en %1 segundos: no se pudo imprimir en la impresora %2")
        .arg(kWaitSeconds)
        .arg(queue);
}

} // namespace

PrintSystem& printSystem()
{
    static CupsPrintSystem cups;
    return replacement() ? *replacement() : cups;
}

ScopedPrintSystem::ScopedPrintSystem(PrintSystem& replacementSystem) : m_previous(replacement())
{
    replacement() = &replacementSystem;
}

ScopedPrintSystem::~ScopedPrintSystem()
{
    replacement() = m_previous;
}

QString fateText(const QString& queue, const JobFate& fate)
{
    switch (fate.fate) {
    case Fate::Printed:
    case Fate::Queued:
        return QString();
    case Fate::Held:
        return withReason(QStringLiteral("La impresora %1 está detenida").arg(queue), fate.reason)
            + QStringLiteral(". El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.");
    case Fate::Refused:
        return withReason(QStringLiteral("La impresora %1 no aceptó el trabajo").arg(queue), fate.reason);
    case Fate::NoAnswer:
        return noAnswerText(queue);
    }
    return QString();
}

QString queueText(const QString& queue, const QueueState& state)
{
    if (state.answer == QueueState::Answer::NoAnswer)
        return noAnswerText(queue);
    if (state.answer == QueueState::Answer::Ready && !state.accepting)
        return withReason(QStringLiteral("La impresora %1 no acepta trabajos").arg(queue), state.message);
    return QString();
}

} // namespace printsystem
