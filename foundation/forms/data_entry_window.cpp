#include "foundation/forms/data_entry_window.h"
#include "foundation/database/cls_ado.h"
#include "foundation/database/transaction_guard.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/formatted_box.h"
#include "foundation/forms/main_window_services.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool esDuplicado(const adodb::Error& error)
{
    return error.NativeError == adodb::native::DuplicateKey || error.NativeError == adodb::native::DuplicateIndex;
}

} // namespace

DataEntryWindow::DataEntryWindow(QWidget* parent) : QWidget(parent)
{
    // Taken before the window reads anything, so that nothing stored while it reads is missed.
    m_leido = g_ClsAdo().conexion().contentStamp();
    connect(&m_formas, &ClsFormas::activada, this, &DataEntryWindow::alActivarse);
    connect(&m_formas, &ClsFormas::activada, this, &DataEntryWindow::muestraCuenta);
}

// What other windows (or stations) stored while this one was in the background is seen when the
// user comes back to it: its rows, on the same record, and the lists it offers. When nothing has been
// stored since it read them, what it shows is still what is stored.
void DataEntryWindow::alActivarse()
{
    const adodb::ContentStamp ahora = g_ClsAdo().conexion().contentStamp();
    if (ahora == m_leido)
        return;
    if (!m_formas.Edicion() && m_consulta.isOpen()) {
        g_ClsAdo().Reposiciona(m_consulta);
        m_enlace.fill();
        m_leido = ahora;
    }
    refreshLists();
}

DataEntryWindow::~DataEntryWindow()
{
    // A window closed while editing a new row drops it; nothing that still holds the recordset may
    // commit it later.
    if (m_consulta.isOpen() && m_consulta.editMode() != adodb::EditMode::None)
        m_consulta.cancelUpdate();
}

void DataEntryWindow::setTabla(const QString& tabla, const QString& columnaLlave, const QString& mensajeLlaveRepetida)
{
    m_tabla = tabla;
    m_columnaLlave = columnaLlave;
    m_mensajeLlaveRepetida = mensajeLlaveRepetida;
}

void DataEntryWindow::agregaColumnaFiltro(const QString& titulo, const QString& columnaLista,
                                          const QString& columnaCondicion)
{
    m_columnasFiltro.append({titulo, columnaLista, columnaCondicion});
}

void DataEntryWindow::Form_Load()
{
    const QString sql = m_sqlConsulta.isEmpty() ? QStringLiteral("SELECT * FROM ") + m_tabla : m_sqlConsulta;
    if (!g_ClsAdo().Establece_consulta(m_consulta, sql, 3, 3, 1))
        ui::msgBox(QStringLiteral("No fue posible leer la tabla ") + m_tabla, ui::Critical, windowTitle());
    m_enlace.setRecordset(m_consulta);
    for (QWidget* control : forms::controls(this))
        if (!forms::dataField(control).isEmpty())
            m_enlace.add(control);
    Ligar_Campos(true);
    m_formas.Asigna(this, QString());
    m_formas.Enabled_Controls(false);
    // The window opens with the focus on its first field, whatever control was created first.
    forms::focusField(m_primerCampo);
}

QWidget* DataEntryWindow::cajaLlave() const
{
    return m_enlace.controlFor(m_columnaLlave);
}

bool DataEntryWindow::hayRegistro() const
{
    const QString llave = forms::text(cajaLlave()).trimmed();
    return !llave.isEmpty() && llave != QLatin1String("0");
}

void DataEntryWindow::muestraCuenta()
{
    if (MainWindowServices* main = mainWindow())
        main->setStatusPanel(1, QStringLiteral("Registros: ")
                                    + QString::number(m_consulta.isOpen() ? m_consulta.recordCount() : 0));
}

void DataEntryWindow::Ligar_Campos(bool PbLigar)
{
    if (PbLigar)
        m_enlace.attach();
    else
        m_enlace.detach();
}

adodb::Recordset DataEntryWindow::Recordset_de_Busqueda()
{
    return m_consulta;
}

void DataEntryWindow::BotonNuevoModificar(bool PbNuevo)
{
    if (m_formas.Edicion() || !m_consulta.isOpen())
        return;
    m_bNuevo = PbNuevo;
    if (PbNuevo) {
        m_marcaAntesDeNuevo = m_consulta.bof() || m_consulta.eof() ? QVariant() : m_consulta.bookmark();
        m_consulta.addNew();
        m_enlace.fill();
        Valores_Nuevos();
    } else {
        if (!hayRegistro())
            return;
        Ligar_Campos(false);
    }
    m_formas.ModoEdicion(true);
    forms::setLocked(cajaLlave(), true);
    // The first field may lie on a tab that is not showing: nothing is typed into a hidden field.
    forms::focusField(m_primerCampo);
}

