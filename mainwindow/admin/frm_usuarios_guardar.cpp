// The employees window's save and delete: the employee, his groups and his costs are written, or
// deleted, together or not at all.
#include "mainwindow/admin/frm_usuarios.h"
#include "foundation/cipher/contrasena.h"
#include "foundation/database/cls_ado.h"
#include "foundation/database/next_key.h"
#include "foundation/database/transaction_guard.h"
#include "foundation/routines/zorva_funciones.h"
#include "mainwindow/admin/frm_contrasena.h"
#include "mainwindow/login_state.h"
#include "platform/grid/grid.h"
#include "platform/keys/key_file_error.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

QString texto(const QLineEdit* caja)
{
    return QLatin1Char('\'') + DuplicaComillas(caja->text()) + QLatin1Char('\'');
}

QString marca(const QCheckBox* casilla)
{
    return casilla->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

bool esDuplicado(const adodb::Error& error)
{
    return error.NativeError == adodb::native::DuplicateKey || error.NativeError == adodb::native::DuplicateIndex;
}

} // namespace

bool FrmUsuarios::Campos_Completos()
{
    const std::pair<QLineEdit*, const char*> requeridos[] = {{txtUsuario, "de Usuario"},
                                                             {TxtNombre, "de Nombre"},
                                                             {txtPaterno, "de Apellido paterno"},
                                                             {txtMaterno, "de Apellido materno"}};
    for (const auto& [caja, campo] : requeridos) {
        if (caja->text().trimmed().isEmpty()) {
            ui::msgBox(QStringLiteral("Falta el campo ") + QLatin1String(campo), ui::Exclamation);
            caja->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    bool conGrupo = sprGruposXUsuario->rowCount() > 0;
    // The groups that a user without the right to administer users does not see are kept.
    if (!conGrupo && !m_bNuevo && !g_bAdminUsuarios) {
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
    return true;
}

void FrmUsuarios::BotonAceptar()
{
    if (!m_formas.Edicion())
        return;
    std::optional<ui::WaitCursor> espera(std::in_place);
    if (!Campos_Completos() || !CostosValidos())
        return;
    g_ClsAdo().CpsMen_LLave_Repetida = QStringLiteral("Ya existe el usuario");
    g_ClsAdo().CpsTitulo = windowTitle();
    qlonglong id = 0;
    if (m_bNuevo) {
        QString contrasena;
        espera.reset();
        if (!PideContrasena(contrasena))
            return;
        espera.emplace();
        if (!GuardaNuevo(contrasena, &id))
            return;
    } else if (!GuardaCambio(&id)) {
        return;
    }
    Posiciona(id);
    MuestraRegistro();
    m_formas.ModoEdicion(false);
    EstadoNavegacion();
}

// A cancelled dialog gives no password, and no employee is stored without one.
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

bool FrmUsuarios::GuardaNuevo(const QString& contrasena, qlonglong* id)
{
    QString cifrada;
    try {
        cifrada = CifraContrasena(contrasena);
    } catch (const KeyFileError& e) {
        ui::msgBox(e.message(), ui::Critical, windowTitle());
        return false;
    }
    m_avisar = m_duplicado = false;
    TransactionGuard transaccion;
    // Given inside the transaction that uses it; the first employee gets 1, and no employee gets
    // the key of one deleted before (his sales and hours are still recorded under it).
    const QString siguiente = nextKey(KeyForm::B, QStringLiteral("Empleado"), QStringLiteral("ID_Empleado"));
    *id = siguiente.toLongLong();
    // The terminals and the login know an employee by a 16-bit number.
    if (*id > std::numeric_limits<qint16>::max() || *id < 1) {
        Rechazado(false);
        return Deshace(transaccion);
    }
    const QString llave = QString::number(*id);
    if (!Alta(QStringLiteral("Empleado"),
              QStringLiteral("Id_Empleado,Usuario,Nombre_Empleado,Contraseña,Tarjeta_magnetica,Apellido_Paterno,"
                             "Apellido_Materno,Calle_Numero,Colonia,Estado,C_P,RFC,S_S,Estado_Empleado,Intentos,"
                             "Admin_Usuarios,Ciudad"),
              ValoresNuevos(llave, cifrada), true)
        || !EscribeGrupos(llave) || !EscribeCostos(llave) || !Confirma(transaccion))
        return Deshace(transaccion);
    return true;
}

QString FrmUsuarios::ValoresNuevos(const QString& id, const QString& cifrada) const
{
    const QStringList valores{id,
                              texto(txtUsuario),
                              texto(TxtNombre),
                              QLatin1Char('\'') + DuplicaComillas(cifrada) + QLatin1Char('\''),
                              marca(chkTarjeta),
                              texto(txtPaterno),
                              texto(txtMaterno),
                              texto(txtDomicilio),
                              texto(txtColonia),
                              texto(txtEstado),
                              texto(txtCP),
                              texto(txtRFC),
                              texto(txtSeguro),
                              texto(txtStatus),
                              QStringLiteral("0"),
                              marca(chkUsuarios),
                              texto(txtCiudad)};
    return valores.join(QLatin1Char(','));
}

bool FrmUsuarios::GuardaCambio(qlonglong* id)
{
    const QString llave = lblId->text();
    bool numero = false;
    *id = llave.toLongLong(&numero);
    if (!numero)
        return false;
    const QString condicion = QStringLiteral("ID_Empleado=") + llave;
    m_avisar = m_duplicado = false;
    TransactionGuard transaccion;
    // Deleted meanwhile at another station: there is nothing left to change.
    QString existe;
    try {
        existe = BuscaValor(QStringLiteral("Empleado"), QStringLiteral("ID_Empleado"), condicion);
    } catch (const adodb::ComError&) {
        existe.clear();
    }
    if (existe.isEmpty()) {
        Rechazado(false);
        return Deshace(transaccion);
    }
    if (!Modifica(Asignaciones(), condicion) || !Modifica(QStringLiteral("Intentos=0"), condicion)
        || !EscribeGrupos(llave) || !EscribeCostos(llave) || !Confirma(transaccion))
        return Deshace(transaccion);
    return true;
}

QString FrmUsuarios::Asignaciones() const
{
    const QStringList asignaciones{QStringLiteral("Usuario=") + texto(txtUsuario),
                                   QStringLiteral("Nombre_Empleado=") + texto(TxtNombre),
                                   QStringLiteral("Tarjeta_magnetica=") + marca(chkTarjeta),
                                   QStringLiteral("Apellido_Paterno=") + texto(txtPaterno),
                                   QStringLiteral("Apellido_Materno=") + texto(txtMaterno),
                                   QStringLiteral("Calle_Numero=") + texto(txtDomicilio),
                                   QStringLiteral("Colonia=") + texto(txtColonia),
                                   QStringLiteral("Estado=") + texto(txtEstado),
                                   QStringLiteral("C_P=") + texto(txtCP),
                                   QStringLiteral("RFC=") + texto(txtRFC),
                                   QStringLiteral("S_S=") + texto(txtSeguro),
                                   QStringLiteral("Estado_Empleado=") + texto(txtStatus),
                                   QStringLiteral("Admin_Usuarios=") + marca(chkUsuarios),
                                   QStringLiteral("Ciudad=") + texto(txtCiudad)};
    return asignaciones.join(QLatin1Char(','));
}

bool FrmUsuarios::Alta(const QString& tabla, const QString& campos, const QString& valores, bool filaEmpleado)
{
    return g_ClsAdo().Alta(tabla, campos, valores) || Rechazado(filaEmpleado);
}

bool FrmUsuarios::Modifica(const QString& asignaciones, const QString& condicion)
{
    adodb::Recordset ninguno;
    return g_ClsAdo().Modificar(ninguno, QStringLiteral("Empleado"), asignaciones, condicion, false) || Rechazado(true);
}

bool FrmUsuarios::Rechazado(bool filaEmpleado)
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    m_duplicado = filaEmpleado && std::any_of(errores.cbegin(), errores.cend(), esDuplicado);
    m_avisar = true;
    errores.clear();
    return false;
}

bool FrmUsuarios::Confirma(TransactionGuard& transaccion)
{
    return transaccion.commit() || Rechazado(false);
}

bool FrmUsuarios::Deshace(TransactionGuard& transaccion)
{
    transaccion.rollback();
    g_ClsAdo().conexion().errors().clear();
    if (m_avisar) {
        if (m_duplicado)
            ui::msgBox(QStringLiteral("Ya existe el usuario"), ui::Exclamation, windowTitle());
        else
            ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, windowTitle());
    }
    m_avisar = m_duplicado = false;
    return false;
}

void FrmUsuarios::BotonBorrar()
{
    const QString id = lblId->text();
    bool numero = false;
    id.toLongLong(&numero);
    if (m_formas.Edicion() || !m_consulta.isOpen() || !numero)
        return;
    ui::WaitCursor espera;
    if (ui::msgBox(QStringLiteral("¿Esta seguro de borrar al usuario?"), ui::YesNo | ui::Question | ui::DefaultButton2)
        != ui::Yes)
        return;
    const QString usuario = txtUsuario->text();
    bool comprobado = false;
    if (EnSesion(usuario, &comprobado)) {
        ui::msgBox(QStringLiteral("No es posible eliminar al usuario por estar en sesión"), ui::Critical);
        return;
    }
    if (!comprobado) {
        ui::msgBox(QStringLiteral("No es posible eliminar al usuario: no se pudo revisar si está en sesión"), ui::Critical);
        return;
    }
    const int posicion = m_consulta.absolutePosition();
    if (!BorraEmpleado(id))
        return;
    BorraAccesos(usuario);
    // The next employee takes the deleted one's place.
    m_consulta.requery();
    if (m_consulta.recordCount() > 0)
        m_consulta.setAbsolutePosition(qBound(1, posicion, m_consulta.recordCount()));
    m_enlace.fill();
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

// The memberships, the costs and the employee go together; the gateway says why a delete was
// refused.
bool FrmUsuarios::BorraEmpleado(const QString& id)
{
    ClsAdo& ado = g_ClsAdo();
    ado.CpsTitulo = windowTitle();
    const QString condicion = QStringLiteral("ID_Empleado=") + id;
    adodb::Recordset ninguno;
    TransactionGuard transaccion;
    const bool borrado = ado.Borrar(ninguno, QStringLiteral("EmpleadosXGrupo"), QVariant(), condicion, false)
        && ado.Borrar(ninguno, QStringLiteral("CostosXEmpleado"), QVariant(), condicion, false)
        && ado.Borrar(ninguno, QStringLiteral("Empleado"), QVariant(), condicion, false);
    if (borrado) {
        if (transaccion.commit())
            return true;
        ui::msgBox(QStringLiteral("No fue posible borrar al usuario"), ui::Critical, windowTitle());
    }
    transaccion.rollback();
    ado.conexion().errors().clear();
    return false;
}

// The employee's database user and login go once the employee is gone; an engine without them
// has nothing to drop, which is no failure.
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
