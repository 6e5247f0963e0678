#include "platform/printqueue/ctl_trabajos.h"

#include "platform/printqueue/ticket_files.h"
#include "platform/printqueue/ticket_layout.h"
#include "platform/printqueue/ticket_printer.h"
#include "platform/printsystem/print_system.h"
#include "platform/printsystem/printer_options.h"
#include "platform/ui/wait_cursor.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QStringList>
#include <QTemporaryDir>

namespace {

struct Trabajo {
    QString impresora;
    QStringList piezas;
    printsystem::Options opciones;  // for the paper the ticket was laid out on
};

// Where a closed job prints: the print system's queue, or a file when there is no queue to take it.
struct Destino {
    bool cola = false;
    QString porQueArchivo;  // why it goes to a file
};

QString comillas(const QString& texto)
{
    QString t = texto;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

[[noreturn]] void falla(const QString& descripcion)
{
    throw adodb::ComError(adodb::err::OperationNotAllowed, descripcion, QStringLiteral("CtlTrabajos"));
}

// Runs the work in one transaction: committed when it ends, rolled back when anything in it raises.
void enTransaccion(adodb::Connection& conexion, const std::function<void()>& trabajo)
{
    conexion.beginTrans();
    try {
        trabajo();
        conexion.commitTrans();
    } catch (...) {
        if (conexion.inTransaction())
            conexion.rollbackTrans();
        throw;
    }
}

QString noAbierto(qint32 trabajo)
{
    return QStringLiteral("El trabajo de impresión %1 no está abierto").arg(trabajo);
}

QString tituloTrabajo(qint32 trabajo)
{
    return QStringLiteral("Ticket %1").arg(trabajo);
}

// Asks the print system for the printer's queue; raises when the queue cannot take a job now.
Destino buscaDestino(const QString& impresora)
{
    Destino destino;
    if (impresora.isEmpty()) {
        destino.porQueArchivo = QStringLiteral("La impresora del ticket no tiene nombre");
        return destino;
    }
    printsystem::QueueState estado;
    {
        ui::WaitCursor reloj;
        estado = printsystem::printSystem().queue(impresora);
    }
    switch (estado.answer) {
    case printsystem::QueueState::Answer::Ready:
        if (!estado.accepting)
            falla(printsystem::queueText(impresora, estado));
        destino.cola = true;
        break;
    case printsystem::QueueState::Answer::Missing:
        destino.porQueArchivo = QStringLiteral("No hay una impresora del sistema llamada %1").arg(impresora);
        break;
    case printsystem::QueueState::Answer::NoPrintSystem:
        destino.porQueArchivo = QStringLiteral("No hay un sistema de impresión en este equipo para la impresora %1").arg(impresora);
        break;
    case printsystem::QueueState::Answer::NoAnswer:
        falla(printsystem::queueText(impresora, estado));
    }
    return destino;
}

// Lays the pieces out on the ticket's paper into a PDF file; returns the options the print
// system needs for that paper.
printsystem::Options dibuja(const QStringList& piezas, const QString& pdf, qint32 trabajo)
{
    bool escrito = false;
    QPageLayout papel;
    {
        QPdfWriter impresora(pdf);
        impresora.setTitle(tituloTrabajo(trabajo));
        escrito = ticketlayout::imprime(ticketlayout::compone(piezas), impresora);
        papel = impresora.pageLayout();
    }
    if (!escrito || QFileInfo(pdf).size() == 0)
        falla(QStringLiteral("No se pudo preparar el ticket del trabajo %1").arg(trabajo));
    return printsystem::optionsOf(papel);
}

Trabajo lee(adodb::Connection& conexion, qint32 trabajo)
{
    const QString id = QString::number(trabajo);
    adodb::Recordset rs = conexion.execute(
        QStringLiteral("SELECT IFNULL(I.Nombre_Impresora,'') FROM ColaImpresion C LEFT JOIN Impresora I ON"
                       " I.ID_Impresora=C.ID_Impresora WHERE C.Cerrado=0 AND C.ID_Trabajo=")
        + id);
    if (rs.isNull() || rs.eof())
        falla(noAbierto(trabajo));
    Trabajo leido;
    leido.impresora = rs.field(0).value().toString();
    for (adodb::Recordset p = conexion.execute(
             QStringLiteral("SELECT Texto FROM Detallecolaimpresion WHERE ID_Trabajo=") + id + QStringLiteral(" ORDER BY Linea"));
         !p.eof(); p.moveNext())
        leido.piezas << p.field(0).value().toString();
    return leido;
}

// Prints the laid-out ticket where it goes; returns what the user should know although it printed.
QString entrega(const adodb::Connection& conexion, qint32 trabajo, const Destino& destino, const QString& pdf,
                const Trabajo& leido)
{
    if (!destino.cola) {
        const QString archivo = ticketfiles::store(pdf, conexion, trabajo);
        if (archivo.isEmpty())
            falla(destino.porQueArchivo + QStringLiteral(", y el ticket no se pudo guardar en ") + ticketfiles::folder(conexion));
        return destino.porQueArchivo + QStringLiteral(": el ticket se guardó en ") + archivo;
    }
    printsystem::JobFate suerte;
    {
        ui::WaitCursor reloj;
        suerte = printsystem::printSystem().submit(leido.impresora, tituloTrabajo(trabajo), pdf, leido.opciones);
    }
    const QString texto = printsystem::fateText(leido.impresora, suerte);
    if (suerte.fate == printsystem::Fate::Refused || suerte.fate == printsystem::Fate::NoAnswer)
        falla(texto);
    return texto;
}

} // namespace

qint32 CtlTrabajos::AbrirTrabajo(const QString& tipo, double impresora, const QString& usuario)
{
    m_conexion.execute(QStringLiteral("INSERT INTO ColaImpresion (Tipo, ID_Impresora, Usuario, Fecha, Cerrado) VALUES (")
                       + comillas(tipo) + QLatin1Char(',') + QString::number(qint64(impresora)) + QLatin1Char(',')
                       + comillas(usuario) + QStringLiteral(",datetime('now','localtime'),0)"));
    return m_conexion.execute(QStringLiteral("SELECT last_insert_rowid()")).field(0).value().toInt();
}

void CtlTrabajos::AgregarLinea(qint32 trabajo, const QString& texto)
{
    const long filas = m_conexion.executeBound(
        QStringLiteral("INSERT INTO Detallecolaimpresion (ID_Trabajo, Linea, Texto) SELECT ID_Trabajo,"
                       " (SELECT IFNULL(MAX(Linea),0)+1 FROM Detallecolaimpresion WHERE ID_Trabajo=?1), ?2"
                       " FROM ColaImpresion WHERE Cerrado=0 AND ID_Trabajo=?1"),
        {trabajo, texto});
    if (filas != 1)
        falla(noAbierto(trabajo));
}

void CtlTrabajos::registra(qint32 trabajo, const Registro& registro)
{
    enTransaccion(m_conexion, [&] {
        long filas = 0;
        m_conexion.execute(QStringLiteral("UPDATE ColaImpresion SET Cerrado=1 WHERE Cerrado=0 AND ID_Trabajo=%1").arg(trabajo), &filas);
        if (filas != 1)
            falla(noAbierto(trabajo));
        if (registro.registra)
            registro.registra();
    });
}

void CtlTrabajos::deshace(qint32 trabajo, const Registro& registro)
{
    const QString id = QString::number(trabajo);
    enTransaccion(m_conexion, [&] {
        m_conexion.execute(QStringLiteral("DELETE FROM Detallecolaimpresion WHERE ID_Trabajo=") + id);
        m_conexion.execute(QStringLiteral("DELETE FROM ColaImpresion WHERE ID_Trabajo=") + id);
        if (registro.deshace)
            registro.deshace();
    });
}

void CtlTrabajos::CerrarTrabajo(qint32 trabajo)
{
    m_aviso.clear();
    const Registro registro = std::exchange(m_registro, Registro());
    Trabajo leido = lee(m_conexion, trabajo);
    const Destino destino = buscaDestino(leido.impresora);
    QTemporaryDir carpeta;
    if (!carpeta.isValid())
        falla(QStringLiteral("No se pudo preparar el ticket del trabajo %1").arg(trabajo));
    const QString pdf = carpeta.filePath(QStringLiteral("ticket.pdf"));
    leido.opciones = dibuja(leido.piezas, pdf, trabajo);
    registra(trabajo, registro);
    try {
        m_aviso = entrega(m_conexion, trabajo, destino, pdf, leido);
    } catch (const adodb::ComError& e) {
        try {
            deshace(trabajo, registro);
        } catch (const adodb::ComError& otro) {
            falla(e.description() + QStringLiteral(". No se pudo quitar el trabajo de la cola: ") + otro.description());
        }
        throw;
    }
}

void CtlTrabajos::CancelarTrabajo(qint32 trabajo)
{
    const QString id = QString::number(trabajo);
    try {
        m_conexion.execute(QStringLiteral("DELETE FROM Detallecolaimpresion WHERE ID_Trabajo=") + id);
        m_conexion.execute(QStringLiteral("DELETE FROM ColaImpresion WHERE ID_Trabajo=") + id);
    } catch (const adodb::ComError&) {
        // The job stays open, and an open job never prints.
    }
}
