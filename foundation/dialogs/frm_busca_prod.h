#pragma once

#include "foundation/dialogs/picker_dialog.h"

class QComboBox;

// The picker of products, or of modifier types or printers after Tipos_Modificadores or Impresoras
// (called once, before showing). Accept only hides it; the caller reads the rows picked:
//
//     frmBusca_Prod busca(this);
//     busca.Impresoras();                // printers; Tipos_Modificadores() for modifier types
//     busca.exec();
//     if (!busca.bCancelado)
//         for (int id = busca.Dar_Siguiente(); id != -1; id = busca.Dar_Siguiente())
//             addRow(id, busca.Dar_Nombre());
class frmBusca_Prod : public PickerDialog {
    Q_OBJECT
public:
    explicit frmBusca_Prod(QWidget* parent = nullptr);

    // The search list loses "Categoría"; the dialog searches modifier types, or printers.
    void Tipos_Modificadores();
    void Impresoras();

    QLabel* lblBuscarpor;
    QComboBox* cmbBuscarpor;
    QComboBox* cmbCategoria;

protected:
    void showEvent(QShowEvent* event) override;
    QString searchStatement() const override;
    void showResult(const adodb::Recordset& found) override;

private:
    void cmbBuscarpor_Click();
    void switchTo(const QString& mode, const QString& caption);

    QString m_modo;  // "" products, "Tipo_Modificador", "Impresora"
};
