#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The system's input box: a prompt, a title and a proposed answer. Tests install an answerer that
// records every box instead of showing it.
namespace ui {

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// Shows the box (modal) and returns what was typed; "" when it was cancelled. A box given no title
// shows the application's title.
QString inputBox(const QString& prompt, const QString& title = QString(), const QString& defaultText = QString());

using InputAnswerer = std::function<QString(const InputRequest&)>;
void setInputAnswerer(InputAnswerer answerer);

// Records every box and answers from a queue; with the queue empty it cancels ("").
class ScriptedInput {
public:
    ScriptedInput();
    ~ScriptedInput();
    ScriptedInput(const ScriptedInput&) = delete;
    ScriptedInput& operator=(const ScriptedInput&) = delete;

    void answer(const QString& next) { m_answers.append(next); }
    const QList<InputRequest>& requests() const { return m_requests; }

private:
    QList<InputRequest> m_requests;
    QStringList m_answers;
};

} // namespace ui
