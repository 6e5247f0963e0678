#include "foundation/database/cls_ado.h"
#include "foundation/database/transaction_guard.h"
#include "foundation/log/cls_bitacora.h"
#include "platform/ui/msgbox.h"
#include "../../platform/adodb/sample_db.h"

#include <QFile>

#include <functional>

using namespace adodb;

class Gateway : public SampleDb {
protected:
    void SetUp() override
    {
        SampleDb::SetUp();
        g_ClsAdo_Reinicia();
        // As the login configures it: lines are composed and dropped.
        bitacora.inciar_log({.PCrearArchivo = false, .Parchivo = false, .PMsgBox = false});
        ado().CClsBitacora = &bitacora;
        ASSERT_TRUE(ado().Conectar(QStringLiteral("."), QStringLiteral("central"), QStringLiteral("vypjv_ok"), QStringLiteral("x")));
        ado().CpsMen_LLave_Repetida = QStringLiteral("Ya existe el nombre del departamento");
        ado().CpsTitulo = QStringLiteral("Departamentos");
    }
    ClsAdo& ado() { return g_ClsAdo(); }
    Recordset open(const QString& sql)
    {
        Recordset rs;
        EXPECT_TRUE(ado().Establece_consulta(rs, sql));
        return rs;
    }
    // Every line goes to a file and no box shows it.
    void logToFile()
    {
        bitacora.inciar_log({.PArchivoLog = root.filePath(QStringLiteral("actividad.log")), .PCrearArchivo = false,
                             .Parchivo = true, .PMsgBox = false});
    }
    QStringList logLines()
    {
        QFile f(root.filePath(QStringLiteral("actividad.log")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    ClsBitacora bitacora;
    ui::ScriptedAnswerer boxes;
};

TEST_F(Gateway, NewRowIsSavedByMovingLastAndCancelLeavesTheTable)
{
    Recordset rs = open(QStringLiteral("SELECT * FROM Departamentos"));
    rs.addNew();
    rs.field(QStringLiteral("Nombre")).setValue(QStringLiteral("COCINA"));
    ASSERT_TRUE(ado().ActualizaADO(rs, true));
    EXPECT_EQ(rs.value(QStringLiteral("ID_Departamento")).toInt(), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos WHERE Nombre = 'COCINA'")), 1);

    rs.addNew();
    rs.field(QStringLiteral("Nombre")).setValue(QStringLiteral("BARRA"));
    rs.cancelUpdate();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Departamentos")), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Gateway, DuplicateKeyShowsTheWindowsTextAndCaption)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('COCINA')"));
    Recordset rs = open(QStringLiteral("SELECT * FROM Departamentos"));
    rs.addNew();
    rs.field(QStringLiteral("Nombre")).setValue(QStringLiteral("COCINA"));
    EXPECT_FALSE(ado().ActualizaADO(rs, true));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, QStringLiteral("Ya existe el nombre del departamento"));
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Departamentos"));
    EXPECT_EQ(boxes.boxes().first().icon(), int(ui::Exclamation));
    EXPECT_TRUE(ado().conexion().errors().isEmpty());  // the handler clears the list
}

TEST_F(Gateway, SilencedDuplicatesShowOnlyTheNamedIndexOnes)
{
    db.execute(QStringLiteral("INSERT INTO Departamentos (Nombre) VALUES ('COCINA'); INSERT INTO Terminal VALUES (1, 'CAJA')"));
    ado().CbNoMensaje = true;
    Recordset deps = open(QStringLiteral("SELECT * FROM Departamentos"));
    deps.addNew();
    deps.field(QStringLiteral("Nombre")).setValue(QStringLiteral("COCINA"));
    EXPECT_FALSE(ado().ActualizaADO(deps, true));  // 2627: silent
    EXPECT_TRUE(boxes.boxes().isEmpty());

    Recordset terms = open(QStringLiteral("SELECT * FROM Terminal"));
    terms.addNew();
    terms.field(QStringLiteral("ID_Terminal")).setValue(2);
    terms.field(QStringLiteral("Nombre")).setValue(QStringLiteral("CAJA"));
    EXPECT_FALSE(ado().ActualizaADO(terms, true));  // 2601: shown all the same
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre del departamento")});
}

TEST_F(Gateway, RefusedDeleteNamesTheTableInUse)
{
    Recordset rs = open(QStringLiteral("SELECT * FROM Grupo_Impresoras ORDER BY 1"));
    EXPECT_FALSE(ado().ActualizaADO(rs, false, true));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se puede borrar este registro por estar en uso en la tabla Producto")});
    EXPECT_EQ(boxes.boxes().first().icon(), int(ui::Critical));
    EXPECT_EQ(ado().CsError, QStringLiteral("Producto"));
    EXPECT_EQ(rs.recordCount(), 2);

    boxes.clear();
    ado().CbNoMensaje = true;
    EXPECT_FALSE(ado().Borrar(rs, QStringLiteral("Grupo_Impresoras"), QVariant(), QStringLiteral("ID_Grupo_Impresora = 1")));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(ado().CsError, QStringLiteral("Producto"));
}

TEST_F(Gateway, DeleteThroughTheRecordsetMovesToThePreviousRow)
{
    Recordset rs = open(QStringLiteral("SELECT * FROM Grupo_Impresoras ORDER BY 1"));
    rs.moveLast();
    ASSERT_TRUE(ado().ActualizaADO(rs, false, true));
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("COCINA"));
    db.execute(QStringLiteral("DELETE FROM Producto"));
    ASSERT_TRUE(ado().ActualizaADO(rs, false, true));  // the only row: requeried, empty
    EXPECT_EQ(rs.recordCount(), 0);
}

