#include "mainwindow/utilities/utilerias_dia.h"

#include "foundation/database/cls_ado.h"
#include "foundation/database/guardado.h"
#include "platform/ui/msgbox.h"

#include <functional>

namespace {

// Deleting everything of a kind: asked twice, with No and then Cancel as the answer that Enter
// gives; the rows of `contada` counted and `borra` run in one transaction (a refusal has been
// reported by the gateway and rolls everything back); once committed, what went is said.
struct BorradoTotal {
    QString pregunta;
    QString advertencia;
    QString contada;
    std::function<bool()> borra;
    std::function<QString(qlonglong)> aviso;
};

// The rows of a table, read inside the delete's transaction so that the count is what it deletes.
qlonglong filas(const QString& tabla)
{
    adodb::Recordset cuenta;
    if (!g_ClsAdo().Establece_consulta(cuenta, QStringLiteral("SELECT COUNT(*) FROM ") + tabla) || cuenta.eof())
        return 0;
    return cuenta.cell(0, 0).toLongLong();
}

void borraTodo(const BorradoTotal& b)
{
    if (ui::msgBox(b.pregunta, ui::YesNo | ui::DefaultButton2) != ui::Yes
        || ui::msgBox(b.advertencia, ui::OkCancel | ui::DefaultButton2) != ui::Ok)
        return;
    qlonglong cuantas = 0;
    {
        Guardado guardado;
        cuantas = filas(b.contada);
        if (!b.borra()) {
            guardado.cancela(true);
            return;
        }
        if (!guardado.termina())
            return;
    }
    ui::msgBox(b.aviso(cuantas), ui::Information);
}

QString cantidad(qlonglong n, const QString& singular, const QString& plural)
{
    return QString::number(n) + QLatin1Char(' ') + (n == 1 ? singular : plural);
}

} // namespace

void mnuBorrarDatos_Click()
{
    borraTodo({QStringLiteral("En verdad desea eliminar los datos?"),
               QStringLiteral("Esta operacion eliminara todas las ventas!"), QStringLiteral("Comanda"),
               [] {
                   return g_ClsAdo().dbExecStored(QStringLiteral("EXEC Borrar_Comanda '010106',1"), false, nullptr,
                                                  false)
                              .toInt()
                          == 1;
               },
               [](qlonglong comandas) {
                   return QStringLiteral("Se eliminaron todas las ventas: ")
                          + cantidad(comandas, QStringLiteral("comanda"), QStringLiteral("comandas"))
                          + QStringLiteral(" con sus cuentas, productos y pagos.");
               }});
}

void mnuBorrarCola_Click()
{
    borraTodo({QStringLiteral("En verdad desea eliminar los datos de la cola de impresión?"),
               QStringLiteral("Esta operacion eliminara todas las impresiones de cocina!"),
               QStringLiteral("ColaImpresion"),
               [] {
                   adodb::Recordset sinConsulta;
                   // The lines before their jobs.
                   return g_ClsAdo().Borrar(sinConsulta, QStringLiteral("Detallecolaimpresion"), QVariant(), QString(),
                                            false)
                          && g_ClsAdo().Borrar(sinConsulta, QStringLiteral("ColaImpresion"), QVariant(), QString(),
                                               false);
               },
               [](qlonglong trabajos) {
                   return QStringLiteral("Se eliminaron ")
                          + cantidad(trabajos, QStringLiteral("impresión"), QStringLiteral("impresiones"))
                          + QStringLiteral(" de la cola de impresión.");
               }});
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