void DataEntryWindow::BotonAceptar()
{
    if (!m_formas.Edicion())
        return;
    recortaNombres();
    if (!Campos_Completos() || !Numeros_Validos() || !confirmSave(m_bNuevo))
        return;
    ui::WaitCursor espera;
    g_ClsAdo().CpsMen_LLave_Repetida = m_mensajeLlaveRepetida;
    g_ClsAdo().CpsTitulo = windowTitle();
    // The edited row's key, taken before anything moves the recordset.
    const QString condicion = m_bNuevo ? QString() : condicionLlave();
    const QString llaveAntes = forms::text(cajaLlave());
    bool guardado = false;
    try {
        TransactionGuard transaccion;
        if (guardaRegistro(condicion)) {
            guardado = transaccion.commit();
            if (!guardado)
                avisaConfirmacionFallida();
        }
    } catch (...) {
        deshaceGuardado(llaveAntes);
        throw;
    }
    if (!guardado) {
        deshaceGuardado(llaveAntes);
        return;
    }
    if (!m_bNuevo) {
        m_consulta.requery();
        m_consulta.find(condicion);
        Ligar_Campos(true);
    }
    m_formas.ModoEdicion(false);
    muestraCuenta();
}

// Blanks around a required name would be stored and would let "CAJA2 " stand beside "CAJA2": a
// name the user typed is checked and stored without them. A name left alone stays as stored.
void DataEntryWindow::recortaNombres()
{
    for (QWidget* control : m_enlace.controls()) {
        auto* caja = qobject_cast<QLineEdit*>(control);
        if (!caja || qobject_cast<FormattedBox*>(caja) || control == cajaLlave()
            || !forms::tag(control).contains(QLatin1String("NoVacio"), Qt::CaseInsensitive) || !m_enlace.changed(control))
            continue;
        const QString recortado = caja->text().trimmed();
        if (recortado != caja->text())
            caja->setText(recortado);
    }
}

bool DataEntryWindow::guardaRegistro(const QString& condicion)
{
    if (!beforeSave(m_bNuevo))
        return false;
    if (!(m_bNuevo ? guardaNuevo() : guardaCambio(condicion)))
        return false;
    return Guarda_Detalle() && afterSave(m_bNuevo);
}

bool DataEntryWindow::guardaNuevo()
{
    Llave_Nueva();
    m_enlace.writeBack();
    if (!g_ClsAdo().ActualizaADO(m_consulta, true, false))
        return false;
    // The stored row, with the key the database gave it.
    m_enlace.fill();
    return true;
}

bool DataEntryWindow::guardaCambio(const QString& condicion)
{
    long filas = 0;
    // Nothing changed still finds out whether the row is there.
    QString cambios = Texto_Actualizacion();
    if (cambios.isEmpty())
        cambios = m_columnaLlave + QLatin1Char('=') + m_columnaLlave;
    if (!g_ClsAdo().Modificar(m_consulta, m_tabla, cambios, condicion, false, &filas)) {
        avisaCambioRechazado();
        return false;
    }
    if (filas == 0) {
        // Another station deleted the row meanwhile: nothing may be written under its key.
        ui::msgBox(QStringLiteral("El registro fue borrado o modificado por otro usuario"), ui::Exclamation,
                   windowTitle());
        return false;
    }
    return true;
}

// After a refused save: the database is as before, the window stays in edit with what was typed.
void DataEntryWindow::deshaceGuardado(const QString& llaveAntes)
{
    if (m_bNuevo && m_consulta.isOpen() && m_consulta.editMode() != adodb::EditMode::Add) {
        // The new row reached the recordset before the refusal: it is gone from the database.
        m_consulta.requery();
        if (m_marcaAntesDeNuevo.isValid() && m_consulta.recordCount() > 0)
            m_consulta.setBookmark(m_marcaAntesDeNuevo);
        m_consulta.addNew();
    }
    forms::setText(cajaLlave(), llaveAntes);
}

