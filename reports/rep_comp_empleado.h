#pragma once

#include "platform/adodb/adodb.h"
#include "reports/rep_ventana.h"

class QCheckBox;
class QDateEdit;
class repDetCompEmpleado;

// "Comparación de Ventas por Empleado": per employee (and category) the articles sold in the
// period, the net amount, the guests and the average per guest. Its table stays after a search for
// the double click, which opens the employee's detail, and goes when the window closes.
class RepCompEmpleado : public RepVentana {
    Q_OBJECT
public:
    explicit RepCompEmpleado(QWidget* parent = nullptr);

    QDateEdit* dtpFechaIni = nullptr;
    QDateEdit* dtpFechaFin = nullptr;
    QCheckBox* chkCategoria = nullptr;

    // The drill-down of a row: the detail window opened, or null.
    repDetCompEmpleado* sprDatos_DblClick(int columna, int fila);
    // What the detail shows of an employee over the last search: Nombre_Categoria, Articulo and
    // Monto per category.
    adodb::Recordset categoriasDe(const QString& nombre);

protected:
    void buscar() override;
    void Form_Unload() override;
    void preparaImpresion(bool paraVista) override;

private:
    void disenoRejilla();
    QString periodo() const;
    repDetCompEmpleado* abreDetalle(const QString& nombre);

    bool m_tabla = false;  // this window's table exists on the connection
};
