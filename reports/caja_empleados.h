#pragma once

#include <QLineEdit>

// A box of employee ids separated by ",": a typed key is kept only when it is a digit or ",";
// Backspace, Delete, the arrows and the clipboard keys work as in any box. A pasted text is taken
// as it is and checked when the search reads it (condicionEmpleados).
class CajaEmpleados : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaEmpleados(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// " AND ID_Empleado in (1,2)" made of the prefix, the ids read from the box and ")"; nothing for a
// box without ids. A box holding anything but ids shows why and throws BusquedaInterrumpida, so the
// window must read its boxes before it runs any statement.
QString condicionEmpleados(const QLineEdit* caja, const QString& prefijo);
