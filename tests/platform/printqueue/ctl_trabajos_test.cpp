#include "platform/printqueue/abandoned_jobs.h"
#include "platform/printqueue/ctl_trabajos.h"
#include "platform/printqueue/ticket_files.h"

#include "tests/support/central_db.h"
#include "tests/support/scripted_print_system.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using printsystem::Fate;
using printsystem::QueueState;

namespace {

class Cola : public CentralDbFixture {
protected:
    void SetUp() override
    {
        CentralDbFixture::SetUp();
        db.execute(QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Vereduda) VALUES (1, 'CAJA', 1);"
                                  "INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, ID_Terminal, Redirigido, EsDeCheques)"
                                  " VALUES (1, 'TICKETS', 1, 1, 1);"
                                  "CREATE TABLE Cuenta_Prueba (Impresiones INTEGER);"
                                  "INSERT INTO Cuenta_Prueba VALUES (0);"));
    }
    QStringList piezas(qint32 trabajo)
    {
        QStringList out;
        for (adodb::Recordset rs = db.execute(
                 QStringLiteral("SELECT Linea || ':' || Texto FROM Detallecolaimpresion WHERE ID_Trabajo=%1 ORDER BY Linea").arg(trabajo));
             !rs.eof(); rs.moveNext())
            out << rs.field(0).value().toString();
        return out;
    }
    // A job of two pieces, open.
    qint32 trabajoAbierto(CtlTrabajos& cola)
    {
        const qint32 trabajo = cola.AbrirTrabajo(QStringLiteral("T"), 1, QStringLiteral("System"));
        cola.AgregarLinea(trabajo, QStringLiteral("<B>Folio: 7</B>"));
        cola.AgregarLinea(trabajo, QStringLiteral("O'Brien\r\n"));
        return trabajo;
    }
    // What the caller records with the closed job: a count in a table of its own.
    CtlTrabajos::Registro cuenta()
    {
        return {[this] { db.execute(QStringLiteral("UPDATE Cuenta_Prueba SET Impresiones=Impresiones+1")); },
                [this] { db.execute(QStringLiteral("UPDATE Cuenta_Prueba SET Impresiones=Impresiones-1")); }};
    }
    int impresiones() { return scalar(QStringLiteral("SELECT Impresiones FROM Cuenta_Prueba")).toInt(); }
    QString cerrado(qint32 trabajo)
    {
        return scalar(QStringLiteral("SELECT IFNULL((SELECT Cerrado FROM ColaImpresion WHERE ID_Trabajo=%1),'sin trabajo')").arg(trabajo)).toString();
    }
    QStringList archivos() { return QDir(ticketfiles::folder(db)).entryList(QDir::Files, QDir::Name); }

    ScriptedPrintSystem impresion;
};