TEST_F(Gateway, DesplazarMovesAndTellsAtTheEdges)
{
    Recordset rs = open(QStringLiteral("SELECT * FROM Producto ORDER BY 1"));
    int posicion = 1;
    EXPECT_TRUE(ado().Desplazar(rs, QStringLiteral("siguiente"), &posicion));
    EXPECT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 11);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(ado().Desplazar(rs, QStringLiteral("SIGUIENTE"), &posicion));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No hay mas registros")});
    EXPECT_EQ(boxes.boxes().first().icon(), int(ui::Information));
    EXPECT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 11);  // stays on the last row
    EXPECT_TRUE(ado().Desplazar(rs, QStringLiteral("Primero"), &posicion));
    EXPECT_EQ(posicion, 1);
    EXPECT_TRUE(ado().Desplazar(rs, QStringLiteral("anterior"), &posicion));
    EXPECT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 10);
    EXPECT_TRUE(ado().Desplazar(rs, QStringLiteral("ULTIMO"), &posicion));
    EXPECT_EQ(posicion, 2);

    boxes.clear();
    EXPECT_FALSE(ado().Desplazar(rs, QStringLiteral("arriba")));
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("No existe ese desplazamiento")});
    EXPECT_EQ(boxes.boxes().first().icon(), 0);

    boxes.clear();
    Recordset vacio = open(QStringLiteral("SELECT * FROM Departamentos"));
    EXPECT_FALSE(ado().Desplazar(vacio, QStringLiteral("PRIMERO")));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("no hay registros")});
}

TEST_F(Gateway, DbExecStoredRunsOnlyExecTexts)
{
    logToFile();
    int llamadas = 0;
    Procedures::add(QStringLiteral("Cuenta_Llamadas"), [&](Connection&, const QVariantList&) {
        ++llamadas;
        return Recordset();
    });
    EXPECT_EQ(ado().dbExecStored(QStringLiteral("SELECT 1")).toInt(), 1);
    EXPECT_TRUE(logLines().isEmpty());
    EXPECT_EQ(ado().dbExecStored(QStringLiteral("exec Cuenta_Llamadas '010106',1")).toInt(), 1);
    EXPECT_EQ(llamadas, 1);
    ASSERT_EQ(logLines().size(), 1);
    EXPECT_TRUE(logLines().first().endsWith(QStringLiteral("\texec Cuenta_Llamadas '010106',1\t")));

    EXPECT_EQ(ado().dbExecStored(QStringLiteral("EXEC No_Existe")).toInt(), -1);
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(ado().conexion().errors().isEmpty());

    Procedures::add(QStringLiteral("Devuelve"), [](Connection& c, const QVariantList&) {
        return c.execute(QStringLiteral("SELECT 42, 'x'"));
    });
    EXPECT_EQ(ado().dbExecStored(QStringLiteral("EXEC Devuelve"), true).toInt(), 42);
    Recordset rs;
    EXPECT_TRUE(ado().dbExecStored(QStringLiteral("EXEC Devuelve"), true, &rs, true).isNull());
    EXPECT_EQ(rs.field(1).text(), QStringLiteral("x"));
}

