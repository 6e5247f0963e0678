#pragma once

#include "platform/adodb/adodb.h"

#include <QDialog>

class QGroupBox;
class QPlainTextEdit;
class QPushButton;
namespace grid {
class Grid;
}

// "Ejecutar Script": runs any SQL text, typed or loaded from a file, on the central database and
// shows the rows it returns or the errors it raised. Each opening starts empty.
class FrmCatEstandariza : public QDialog {
    Q_OBJECT
public:
    explicit FrmCatEstandariza(QWidget* parent = nullptr);

    void CmdEjecutar_Click();

    QGroupBox* Frame1;
    QPlainTextEdit* txtScript;
    QPushButton* CmdEjecutar;
    QPushButton* CmdCerrar;
    QPlainTextEdit* txtResult;
    grid::Grid* sprResultados;

private:
    void muestraErrores(const QString& fallo);

    // The rows of the last run, shown in the grid until the next run.
    adodb::Recordset m_resultado;
};