void DataEntryWindow::avisaCambioRechazado()
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    const bool duplicado = std::any_of(errores.cbegin(), errores.cend(), esDuplicado);
    if (duplicado) {
        errores.clear();
        ui::msgBox(m_mensajeLlaveRepetida, ui::Exclamation, windowTitle());
    } else if (!errores.isEmpty() && errores.first().NativeError == adodb::native::LostConnection) {
        g_ClsAdo().Reporta_Error();
    } else {
        errores.clear();
        ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, windowTitle());
    }
}

void DataEntryWindow::avisaConfirmacionFallida()
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    if (!errores.isEmpty() && errores.first().NativeError == adodb::native::LostConnection) {
        g_ClsAdo().Reporta_Error();
        return;
    }
    errores.clear();
    ui::msgBox(QStringLiteral("No se pudo guardar el registro"), ui::Critical, windowTitle());
}

QString DataEntryWindow::condicionLlave() const
{
    const adodb::Field llave = m_consulta.field(m_columnaLlave);
    return m_columnaLlave + QLatin1Char('=') + FieldBinder::sqlValue(llave.text(), llave.type());
}

bool DataEntryWindow::Numeros_Validos()
{
    for (QWidget* control : m_enlace.controls()) {
        const QString columna = forms::dataField(control);
        if (!forms::isTextBox(control) || control == cajaLlave() || !m_consulta.hasField(columna))
            continue;
        const adodb::DataType tipo = m_consulta.field(columna).type();
        const FieldBinder::Numero numero = FieldBinder::numberKind(tipo);
        if (numero == FieldBinder::Numero::Ninguno || FieldBinder::isNumber(FieldBinder::valueText(control), numero))
            continue;
        forms::revealField(control);
        const QString campo = forms::captionOf(control);
        const QString que = numero == FieldBinder::Numero::Entero ? QStringLiteral(" debe ser un número entero")
                                                                   : QStringLiteral(" debe ser un número");
        ui::msgBox(campo.isEmpty() ? QStringLiteral("El valor ") + FieldBinder::valueText(control).trimmed() + que
                                   : QStringLiteral("El campo de ") + campo + que,
                   ui::Exclamation, windowTitle());
        forms::focusField(control);
        return false;
    }
    return true;
}

QString DataEntryWindow::Texto_Actualizacion()
{
    return m_enlace.assignments(m_columnaLlave);
}

void DataEntryWindow::BotonCancelar()
{
    if (!m_formas.Edicion())
        return;
    if (m_bNuevo) {
        m_consulta.cancelUpdate();
        if (m_marcaAntesDeNuevo.isValid())
            m_consulta.setBookmark(m_marcaAntesDeNuevo);
    }
    Ligar_Campos(true);
    m_formas.ModoEdicion(false);
}

bool DataEntryWindow::confirmDelete()
{
    return ui::msgBox(QStringLiteral("¿Esta seguro de borrar el registro?"), ui::YesNo | ui::Question) == ui::Yes;
}

void DataEntryWindow::BotonBorrar()
{
    if (m_formas.Edicion() || !m_consulta.isOpen())
        return;
    ui::WaitCursor espera;
    if (hayRegistro() && confirmDelete()) {
        const QString condicion = condicionLlave();
        bool borrado = false;
        {
            TransactionGuard transaccion;
            if (!Borra_Detalle() || !g_ClsAdo().ActualizaADO(m_consulta, false, true))
                return;
            borrado = transaccion.commit();
        }
        if (borrado) {
            afterDelete();
        } else {
            avisaConfirmacionFallida();
            // The row left the recordset but not the database.
            m_consulta.requery();
            m_consulta.find(condicion);
        }
        m_enlace.fill();
    }
    muestraCuenta();
}

void DataEntryWindow::BotonBuscar()
{
    m_formas.Busqueda(m_consulta, false);
}

void DataEntryWindow::BotonFiltro()
{
    AbreFiltro(this, tablaFiltro(), m_columnasFiltro);
}

void DataEntryWindow::desplaza(const QString& direccion)
{
    if (m_formas.Edicion() || !m_consulta.isOpen())
        return;
    g_ClsAdo().Desplazar(m_consulta, direccion);
    m_enlace.fill();
}

void DataEntryWindow::BotonPrimerRegistro()
{
    desplaza(QStringLiteral("PRIMERO"));
}

void DataEntryWindow::BotonRegistroAnterior()
{
    desplaza(QStringLiteral("ANTERIOR"));
}

void DataEntryWindow::BotonRegistroSiguiente()
{
    desplaza(QStringLiteral("SIGUIENTE"));
}

void DataEntryWindow::BotonUltimoRegistro()
{
    desplaza(QStringLiteral("ULTIMO"));
}
