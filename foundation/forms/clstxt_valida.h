#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QWidget;

// The input rules of one text box, named by keywords in its tag: "NoVacio" (must not be left empty),
// "Numerico" (digits and the decimal point), "Mayusculas" (letters turned to capitals as typed),
// "NoSignos" (letters, digits and the blank) and "IP" (a dotted IPv4 address). Keywords combine in
// one tag ("NoVacioMayusculas") and are read once, when the box is attached.
class Clstxt_valida : public QObject {
    Q_OBJECT
public:
    explicit Clstxt_valida(QObject* parent = nullptr);

    // Attaches the rules to a one-line or multi-line text box.
    void Asigna(QWidget* PtxtCampo);
    QWidget* txtAny() const { return m_txtAny; }

    bool noVacio() const { return m_noVacio; }
    bool numerico() const { return m_numerico; }
    bool mayusculas() const { return m_mayusculas; }
    bool noSignos() const { return m_noSignos; }
    bool ip() const { return m_ip; }

    // The typed character as the rules let it in; a null character when they refuse it.
    QChar filtraCaracter(QChar typed) const;

    // Whether text is an address that the box accepts: four groups of digits, none empty, each at
    // most 255.
    static bool direccionIpValida(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString filtraTexto(const QString& typed) const;
    bool txtAny_KeyPress(QKeyEvent* event);
    bool txtAny_InputMethod(QInputMethodEvent* event);
    void reenvia(QEvent* changed);
    void txtAny_GotFocus(QEvent* event);
    void txtAny_LostFocus(Qt::FocusReason reason);
    // False keeps the focus in the box.
    bool txtAny_Validate();

    QPointer<QWidget> m_txtAny;
    bool m_noVacio = false;
    bool m_numerico = false;
    bool m_mayusculas = false;
    bool m_noSignos = false;
    bool m_ip = false;
    bool m_resending = false;
};
