#include "platform/ui/input_box.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QInputDialog>

namespace ui {

namespace {

InputAnswerer& currentAnswerer()
{
    static InputAnswerer answerer;
    return answerer;
}

} // namespace

QString inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    const InputRequest request{prompt, title.isEmpty() ? applicationTitle() : title, defaultText};
    if (currentAnswerer())
        return currentAnswerer()(request);
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.defaultText);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void setInputAnswerer(InputAnswerer answerer)
{
    currentAnswerer() = std::move(answerer);
}

ScriptedInput::ScriptedInput()
{
    setInputAnswerer([this](const InputRequest& request) {
        m_requests.append(request);
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    });
}

ScriptedInput::~ScriptedInput()
{
    setInputAnswerer({});
}

} // namespace ui
