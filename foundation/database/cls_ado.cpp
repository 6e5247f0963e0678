#include "foundation/database/cls_ado.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/ui/msgbox.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>

using adodb::ComError;

namespace {

std::unique_ptr<ClsAdo>& sharedGateway()
{
    static std::unique_ptr<ClsAdo> gateway;
    return gateway;
}

// The second fixed login, tried when the server refuses the first with its generic error.
const QString kUsuario2 = QStringLiteral("plimo");
const QString kContrasena2 = QStringLiteral("plonk6294");

} // namespace

ClsAdo& g_ClsAdo()
{
    if (!sharedGateway())
        sharedGateway() = std::make_unique<ClsAdo>();
    return *sharedGateway();
}

void g_ClsAdo_Reinicia()
{
    sharedGateway() = std::make_unique<ClsAdo>();
}

void ClsAdo::log(const QVariantList& valores)
{
    if (CClsBitacora)
        CClsBitacora->Manda_Log(valores);
}

bool ClsAdo::Registrando() const
{
    return CClsBitacora && (CClsBitacora->bArchivo || CClsBitacora->bMsgBox);
}

short ClsAdo::Recount() const
{
    return m_consulta.isOpen() ? short(m_consulta.recordCount()) : short(0);
}

bool ClsAdo::Conectar(const QString& PsNom_servidor, const QString& PsBase_de_datos, const QString& PsUID,
                      const QString& PsPasswd)
{
    m_conexion.setCommandTimeout(kEsperaBloqueo);
    const QString cadena = QStringLiteral("server=") + PsNom_servidor + QStringLiteral(";driver={SQL Server};database=")
                           + PsBase_de_datos;
    try {
        m_conexion.open(cadena, PsUID, PsPasswd);
        return true;
    } catch (const ComError& e) {
        if (e.number() != adodb::err::ProviderGeneric) {
            ManejaErrorBD(e);
            return false;
        }
    }
    for (int intento = 0; intento < kIntentosSegundoLogin; ++intento) {
        try {
            m_conexion.open(cadena, kUsuario2, kContrasena2);
            return true;
        } catch (const ComError& e) {
            if (e.number() != adodb::err::ProviderGeneric) {
                ManejaErrorBD(e);
                return false;
            }
        }
    }
    return false;
}

void ClsAdo::Cerrar()
{
    m_conexion.close();
}

bool ClsAdo::Alta(const QString& PsTabla, const QString& PsCampos, const QString& PsValores)
{
    try {
        m_conexion.execute(QStringLiteral("INSERT INTO ") + PsTabla + QStringLiteral(" (") + PsCampos
                           + QStringLiteral(") VALUES (") + PsValores + QStringLiteral(")"));
    } catch (const ComError&) {
        return false;
    }
    log({QStringLiteral("Valor insertado en "), PsTabla, QStringLiteral(" campos: "), PsCampos,
        QStringLiteral(" valores: "), PsValores});
    return true;
}

bool ClsAdo::Modificar(adodb::Recordset& PrdrConsulta, const QString& PsTabla, const QString& PsActualizacion,
                       const QString& PsCondicion, bool PbReposicionar, long* PlFilas)
{
    try {
        long filas = 0;
        m_conexion.execute(QStringLiteral("UPDATE ") + PsTabla + QStringLiteral(" SET ") + PsActualizacion
                               + QStringLiteral(" WHERE ") + PsCondicion,
                           &filas);
        if (PlFilas)
            *PlFilas = filas;
        if (PbReposicionar) {
            if (PrdrConsulta.isNull())
                return false;
            Reposiciona(PrdrConsulta);
        }
    } catch (const ComError&) {
        return false;
    }
    log({QStringLiteral("Modificacion en "), PsTabla, QStringLiteral(" Valor: "), PsActualizacion});
    return true;
}

void ClsAdo::Reposiciona(adodb::Recordset& PrdrConsulta)
{
    // Bookmarks are positions: after the requery the row is found again by its key.
    const QStringList llaves = PrdrConsulta.isOpen() ? PrdrConsulta.keyFields() : QStringList();
    const bool enFila = PrdrConsulta.isOpen() && !PrdrConsulta.bof() && !PrdrConsulta.eof();
    QVariantList valores;
    for (const QString& llave : llaves)
        valores << (enFila ? PrdrConsulta.value(llave) : QVariant());
    const QVariant marca = enFila ? PrdrConsulta.bookmark() : QVariant();
    PrdrConsulta.requery();
    if (!enFila)
        return;
    if (llaves.isEmpty()) {
        PrdrConsulta.setBookmark(marca);
        return;
    }
    QList<int> columnas;
    const QStringList nombres = PrdrConsulta.fieldNames();
    for (const QString& llave : llaves)
        columnas << nombres.indexOf(llave);
    for (int fila = 0; fila < PrdrConsulta.recordCount(); ++fila) {
        bool igual = true;
        for (int i = 0; i < columnas.size() && igual; ++i)
            igual = PrdrConsulta.cell(fila, columnas[i]) == valores[i];
        if (igual) {
            PrdrConsulta.setAbsolutePosition(fila + 1);
            return;
        }
    }
    // The row is gone: off the rows, never on another one.
    if (PrdrConsulta.recordCount() > 0) {
        PrdrConsulta.moveLast();
        PrdrConsulta.moveNext();
    }
}

