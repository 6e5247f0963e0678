#include "platform/printqueue/ctl_trabajos.h"

#include "platform/paths/paths.h"
#include "platform/printqueue/ticket_layout.h"
#include "platform/printqueue/ticket_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace {

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

} // namespace

QString CtlTrabajos::archivoTrabajo(qint32 trabajo)
{
    return QDir(paths::dataRoot()).filePath(QStringLiteral("tickets/%1.pdf").arg(trabajo));
}

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
        falla(QStringLiteral("El trabajo de impresión %1 no está abierto").arg(trabajo));
}

void CtlTrabajos::CerrarTrabajo(qint32 trabajo)
{
    const QString id = QString::number(trabajo);
    adodb::Recordset rs = m_conexion.execute(
        QStringLiteral("SELECT IFNULL(I.Nombre_Impresora,'') FROM ColaImpresion C LEFT JOIN Impresora I ON"
                       " I.ID_Impresora=C.ID_Impresora WHERE C.Cerrado=0 AND C.ID_Trabajo=")
        + id);
    if (rs.isNull() || rs.eof())
        falla(QStringLiteral("El trabajo de impresión %1 no está abierto").arg(trabajo));
    const QString nombre = rs.field(0).value().toString();
    QStringList piezas;
    for (adodb::Recordset p = m_conexion.execute(
             QStringLiteral("SELECT Texto FROM Detallecolaimpresion WHERE ID_Trabajo=") + id + QStringLiteral(" ORDER BY Linea"));
         !p.eof(); p.moveNext())
        piezas << p.field(0).value().toString();

    const QPrinterInfo sistema = nombre.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(nombre);
    std::unique_ptr<QPrinter> impresora;
    if (!sistema.isNull()) {
        impresora = std::make_unique<QPrinter>(sistema, QPrinter::HighResolution);
    } else {
        const QString archivo = archivoTrabajo(trabajo);
        if (!QDir().mkpath(QFileInfo(archivo).absolutePath()))
            falla(QStringLiteral("No se pudo crear la carpeta de los tickets: ") + QFileInfo(archivo).absolutePath());
        impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
        impresora->setOutputFormat(QPrinter::PdfFormat);
        impresora->setOutputFileName(archivo);
    }
    impresora->setDocName(QStringLiteral("Ticket %1").arg(trabajo));
    if (!ticketlayout::imprime(ticketlayout::compone(piezas), *impresora))
        falla(QStringLiteral("No se pudo imprimir el trabajo %1 en %2").arg(id, nombre.isEmpty() ? impresora->outputFileName() : nombre));
    m_conexion.execute(QStringLiteral("UPDATE ColaImpresion SET Cerrado=1 WHERE ID_Trabajo=") + id);
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