TEST_F(Gateway, SilentOperationsReportOnlyByTheirResult)
{
    logToFile();
    EXPECT_TRUE(ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'CAJA'")));
    EXPECT_FALSE(ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("2,'CAJA'")));
    Recordset rs = open(QStringLiteral("SELECT * FROM Terminal"));
    EXPECT_FALSE(ado().Modificar(rs, QStringLiteral("Terminal"), QStringLiteral("Nombre = NoHay"), QStringLiteral("ID_Terminal = 1")));
    Recordset mala;
    EXPECT_FALSE(ado().Establece_consulta(mala, QStringLiteral("SELECT * FROM NoExiste")));
    EXPECT_FALSE(mala.isNull());
    EXPECT_FALSE(mala.isOpen());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("Valor insertado en \tTerminal\t campos: \tID_Terminal,Nombre\t valores: \t1,'CAJA'\t")));
}

TEST_F(Gateway, ModificarRefreshesTheCallersRowInPlace)
{
    Recordset rs = open(QStringLiteral("SELECT * FROM Producto ORDER BY 1"));
    rs.moveNext();
    ASSERT_TRUE(ado().Modificar(rs, QStringLiteral("Producto"), QStringLiteral("Nombre = 'TÉ NEGRO'"), QStringLiteral("ID_Producto = 11")));
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("TÉ NEGRO"));
}

TEST_F(Gateway, BorrarAsksWhenGivenAMessageAndDeletesEverythingWithoutCondition)
{
    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (1, 'A'), (2, 'B')"));
    Recordset rs = open(QStringLiteral("SELECT * FROM Terminal"));
    boxes.answer(ui::No);
    EXPECT_FALSE(ado().Borrar(rs, QStringLiteral("Terminal"), QStringLiteral("la terminal?")));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar la terminal?")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 2);
    EXPECT_TRUE(ado().Borrar(rs, QStringLiteral("Terminal")));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 0);
    EXPECT_EQ(rs.recordCount(), 0);  // requeried
}

TEST_F(Gateway, ConectarGivesUpQuietlyOnAMissingDatabase)
{
    ClsAdo otro;
    EXPECT_FALSE(otro.Conectar(QStringLiteral("(local)"), QStringLiteral("no_existe"), QStringLiteral("vypjv_ok"), QString()));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("no_existe.db"))));
}

TEST_F(Gateway, TransactionsIgnoreTheirOwnFailures)
{
    ado().Termina_Transaccion();  // nothing open: ignored
    ado().Inicia_Transaccion();
    EXPECT_TRUE(ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'A'")));
    ado().Cancela_Transaccion();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")), 0);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(Gateway, ModificarComesBackOnTheSameRowWhenItsPlaceChanges)
{
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre) VALUES (12, 'Agua')"));
    Recordset rs = open(QStringLiteral("SELECT * FROM Producto ORDER BY Nombre"));
    ASSERT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 12);
    ASSERT_TRUE(ado().Modificar(rs, QStringLiteral("Producto"), QStringLiteral("Nombre = 'Zarzamora'"),
                                QStringLiteral("ID_Producto = 12")));
    EXPECT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 12);
    EXPECT_EQ(rs.value(QStringLiteral("Nombre")).toString(), QStringLiteral("Zarzamora"));

    // Deleted meanwhile: off the rows, never on another one.
    rs.moveFirst();
    db.execute(QStringLiteral("DELETE FROM Producto WHERE ID_Producto = 10"));
    ASSERT_EQ(rs.value(QStringLiteral("ID_Producto")).toInt(), 10);
    long filas = -1;
    ASSERT_TRUE(ado().Modificar(rs, QStringLiteral("Producto"), QStringLiteral("Nombre = 'X'"),
                                QStringLiteral("ID_Producto = 10"), true, &filas));
    EXPECT_EQ(filas, 0);
    EXPECT_TRUE(rs.eof());
}

