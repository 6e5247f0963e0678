#include "mainwindow/utilities/utilerias_dia.h"

#include "foundation/database/cls_ado.h"
#include "foundation/database/guardado.h"
#include "platform/ui/msgbox.h"

namespace {

// What cannot be undone is asked with No (and then Cancel) as the answer that Enter gives.
bool confirmaBorrado(const QString& pregunta, const QString& advertencia)
{
    return ui::msgBox(pregunta, ui::YesNo | ui::DefaultButton2) == ui::Yes
           && ui::msgBox(advertencia, ui::OkCancel | ui::DefaultButton2) == ui::Ok;
}

// The rows of a table, read inside the delete's transaction so that the count is what it deletes.
qlonglong filas(const QString& tabla)
{
    adodb::Recordset cuenta;
    if (!g_ClsAdo().Establece_consulta(cuenta, QStringLiteral("SELECT COUNT(*) FROM ") + tabla) || cuenta.eof())
        return 0;
    return cuenta.cell(0, 0).toLongLong();
}

QString cantidad(qlonglong n, const QString& singular, const QString& plural)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? singular : plural);
}

} // namespace

void mnuBorrarDatos_Click()
{
    if (!confirmaBorrado(QStringLiteral("En verdad desea eliminar los datos?"),
                         QStringLiteral("Esta operacion eliminara todas las ventas!")))
        return;
    qlonglong comandas = 0;
    {
        Guardado guardado;
        comandas = filas(QStringLiteral("Comanda"));
        if (g_ClsAdo().dbExecStored(QStringLiteral("EXEC Borrar_Comanda '010106',1"), false, nullptr, false).toInt()
            != 1) {
            guardado.cancela(true);
            return;
        }
        if (!guardado.termina())
            return;
    }
    ui::msgBox(QStringLiteral("Se eliminaron todas las ventas: ")
                   + cantidad(comandas, QStringLiteral("comanda"), QStringLiteral("comandas"))
                   + QStringLiteral(" con sus cuentas, productos y pagos."),
               ui::Information);
}

void mnuBorrarCola_Click()
{
    if (!confirmaBorrado(QStringLiteral("En verdad desea eliminar los datos de la cola de impresión?"),
                         QStringLiteral("Esta operacion eliminara todas las impresiones de cocina!")))
        return;
    qlonglong trabajos = 0;
    {
        Guardado guardado;
        trabajos = filas(QStringLiteral("ColaImpresion"));
        adodb::Recordset sinConsulta;
        // The lines before their jobs.
        for (const QString& tabla : {QStringLiteral("Detallecolaimpresion"), QStringLiteral("ColaImpresion")}) {
            if (!g_ClsAdo().Borrar(sinConsulta, tabla, QVariant(), QString(), false)) {
                guardado.cancela(true);
                return;
            }
        }
        if (!guardado.termina())
            return;
    }
    ui::msgBox(QStringLiteral("Se eliminaron ")
                   + cantidad(trabajos, QStringLiteral("impresión"), QStringLiteral("impresiones"))
                   + QStringLiteral(" de la cola de impresión."),
               ui::Information);
}

void mnuDesfirmar_Click()
{
    if (ui::msgBox(QStringLiteral("En verdad desea desfirmar a todos los empleados del sistema?"), ui::YesNo) != ui::Yes)
        return;
    Guardado guardado;
    adodb::Recordset sinConsulta;
    if (!g_ClsAdo().Modificar(sinConsulta, QStringLiteral("Empleado"), QStringLiteral("Id_Terminal=0"),
                              QStringLiteral("Id_Terminal<>0"), false)) {
        guardado.cancela(false);
        return;
    }
    guardado.termina();
}
