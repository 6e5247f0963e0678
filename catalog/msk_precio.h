#pragma once

#include "foundation/forms/formatted_box.h"

#include <QString>

// The price box: shows the amount as currency ("$1,234.50") while the focus is elsewhere, and the
// plain number while it is typed into. Only digits and "." can be typed (backspace is refused too;
// Delete and a selection still edit). Leaving it with more than 15 digits and points says "El precio
// es demasiado grande", empties it and keeps the focus there. Its bound value is the plain number.
class MskPrecio : public FormattedBox {
    Q_OBJECT
public:
    explicit MskPrecio(QWidget* parent = nullptr);

    // The characters of PsValor that are digits or ".", in their order.
    static QString Quitar_Formato(const QString& PsValor);
    // The most digits and points a price may have.
    static constexpr int kLargoMaximo = 15;

    // The amount as shown, rounded to two decimals ("12.50"); what is typed as it stands when it is
    // no number ("1.2.3"), so that a check refuses it; empty for an empty box.
    QString plainValue() const override;
    void setPlainValue(const QString& value) override;
    // Whether the box holds a number (or nothing).
    bool esNumero() const;
    // Whether what is typed is within the 15 digits and points.
    bool largoValido() const;
    // Says the price is too large and empties the box.
    void rechazaLargo();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void muestra();

    QString m_valor;  // what was typed or bound, without the currency format
};
