#include "foundation/dialogs/frm_busca_emp.h"

#include "foundation/routines/zorva_funciones.h"

#include <QLineEdit>

frmBusca_Emp::frmBusca_Emp(QWidget* parent) : PickerDialog(parent)
{
    setObjectName(QStringLiteral("frmBusca_Emp"));
}

QString frmBusca_Emp::searchStatement() const
{
    const QString t = DuplicaComillas(txtCriterio->text());
    return QStringLiteral("SELECT ID_Empleado,Nombre_Empleado || ' ' || Apellido_Paterno || ' ' || Apellido_Materno "
                          "FROM Empleado WHERE Nombre_Empleado LIKE '%")
        + t + QStringLiteral("%' OR Apellido_Paterno LIKE '%") + t + QStringLiteral("%' OR Apellido_Materno LIKE '%") + t
        + QStringLiteral("%'");
}

void frmBusca_Emp::onAccept()
{
    sCadena = selectedIds().join(QLatin1Char(','));
}

void frmBusca_Emp::onCancel()
{
    sCadena.clear();
}
