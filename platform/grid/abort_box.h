#pragma once

#include <QDialog>

class QPushButton;

namespace grid {

// The box shown while a print-out goes to the printer: the abort text and a Cancel button that
// stops the print between pages.
class AbortBox : public QDialog {
    Q_OBJECT
public:
    explicit AbortBox(const QString& text, QWidget* parent = nullptr);

    bool isCancelled() const { return m_cancelled; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    void reject() override;  // Esc and the close box cancel as the button does

private:
    QPushButton* m_cancel;
    bool m_cancelled = false;
};

} // namespace grid
