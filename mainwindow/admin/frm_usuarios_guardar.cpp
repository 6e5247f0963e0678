// The employees window's save and delete: the employee, his groups and his costs are written, or
// deleted, together or not at all.
#include "mainwindow/admin/frm_usuarios.h"
#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/database/next_key.h"
#include "foundation/forms/controls.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/login_state.h"
#include "platform/grid/grid.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

bool FrmUsuarios::Campos_Completos()
{
    const std::pair<QLineEdit*, const char*> requeridos[] = {{txtUsuario, "de Usuario"},
                                                             {TxtNombre, "de Nombre"},
                                                             {txtPaterno, "de Apellido paterno"},
                                                             {txtMaterno, "de Apellido materno"}};
    for (const auto& [caja, campo] : requeridos) {
        if (caja->text().trimmed().isEmpty()) {
            ui::msgBox(QStringLiteral("Falta el campo ") + QLatin1String(campo), ui::Exclamation);
            forms::focusField(caja);
            return false;
        }
    }
    bool conGrupo = sprGruposXUsuario->rowCount() > 0;
    // The groups that a user without the right to administer users does not see are kept.
    if (!conGrupo && !bNuevo() && !g_bAdminUsuarios) {
        try {
            conGrupo = !BuscaValor(QStringLiteral("EmpleadosXGrupo"), QStringLiteral("ID_Empleado"),
                                   QStringLiteral("ID_Empleado=") + lblId->text()
                                       + QStringLiteral(" AND ID_Grupo_Trabajo IN (") + GruposAdmin()
                                       + QLatin1Char(')'))
                            .isEmpty();
        } catch (const adodb::ComError&) {
            conGrupo = false;
        }
    }
    if (!conGrupo) {
        ui::msgBox(QStringLiteral("El usuario debe de tener al menos un grupo asociado."), ui::Exclamation);
        return false;
    }
    return CostosValidos();
}

// A new employee's password is asked before the save begins: a cancelled dialog gives none, and no
// employee is stored without one.
bool FrmUsuarios::confirmSave(bool isNew)
{
    m_cifrada.clear();
    if (!isNew)
        return true;
    QString contrasena;
    if (!PideContrasena(contrasena))
        return false;
    try {
        m_cifrada = CifraContrasena(contrasena);
    } catch (const KeyFileError& e) {
        ui::msgBox(e.message(), ui::Critical, windowTitle());
        return false;
    }
    return true;
}

bool FrmUsuarios::PideContrasena(QString& contrasena)
{
    frmContrasena dialogo(this);
    dialogo.bCambio = false;
    dialogo.bCancelar = false;
    dialogo.exec();
    if (dialogo.bCancelar || dialogo.txtContrasena->text().isEmpty())
        return false;
    contrasena = dialogo.txtContrasena->text();
    return true;
}

// The new employee's key, password and failed logins go into his row before it is written.
bool FrmUsuarios::beforeSave(bool isNew)
{
    if (!isNew)
        return true;
    // Given inside the transaction that uses it; the first employee gets 1, and no employee gets
    // the key of one deleted before (his sales and hours are still recorded under it).
    const qlonglong id = nextKey(KeyForm::B, QStringLiteral("Empleado"), QStringLiteral("ID_Empleado")).toLongLong();
    // The terminals and the login know an employee by a 16-bit number.
    if (id > std::numeric_limits<qint16>::max() || id < 1) {
        g_ClsAdo().conexion().errors().clear();
        ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, windowTitle());
        return false;
    }
    adodb::Recordset& empleado = Consulta();
    empleado.field(QStringLiteral("ID_Empleado")).setValue(id);
    empleado.field(QStringLiteral("Contraseña")).setValue(m_cifrada);
    empleado.field(QStringLiteral("Intentos")).setValue(0);
    return true;
}

// Every save of an employee clears his failed logins.
QString FrmUsuarios::Texto_Actualizacion()
{
    const QString cambios = DataEntryWindow::Texto_Actualizacion();
    return cambios.isEmpty() ? QStringLiteral("Intentos=0") : cambios + QStringLiteral(",Intentos=0");
}

bool FrmUsuarios::Guarda_Detalle()
{
    const QString id = lblId->text();
    return EscribeGrupos(id) && EscribeCostos(id);
}

bool FrmUsuarios::Alta(const QString& tabla, const QString& campos, const QString& valores)
{
    if (g_ClsAdo().Alta(tabla, campos, valores))
        return true;
    g_ClsAdo().conexion().errors().clear();
    ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, windowTitle());
    return false;
}

// The question, and an employee in session, come before the delete begins.
bool FrmUsuarios::confirmDelete()
{
    if (ui::msgBox(QStringLiteral("¿Esta seguro de borrar al usuario?"), ui::YesNo | ui::Question | ui::DefaultButton2)
        != ui::Yes)
        return false;
    const QString usuario = txtUsuario->text();
    bool comprobado = false;
    if (EnSesion(usuario, &comprobado)) {
        ui::msgBox(QStringLiteral("No es posible eliminar al usuario por estar en sesión"), ui::Critical);
        return false;
    }
    if (!comprobado) {
        ui::msgBox(QStringLiteral("No es posible eliminar al usuario: no se pudo revisar si está en sesión"), ui::Critical);
        return false;
    }
    m_usuarioBorrado = usuario;
    m_posicionBorrada = Consulta().absolutePosition();
    g_ClsAdo().CpsTitulo = windowTitle();
    return true;
}

bool FrmUsuarios::EnSesion(const QString& usuario, bool* comprobado)
{
    try {
        const adodb::Recordset sesiones =
            g_ClsAdo().conexion().execute(QStringLiteral("sp_who '") + DuplicaComillas(usuario) + QLatin1Char('\''));
        *comprobado = true;
        return !sesiones.isNull() && sesiones.isOpen() && sesiones.recordCount() > 0;
    } catch (const adodb::ComError&) {
        g_ClsAdo().conexion().errors().clear();
        *comprobado = false;
        return false;
    }
}

// The memberships and the costs go with the employee; the gateway says why a delete was refused.
bool FrmUsuarios::Borra_Detalle()
{
    const QString condicion = QStringLiteral("ID_Empleado=") + lblId->text();
    adodb::Recordset ninguno;
    return g_ClsAdo().Borrar(ninguno, QStringLiteral("EmpleadosXGrupo"), QVariant(), condicion, false)
           && g_ClsAdo().Borrar(ninguno, QStringLiteral("CostosXEmpleado"), QVariant(), condicion, false);
}

// The employee's database user and login go once the employee is gone, and the next employee
// takes his place.
void FrmUsuarios::afterDelete()
{
    BorraAccesos(m_usuarioBorrado);
    adodb::Recordset& empleados = Consulta();
    if (empleados.recordCount() > 0)
        empleados.setAbsolutePosition(qBound(1, m_posicionBorrada, empleados.recordCount()));
}

// An engine without logins has nothing to drop, which is no failure.
void FrmUsuarios::BorraAccesos(const QString& usuario)
{
    const QString nombre = QLatin1Char('\'') + DuplicaComillas(usuario) + QLatin1Char('\'');
    for (const QString& procedimiento : {QStringLiteral("sp_dropuser "), QStringLiteral("sp_droplogin ")}) {
        try {
            g_ClsAdo().conexion().execute(procedimiento + nombre);
        } catch (const adodb::ComError&) {
        }
    }
    g_ClsAdo().conexion().errors().clear();
}