TEST_F(Gateway, AFileThatCannotBeWrittenSaysWhyNotThatTheConnectionWasLost)
{
    // Connected as the login connects: a wait for another writer is bounded, never a day long.
    EXPECT_LE(ado().conexion().commandTimeout(), 60);
    const long paginas = scalar(QStringLiteral("PRAGMA page_count"));
    Connection otroProceso;
    otroProceso.openFile(root.filePath(QStringLiteral("central.db")));
    struct Caso {
        QString cuando;
        std::function<void()> prepara;
        QString texto;
    };
    const Caso casos[] = {
        {QStringLiteral("solo lectura"), [&] { ado().conexion().execute(QStringLiteral("PRAGMA query_only=1")); },
         QStringLiteral("La base de datos no se puede escribir: es de solo lectura")},
        {QStringLiteral("disco lleno"),
         [&] { ado().conexion().execute(QStringLiteral("PRAGMA max_page_count=%1").arg(paginas)); },
         QStringLiteral("El disco está lleno: no se pudo escribir en la base de datos")},
        {QStringLiteral("en uso"),
         [&] {
             ado().conexion().setCommandTimeout(1);
             otroProceso.execute(QStringLiteral("BEGIN IMMEDIATE"));
         },
         QStringLiteral("La base de datos está en uso por otro proceso; inténtelo más tarde.")},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.cuando.toStdString());
        caso.prepara();
        boxes.clear();
        EXPECT_FALSE(ado().Alta(QStringLiteral("Producto"), QStringLiteral("ID_Producto,Nombre"),
                                QStringLiteral("20, hex(randomblob(200000))")));
        ado().Reporta_Error();
        EXPECT_EQ(boxes.texts(), QStringList{caso.texto});
        ASSERT_FALSE(boxes.boxes().isEmpty());
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
        EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Departamentos"));
        ado().conexion().execute(QStringLiteral("PRAGMA query_only=0"));
        if (otroProceso.inTransaction())
            otroProceso.rollbackTrans();
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Producto WHERE ID_Producto = 20")), 0);
}

TEST_F(Gateway, TheTransactionGuardRollsBackUnlessItsCommitSucceeded)
{
    const auto terminales = [this] { return scalar(QStringLiteral("SELECT COUNT(*) FROM Terminal")); };
    {
        TransactionGuard transaccion;
        EXPECT_TRUE(ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'A'")));
    }
    EXPECT_EQ(terminales(), 0);
    EXPECT_FALSE(ado().conexion().inTransaction());

    try {
        TransactionGuard transaccion;
        ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'A'"));
        throw ComError(5, QStringLiteral("falla"));
    } catch (const ComError&) {
    }
    EXPECT_EQ(terminales(), 0);
    EXPECT_FALSE(ado().conexion().inTransaction());

    // A reference checked only at the commit: the commit is refused and everything undone.
    db.execute(QStringLiteral("CREATE TABLE Hijo (ID_Terminal INTEGER REFERENCES Terminal(ID_Terminal) "
                              "DEFERRABLE INITIALLY DEFERRED)"));
    {
        TransactionGuard transaccion;
        ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'A'"));
        ado().Alta(QStringLiteral("Hijo"), QStringLiteral("ID_Terminal"), QStringLiteral("99"));
        EXPECT_FALSE(transaccion.commit());
        EXPECT_FALSE(transaccion.error().isEmpty());
    }
    EXPECT_FALSE(ado().conexion().inTransaction());
    EXPECT_EQ(terminales(), 0);

    TransactionGuard transaccion;
    ado().Alta(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal,Nombre"), QStringLiteral("1,'A'"));
    EXPECT_TRUE(transaccion.commit());
    EXPECT_EQ(terminales(), 1);
}
