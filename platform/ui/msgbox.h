#pragma once

#include <QList>
#include <QString>
#include <functional>

// The system's message box: one call with its buttons, icon, default button and caption, returning
// the button pressed. Tests install an answerer that records every box instead of showing it.
namespace ui {

// Buttons, icon and default button are added together, as the system writes them
// ("Exclamation + YesNo").
enum Style : int {
    OkOnly = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64,
    DefaultButton1 = 0,
    DefaultButton2 = 256,
    DefaultButton3 = 512,
};

enum Answer : int { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

inline constexpr int kButtonsMask = 0x0F;
inline constexpr int kIconMask = 0xF0;
inline constexpr int kDefaultMask = 0xF00;

// The caption of every box that is given none of its own.
QString applicationTitle();

// A box as it was asked for; the caption is the one shown (the application title when none given).
struct Box {
    QString text;
    int style = OkOnly;
    QString caption;

    int buttons() const { return style & kButtonsMask; }
    int icon() const { return style & kIconMask; }
};

// Shows the box (modal) and returns the button pressed. Esc answers Cancel or No where the box has
// them, else the only button.
Answer msgBox(const QString& text, int style = OkOnly, const QString& caption = QString());

// While a hold lasts (the database is held by an open transaction), a box that only informs waits
// and is shown, in order, when the outermost hold ends, so that nobody reads it while every other
// station waits for the database; it answers its only button at once. A box that asks cannot wait
// for its answer: it is shown at once, and such a question belongs before the transaction.
class MessageHold {
public:
    MessageHold();
    ~MessageHold();
    MessageHold(const MessageHold&) = delete;
    MessageHold& operator=(const MessageHold&) = delete;

    // Ends this hold now (once); the waiting boxes are shown when it was the outermost.
    void release();

private:
    bool m_held = true;
};

// Replaces the real box. Returning the answer; the box is recorded by the answerer itself.
using Answerer = std::function<Answer(const Box&)>;
void setAnswerer(Answerer answerer);
void clearAnswerer();

// Records every box and answers from a queue; with the queue empty it presses the default button.
class ScriptedAnswerer {
public:
    ScriptedAnswerer();
    ~ScriptedAnswerer();
    ScriptedAnswerer(const ScriptedAnswerer&) = delete;
    ScriptedAnswerer& operator=(const ScriptedAnswerer&) = delete;

    void answer(Answer next) { m_answers.append(next); }
    // Called with every box as it is shown, before it is answered: what the test checks at that moment.
    void setWitness(std::function<void(const Box&)> witness) { m_witness = std::move(witness); }
    const QList<Box>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); m_answers.clear(); }

private:
    Answer respond(const Box& box);
    QList<Box> m_boxes;
    QList<Answer> m_answers;
    std::function<void(const Box&)> m_witness;
};

// The button that a box of this style presses by default.
Answer defaultAnswer(int style);

} // namespace ui