bool ClsAdo::Borrar(adodb::Recordset& PrdrConsulta, const QString& PsTabla, const QVariant& PsMensaje,
                    const QString& PsCondicion, bool PbPosicionar)
{
    if (PsMensaje.isValid() && !PsMensaje.isNull()) {
        if (ui::msgBox(QStringLiteral("¿Esta seguro de borrar ") + PsMensaje.toString(), ui::YesNo | ui::Question,
                       CpsTitulo) == ui::No)
            return false;
    }
    try {
        QString sql = QStringLiteral("DELETE FROM ") + PsTabla;
        if (!PsCondicion.isEmpty())
            sql += QStringLiteral(" WHERE ") + PsCondicion;
        m_conexion.execute(sql);
        log({QStringLiteral("Valor borrado en "), PsTabla, QStringLiteral(" condicion: "), PsCondicion});
        if (PbPosicionar) {
            if (PrdrConsulta.isNull())
                throw ComError(adodb::err::ObjectClosed, QStringLiteral("No se permite la operación si el objeto está cerrado."));
            PrdrConsulta.requery();
        }
        return true;
    } catch (const ComError& e) {
        ManejaErrorBD(e);
        return false;
    }
}

bool ClsAdo::Establece_consulta(adodb::Recordset& PrdrVariable, const QString& PsConsulta, int, int, int)
{
    PrdrVariable = adodb::Recordset::create();
    try {
        PrdrVariable.openQuery(m_conexion, PsConsulta);
        return PrdrVariable.isOpen();
    } catch (const ComError&) {
        return false;
    }
}

bool ClsAdo::Desplazar(adodb::Recordset& PrdrVariable, const QString& PsDireccion, int* PlnPosicion)
{
    const QString direccion = PsDireccion.toUpper();
    try {
        if (PrdrVariable.isNull())
            throw ComError(adodb::err::ObjectClosed, QStringLiteral("No se permite la operación si el objeto está cerrado."));
        if (direccion == QLatin1String("SIGUIENTE")) {
            PrdrVariable.moveNext();
            if (PlnPosicion) ++*PlnPosicion;
            if (PrdrVariable.eof()) {
                ui::msgBox(QStringLiteral("No hay mas registros"), ui::Information, QString());
                PrdrVariable.moveLast();
            }
        } else if (direccion == QLatin1String("ANTERIOR")) {
            PrdrVariable.movePrevious();
            if (PlnPosicion) --*PlnPosicion;
            if (PrdrVariable.bof()) {
                ui::msgBox(QStringLiteral("No hay mas registros"), ui::Information, QString());
                PrdrVariable.moveFirst();
            }
        } else if (direccion == QLatin1String("PRIMERO")) {
            PrdrVariable.moveFirst();
            if (PlnPosicion) *PlnPosicion = 1;
        } else if (direccion == QLatin1String("ULTIMO")) {
            PrdrVariable.moveLast();
            if (PlnPosicion) *PlnPosicion = PrdrVariable.recordCount();
        } else {
            throw ComError(1, QStringLiteral("No existe ese desplazamiento"), QStringLiteral("ClsRdo"));
        }
        return true;
    } catch (const ComError& e) {
        ManejaErrorBD(e);
        return false;
    }
}

QVariant ClsAdo::dbExecStored(const QString& PwQuery, bool Par, adodb::Recordset* PAdoRecordset, bool PbDevolver)
{
    // Lets the window repaint before a long procedure, but no click or key may start a second
    // command in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString texto = PwQuery.trimmed();
    if (texto.left(4).toUpper() != QLatin1String("EXEC"))
        return 1;
    log({PwQuery});
    adodb::Recordset resultado;
    try {
        resultado = m_conexion.execute(texto);
    } catch (const ComError& e) {
        ManejaErrorBD(e);
        m_conexion.errors().clear();
        return -1;
    }
    if (!Par)
        return 1;
    if (PbDevolver) {
        if (PAdoRecordset)
            *PAdoRecordset = resultado;
        return QVariant();
    }
    if (resultado.isNull() || !resultado.isOpen() || resultado.recordCount() == 0 || resultado.fieldCount() == 0)
        return QVariant();
    return resultado.cell(0, 0);
}

void ClsAdo::Inicia_Transaccion()
{
    try { m_conexion.beginTrans(); } catch (const ComError&) {}
}

void ClsAdo::Termina_Transaccion()
{
    try { m_conexion.commitTrans(); } catch (const ComError&) {}
}

void ClsAdo::Cancela_Transaccion()
{
    try { m_conexion.rollbackTrans(); } catch (const ComError&) {}
}

bool ClsAdo::ActualizaADO(adodb::Recordset& PAdo, bool PbNuevo, bool PbBorrar)
{
    try {
        if (PbBorrar) {
            PAdo.deleteCurrent();
            PAdo.movePrevious();
            if (PAdo.bof()) {
                PAdo.requery();
                if (PAdo.recordCount() > 0)
                    PAdo.moveFirst();
            }
        } else if (PbNuevo) {
            PAdo.moveLast();
        } else {
            PAdo.moveNext();
            PAdo.movePrevious();
        }
        return true;
    } catch (const ComError& e) {
        if (PAdo.isOpen() && PAdo.recordCount() == 0) {
            // Nothing left to move over: save what is pending directly, and report its failure
            // like any other.
            try {
                PAdo.update();
                return true;
            } catch (const ComError& e2) {
                ManejaErrorBD(e2);
                return false;
            }
        }
        if (PbBorrar && PAdo.isOpen())
            PAdo.cancelUpdate();
        ManejaErrorBD(e);
        return false;
    }
}
