#pragma once

#include "foundation/forms/data_entry_window.h"

class QCheckBox;
class QLineEdit;
class MultiLineTextBox;

// "Departamentos": the areas of the restaurant to which employees' hours and hourly costs are booked.
class FrmDepartamentos : public DataEntryWindow {
    Q_OBJECT
public:
    explicit FrmDepartamentos(QWidget* parent = nullptr);

protected:
    void Valores_Nuevos() override;

private:
    QLineEdit* txtId;
    QLineEdit* txtGrupos;
    MultiLineTextBox* txtDescripcion;
    QCheckBox* chkActivo;
};
