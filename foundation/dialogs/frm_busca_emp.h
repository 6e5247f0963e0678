#pragma once

#include "foundation/dialogs/picker_dialog.h"

// The employee picker: the criterion is sought in the name and both surnames; accept hands back the
// identifiers picked, in the order picked, as one text joined by "," in sCadena.
//
//     frmBusca_Emp busca(this);
//     busca.exec();
//     txtEmpleados->setText(busca.sCadena);
class frmBusca_Emp : public PickerDialog {
    Q_OBJECT
public:
    explicit frmBusca_Emp(QWidget* parent = nullptr);

    // "3,7" after accept; "" after load and after cancel.
    QString sCadena;

protected:
    QString searchStatement() const override;
    void onAccept() override;
    void onCancel() override;
};
