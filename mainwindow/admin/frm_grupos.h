#pragma once

#include "foundation/forms/data_entry_window.h"

class QCheckBox;
class QLineEdit;
class MultiLineTextBox;

// "Grupos de trabajo": the groups of employees to which rights are granted.
class FrmGrupos : public DataEntryWindow {
    Q_OBJECT
public:
    explicit FrmGrupos(QWidget* parent = nullptr);

protected:
    void Valores_Nuevos() override;

private:
    QLineEdit* txtId;
    QLineEdit* txtGrupos;
    MultiLineTextBox* txtDescripcion;
    QCheckBox* chkActivo;
};
