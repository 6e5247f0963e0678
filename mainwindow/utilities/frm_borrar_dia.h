#pragma once

#include <QWidget>

class QDateEdit;
class QPushButton;

// "Borrar Día": a date and two buttons; the right one closes the window, the left one has no action
// of its own. The window deletes nothing.
class frmBorrarDia : public QWidget {
    Q_OBJECT
public:
    explicit frmBorrarDia(QWidget* parent = nullptr);

    QDateEdit* Fecha;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    void Command2_Click();
};