TEST_F(Cola, AClosedJobIsRecordedWithTheCallersCountThenPrintedOnItsQueue)
{
    impresion.addQueue(QStringLiteral("TICKETS"));
    CtlTrabajos cola(db);
    const qint32 trabajo = trabajoAbierto(cola);
    EXPECT_EQ(piezas(trabajo), (QStringList{QStringLiteral("1:<B>Folio: 7</B>"), QStringLiteral("2:O'Brien\r\n")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Tipo || '|' || ID_Impresora || '|' || Usuario || '|' || Cerrado FROM ColaImpresion")).toString(),
              QStringLiteral("T|1|System|0"));
    cola.registraAlCerrar(cuenta());
    cola.CerrarTrabajo(trabajo);
    EXPECT_EQ(cerrado(trabajo), QStringLiteral("1"));
    EXPECT_EQ(impresiones(), 1);
    EXPECT_TRUE(cola.aviso().isEmpty());
    ASSERT_EQ(impresion.jobs.size(), 1);
    EXPECT_EQ(impresion.jobs.first().queue, QStringLiteral("TICKETS"));
    EXPECT_EQ(impresion.jobs.first().title, QStringLiteral("Ticket %1").arg(trabajo));
    EXPECT_TRUE(impresion.jobs.first().pdf.startsWith("%PDF"));
    EXPECT_TRUE(archivos().isEmpty());

    // A closed job takes no more pieces and does not close twice; the count went with the first
    // close only.
    EXPECT_THROW(cola.AgregarLinea(trabajo, QStringLiteral("tarde")), adodb::ComError);
    EXPECT_THROW(cola.CerrarTrabajo(trabajo), adodb::ComError);
    EXPECT_EQ(impresiones(), 1);
    EXPECT_EQ(impresion.jobs.size(), 1);
}

// What the print system answers decides whether the job stays recorded, and what is said.
TEST_F(Cola, EachAnswerOfThePrintSystemLeavesATruthfulRecord)
{
    struct Caso {
        const char* nombre;
        QueueState cola;
        printsystem::JobFate suerte;
        bool registrado;    // the job closed and counted
        bool entregado;     // handed to the print system
        QString mensaje;    // the failure's description, or the notice of a job that printed
    };
    const QueueState lista{QueueState::Answer::Ready, true, false, QString()};
    const QList<Caso> casos{
        {"impreso", lista, {Fate::Printed, 0, QString()}, true, true, QString()},
        {"en camino", lista, {Fate::Queued, 0, QString()}, true, true, QString()},
        {"detenida", lista, {Fate::Held, 0, QStringLiteral("sin papel")}, true, true,
         QStringLiteral("La impresora TICKETS está detenida: sin papel. El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.")},
        {"rechazado al entregarlo", lista, {Fate::Refused, 0, QStringLiteral("sin papel")}, false, true,
         QStringLiteral("La impresora TICKETS no aceptó el trabajo: sin papel")},
        {"sin respuesta al entregarlo", lista, {Fate::NoAnswer, 0, QString()}, false, true,
         QStringLiteral("El sistema de impresión no respondió en 5 segundos: no se pudo imprimir en la impresora TICKETS")},
        {"cola que no acepta", QueueState{QueueState::Answer::Ready, false, false, QStringLiteral("sin papel")},
         {Fate::Printed, 0, QString()}, false, false, QStringLiteral("La impresora TICKETS no acepta trabajos: sin papel")},
        {"servidor colgado", QueueState{QueueState::Answer::NoAnswer, true, false, QString()}, {Fate::Printed, 0, QString()},
         false, false, QStringLiteral("El sistema de impresión no respondió en 5 segundos: no se pudo imprimir en la impresora TICKETS")},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        impresion.queues.insert(QStringLiteral("TICKETS"), caso.cola);
        impresion.fate = caso.suerte;
        impresion.jobs.clear();
        const int antes = impresiones();
        CtlTrabajos cola(db);
        const qint32 trabajo = trabajoAbierto(cola);
        cola.registraAlCerrar(cuenta());
        QString fallo;
        try {
            cola.CerrarTrabajo(trabajo);
        } catch (const adodb::ComError& e) {
            fallo = e.description();
        }
        EXPECT_EQ(impresion.jobs.size(), caso.entregado ? 1 : 0);
        EXPECT_EQ(impresiones(), antes + (caso.registrado ? 1 : 0));
        if (caso.registrado) {
            EXPECT_EQ(cerrado(trabajo), QStringLiteral("1"));
            EXPECT_EQ(fallo, QString());
            EXPECT_EQ(cola.aviso(), caso.mensaje);
        } else {
            EXPECT_EQ(fallo, caso.mensaje);
            // Refused before anything was recorded the job is still open, for the caller to
            // cancel; refused after, its record is gone.
            EXPECT_EQ(cerrado(trabajo), caso.entregado ? QStringLiteral("sin trabajo") : QStringLiteral("0"));
            cola.CancelarTrabajo(trabajo);
            EXPECT_EQ(piezas(trabajo), QStringList());
        }
        EXPECT_FALSE(db.inTransaction());
    }
    EXPECT_TRUE(archivos().isEmpty());
}

TEST_F(Cola, ARecordTheDatabaseRefusesPrintsNothing)
{
    impresion.addQueue(QStringLiteral("TICKETS"));
    CtlTrabajos cola(db);
    const qint32 trabajo = trabajoAbierto(cola);
    cola.registraAlCerrar({[this] { db.execute(QStringLiteral("UPDATE Tabla_Que_No_Existe SET x=1")); }, {}});
    EXPECT_THROW(cola.CerrarTrabajo(trabajo), adodb::ComError);
    EXPECT_TRUE(impresion.jobs.isEmpty());
    EXPECT_EQ(cerrado(trabajo), QStringLiteral("0"));
    EXPECT_FALSE(db.inTransaction());
}

TEST_F(Cola, WithoutASystemQueueTheTicketIsWrittenToAFileAndSaidWhere)
{
    // No queue of the printer's name, then no print system at all: both write the file and say so.
    CtlTrabajos cola(db);
    const qint32 primero = trabajoAbierto(cola);
    cola.registraAlCerrar(cuenta());
    cola.CerrarTrabajo(primero);
    const QString archivo = QDir(ticketfiles::folder(db)).filePath(QStringLiteral("%1.pdf").arg(primero));
    EXPECT_EQ(cola.aviso(), QStringLiteral("No hay una impresora del sistema llamada TICKETS: el ticket se guardó en ") + archivo);
    EXPECT_TRUE(archivo.startsWith(root.path() + QStringLiteral("/tickets/central/")));
    QFile pdf(archivo);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_EQ(impresiones(), 1);
    EXPECT_EQ(cerrado(primero), QStringLiteral("1"));

    impresion.queues.insert(QStringLiteral("TICKETS"), QueueState{QueueState::Answer::NoPrintSystem, true, false, QString()});
    const qint32 segundo = trabajoAbierto(cola);
    cola.CerrarTrabajo(segundo);
    EXPECT_TRUE(cola.aviso().startsWith(QStringLiteral("No hay un sistema de impresión en este equipo para la impresora TICKETS: "
                                                       "el ticket se guardó en ")))
        << cola.aviso().toStdString();
    EXPECT_TRUE(cola.aviso().endsWith(QStringLiteral("/%1.pdf").arg(segundo)));
    EXPECT_TRUE(impresion.jobs.isEmpty());
}

TEST_F(Cola, TicketFilesOfTwoDatabasesNeverReplaceEachOther)
{
    // A second database in the same data root numbers its jobs from 1 as well.
    testsupport::createCentralDb(root.path(), QStringLiteral("sucursal"));
    adodb::Connection otra;
    otra.open(testsupport::centralConnectionString(QStringLiteral("sucursal")));
    otra.execute(QStringLiteral("INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, EsDeCheques) VALUES (1, 'TICKETS', 1)"));
    CtlTrabajos central(db);
    CtlTrabajos sucursal(otra);
    const qint32 a = trabajoAbierto(central);
    const qint32 b = sucursal.AbrirTrabajo(QStringLiteral("T"), 1, QStringLiteral("System"));
    sucursal.AgregarLinea(b, QStringLiteral("SUCURSAL"));
    ASSERT_EQ(a, b);
    central.CerrarTrabajo(a);
    sucursal.CerrarTrabajo(b);
    EXPECT_NE(central.aviso().section(QStringLiteral("se guardó en "), 1), sucursal.aviso().section(QStringLiteral("se guardó en "), 1));
    EXPECT_EQ(archivos(), QStringList{QStringLiteral("%1.pdf").arg(a)});
    EXPECT_EQ(QDir(ticketfiles::folder(otra)).entryList(QDir::Files), QStringList{QStringLiteral("%1.pdf").arg(b)});

    // A file already there under the job's name (a database made again, its numbers restarted) is kept.
    QFile viejo(QDir(ticketfiles::folder(db)).filePath(QStringLiteral("%1.pdf").arg(a + 1)));
    ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
    viejo.write("guardado");
    viejo.close();
    const qint32 c = trabajoAbierto(central);
    ASSERT_EQ(c, a + 1);
    central.CerrarTrabajo(c);
    EXPECT_TRUE(central.aviso().endsWith(QStringLiteral("/%1-2.pdf").arg(c))) << central.aviso().toStdString();
    ASSERT_TRUE(viejo.open(QIODevice::ReadOnly));
    EXPECT_EQ(viejo.readAll(), QByteArray("guardado"));
}

TEST_F(Cola, ACancelledJobLeavesNothing)
{
    CtlTrabajos cola(db);
    const qint32 guardado = cola.AbrirTrabajo(QStringLiteral("T"), 1, QStringLiteral("System"));
    cola.AgregarLinea(guardado, QStringLiteral("queda"));
    const qint32 trabajo = cola.AbrirTrabajo(QStringLiteral("T"), 1, QStringLiteral("System"));
    EXPECT_NE(trabajo, guardado);
    cola.AgregarLinea(trabajo, QStringLiteral("uno"));
    cola.CancelarTrabajo(trabajo);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ColaImpresion")).toInt(), 1);
    EXPECT_EQ(piezas(trabajo), QStringList());
    EXPECT_EQ(piezas(guardado), QStringList{QStringLiteral("1:queda")});
    EXPECT_THROW(cola.CerrarTrabajo(trabajo), adodb::ComError);
    EXPECT_TRUE(archivos().isEmpty());
    EXPECT_TRUE(impresion.asked.isEmpty());
}

TEST_F(Cola, JobsLeftOpenByAProgramThatEndedAreCleanedUpAtStart)
{
    impresion.addQueue(QStringLiteral("TICKETS"));
    CtlTrabajos cola(db);
    const qint32 impreso = trabajoAbierto(cola);
    cola.CerrarTrabajo(impreso);
    const qint32 reciente = trabajoAbierto(cola);
    const qint32 viejo = trabajoAbierto(cola);
    db.execute(QStringLiteral("UPDATE ColaImpresion SET Fecha=datetime('now','localtime','-1 hour') WHERE ID_Trabajo=%1").arg(viejo));

    // Another program of this data root is running: it may be filling the recent job right now.
    {
        const int otro = ::open(QFile::encodeName(root.filePath(QStringLiteral("cola_impresion.lock"))).constData(),
                                O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_GE(otro, 0);
        ASSERT_EQ(::flock(otro, LOCK_SH), 0);
        EXPECT_EQ(abandonedjobs::cleanUp(db), 1);
        ::close(otro);
    }
    EXPECT_EQ(cerrado(viejo), QStringLiteral("sin trabajo"));
    EXPECT_EQ(piezas(viejo), QStringList());
    EXPECT_EQ(cerrado(reciente), QStringLiteral("0"));

    // Alone, every open job is one that nobody is filling.
    EXPECT_EQ(abandonedjobs::cleanUp(db), 1);
    EXPECT_EQ(cerrado(reciente), QStringLiteral("sin trabajo"));
    EXPECT_EQ(piezas(reciente), QStringList());
    EXPECT_EQ(cerrado(impreso), QStringLiteral("1"));
    EXPECT_EQ(piezas(impreso).size(), 2);
}

} // namespace
