#include "foundation/database/cls_ado.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/dlg_bar_sve.h"
#include "mainwindow/mdi_principal.h"
#include "mainwindow/utilities/comandos_script.h"
#include "mainwindow/utilities/frm_borrar_dia.h"
#include "mainwindow/utilities/frm_cat_estandariza.h"
#include "mainwindow/utilities/utilerias.h"
#include "schema/procedimientos.h"
#include "tests/foundation/forms/typing.h"
#include "tests/mainwindow/grid_user.h"
#include "tests/mainwindow/mainwindow_fixture.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

const QString kExito = QStringLiteral("El script se corrio con exito!");
const QStringList kTablasVenta{"Comanda", "Cuenta", "ProductosXCuenta", "Pago", "Cortesia", "ImpuestosXCuenta",
                               "Modificador"};

// The main window of an administrator who holds every right, with the utilities registered.
class Utilerias : public MainWindowDb {
protected:
    void SetUp() override
    {
        MainWindowDb::SetUp();
        addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
        join(1, 1);
        registraProcedimientos();
        registraUtilerias();
        openMain(1);
        ASSERT_TRUE(muestraActiva(main));
    }
    void TearDown() override
    {
        registraProcedimientos();
        MainWindowDb::TearDown();
    }

    void elige(const char* item) { main->menuItem(QLatin1String(item))->trigger(); }
    int cuenta(const QString& tabla) { return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).toInt(); }

    // Runs `enVentana` inside the script window that `abre` shows modally, then closes it.
    // False when no script window opened.
    bool conVentanaScript(const std::function<void()>& abre, const std::function<void(FrmCatEstandariza&)>& enVentana)
    {
        bool abierta = false;
        QTimer::singleShot(0, [&] {
            auto* ventana = qobject_cast<FrmCatEstandariza*>(QApplication::activeModalWidget());
            if (!ventana)
                return;
            abierta = true;
            enVentana(*ventana);
            ventana->CmdCerrar->click();
        });
        abre();
        QApplication::processEvents();  // a timer that found no window must not fire in a later test
        return abierta;
    }

    QString archivo(const QString& nombre, const QByteArray& contenido)
    {
        const QString ruta = QDir(root.path()).filePath(nombre);
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
        return ruta;
    }

    void ventas()
    {
        db.execute(QStringLiteral(
            "INSERT INTO Comanda (ID_Comanda, ID_Empleado, Fecha_Trabajo) VALUES (1, 1, '15032024'), (2, 1, '15032024');"
            "INSERT INTO Cuenta (ID_Comanda, Num_Cuenta, Total) VALUES (1, 1, 100), (2, 1, 50);"
            "INSERT INTO ProductosXCuenta (ID_ProductosXCuenta, ID_Comanda, Num_Cuenta, ID_Producto) VALUES (11, 1, 1, 5);"
            "INSERT INTO Pago (ID_Pago, ID_Comanda, Num_Cuenta, ID_Tipo_Pago, Monto_Pago) VALUES (1, 1, 1, 1, 100);"
            "INSERT INTO Cortesia (ID_ProductosXCuenta, ID_Tipo_Cortesia, Monto) VALUES (11, 1, 10);"
            "INSERT INTO ImpuestosXCuenta (ID_ProductosXCuenta, ID_Tipo_Impuesto, Monto_ImpuestosXCuenta) VALUES (11, 1, 16);"
            "INSERT INTO Modificador (ID_ProductosXCuenta, ID_Tipo_Modificador, Precio_Modificador) VALUES (11, 3, 0);"));
    }
    void colaImpresion()
    {
        db.execute(QStringLiteral("INSERT INTO ColaImpresion (Tipo, ID_Impresora) VALUES ('C', 1), ('T', 2);"
                                  "INSERT INTO Detallecolaimpresion VALUES (1, 1, 'una'), (1, 2, 'dos'), (2, 1, 'tres');"));
    }
    // Row counts of the tables that the day utilities must never touch.
    QList<int> catalogos()
    {
        QList<int> cuentas;
        for (const char* t : {"Permisos", "Funciones", "Grupo_Trabajo", "PermisosXGrupo_Trabajo", "Empleado",
                              "Parametros", "ColaImpresion"})
            cuentas << cuenta(QLatin1String(t));
        return cuentas;
    }
};

TEST_F(Utilerias, AScriptFileLoadsAsWrittenRunsAndShowsItsRows)
{
    const QString ruta = archivo(QStringLiteral("permisos.sql"),
                                 "-- Permisos del a\xf1o, en orden\r\nSELECT Nombre_Permiso, ID_Permiso FROM Permisos;\r\n");
    DlgBarSve pedido;
    DlgBarSve::setChooser([&](const DlgBarSve& dialogo) {
        pedido = dialogo;
        return ruta;
    });
    QString cargado, resultado;
    QStringList columnas;
    int filas = -1;
    QString primera;
    const bool abierta = conVentanaScript([&] { elige("mnuAbrirScript"); }, [&](FrmCatEstandariza& v) {
        cargado = v.txtScript->toPlainText();
        v.CmdEjecutar->click();
        resultado = v.txtResult->toPlainText();
        filas = v.sprResultados->rowCount();
        columnas = QStringList{v.sprResultados->text(0, 1), v.sprResultados->text(0, 2)};
        primera = v.sprResultados->text(1, 1) + QLatin1Char('|') + v.sprResultados->text(1, 2);
    });
    ASSERT_TRUE(abierta);
    EXPECT_EQ(pedido.DialogTitle, QStringLiteral("Abrir Script"));
    EXPECT_EQ(pedido.DefaultExt, QStringLiteral("sql"));
    EXPECT_EQ(pedido.Filter, QStringLiteral("*.sql"));
    EXPECT_EQ(cargado, QStringLiteral("-- Permisos del año, en orden\nSELECT Nombre_Permiso, ID_Permiso FROM Permisos;\n"));
    EXPECT_EQ(resultado, kExito);
    EXPECT_EQ(filas, 28);
    EXPECT_EQ(columnas, (QStringList{"Nombre_Permiso", "ID_Permiso"}));
    EXPECT_EQ(primera, QStringLiteral("OPERACION|1"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Utilerias, AScriptFileIsReadAsUtf8OrElseAsTheOldCodePage)
{
    db.execute(QStringLiteral("CREATE TABLE Nota (Texto TEXT)"));
    const struct {
        const char* caso;
        QByteArray contenido;
        QString texto;
    } casos[] = {
        {"UTF-8", "INSERT INTO Nota VALUES ('Men\xc3\xba \xe2\x82\xac')", QString::fromUtf8("Menú €")},
        {"UTF-8 con BOM", "\xef\xbb\xbfINSERT INTO Nota VALUES ('A\xc3\xb1o')", QString::fromUtf8("Año")},
        {"Windows-1252", "INSERT INTO Nota VALUES ('Men\xfa \x80')", QString::fromUtf8("Menú €")},
    };
    for (const auto& c : casos) {
        db.execute(QStringLiteral("DELETE FROM Nota"));
        const QString ruta = archivo(QStringLiteral("nota.sql"), c.contenido);
        QString cargado;
        ASSERT_TRUE(conVentanaScript([&] { CargaScript(ruta); }, [&](FrmCatEstandariza& v) {
            cargado = v.txtScript->toPlainText();
            v.CmdEjecutar->click();
        })) << c.caso;
        EXPECT_EQ(cargado, QStringLiteral("INSERT INTO Nota VALUES ('") + c.texto + QStringLiteral("')")) << c.caso;
        EXPECT_EQ(scalar(QStringLiteral("SELECT Texto FROM Nota")).toString(), c.texto) << c.caso;
    }
}

TEST_F(Utilerias, ARunIsJudgedByItsOwnErrorsAndRunsEveryStatement)
{
    // An error left on the connection by an earlier statement is not this run's.
    adodb::Recordset viejo;
    ASSERT_FALSE(g_ClsAdo().Establece_consulta(viejo, QStringLiteral("SELECT * FROM NoExiste")));
    ASSERT_FALSE(g_ClsAdo().conexion().errors().isEmpty());

    struct Corrida {
        QString resultado;
        int filas = -1;
    };
    QList<Corrida> corridas;
    const auto corre = [&](FrmCatEstandariza& v, const QString& texto) {
        v.txtScript->setPlainText(texto);
        v.CmdEjecutar->click();
        corridas.append({v.txtResult->toPlainText(), v.sprResultados->rowCount()});
    };
    ASSERT_TRUE(conVentanaScript([&] { elige("mnuEjecutar"); }, [&](FrmCatEstandariza& v) {
        EXPECT_TRUE(v.txtScript->toPlainText().isEmpty());
        EXPECT_TRUE(v.txtResult->toPlainText().isEmpty());
        EXPECT_EQ(v.sprResultados->rowCount(), 0);
        corre(v, QStringLiteral("SELECT Nombre FROM Funciones"));
        corre(v, QStringLiteral("SELEC Nombre FROM Funciones"));
        corre(v, QStringLiteral("UPDATE Funciones SET Estado=1 WHERE Id_Funcion=10"));
        corre(v, QStringLiteral("UPDATE Funciones SET Estado=1 WHERE Id_Funcion=13;\nSELECT * FROM Funciones WHERE Estado=1;"));
        corre(v, QStringLiteral("UPDATE Funciones SET Estado=1 WHERE Id_Funcion=16; SELECT * FROM NoExiste"));
    }));
    ASSERT_EQ(corridas.size(), 5);
    EXPECT_EQ(corridas[0].resultado, kExito);
    EXPECT_EQ(corridas[0].filas, 3);
    // A failure shows the error, after a line break, and clears the grid.
    EXPECT_TRUE(corridas[1].resultado.startsWith(QStringLiteral("\nSintaxis incorrecta"))) << corridas[1].resultado.toStdString();
    EXPECT_FALSE(corridas[1].resultado.contains(QStringLiteral("NoExiste")));
    EXPECT_EQ(corridas[1].filas, 0);
    EXPECT_EQ(corridas[2].resultado, kExito);
    EXPECT_EQ(corridas[2].filas, 0);
    EXPECT_EQ(corridas[3].resultado, kExito);
    EXPECT_EQ(corridas[3].filas, 2);
    // What ran before the failing statement stays done.
    EXPECT_EQ(corridas[4].resultado, QStringLiteral("\nEl nombre de objeto no es válido: NoExiste"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT SUM(Estado) FROM Funciones")).toInt(), 3);

    // A failure that leaves the error list empty is still a failure.
    QString sinConexion;
    ASSERT_TRUE(conVentanaScript([&] { elige("mnuEjecutar"); }, [&](FrmCatEstandariza& v) {
        g_ClsAdo().conexion().close();
        v.txtScript->setPlainText(QStringLiteral("SELECT 1"));
        v.CmdEjecutar->click();
        sinConexion = v.txtResult->toPlainText();
    }));
    EXPECT_EQ(sinConexion, QStringLiteral("\nLa conexión no está abierta."));
}

TEST_F(Utilerias, TheScriptWindowsDesignAndItsFreshStartOnEveryOpening)
{
    ASSERT_TRUE(conVentanaScript([&] { elige("mnuEjecutar"); }, [&](FrmCatEstandariza& v) {
        EXPECT_EQ(v.windowTitle(), QStringLiteral("Ejecutar Script"));
        EXPECT_EQ(v.Frame1->title(), QStringLiteral("Consulta:"));
        EXPECT_EQ(v.CmdEjecutar->text(), QStringLiteral("&Ejecutar"));
        EXPECT_TRUE(v.CmdEjecutar->isDefault());
        EXPECT_EQ(v.CmdCerrar->text(), QStringLiteral("&Cerrar"));
        for (const char* nombre : {"txtScript", "CmdEjecutar", "CmdCerrar", "txtResult", "sprResultados"})
            EXPECT_NE(v.findChild<QWidget*>(QLatin1String(nombre)), nullptr) << nombre;
        v.txtScript->setPlainText(QStringLiteral("SELECT 1"));
        v.CmdEjecutar->click();
    }));
    ASSERT_TRUE(conVentanaScript([&] { elige("mnuEjecutar"); }, [&](FrmCatEstandariza& v) {
        EXPECT_TRUE(v.txtScript->toPlainText().isEmpty());
        EXPECT_TRUE(v.txtResult->toPlainText().isEmpty());
        EXPECT_EQ(v.sprResultados->rowCount(), 0);
    }));
}

TEST_F(Utilerias, NoFileNoWindow)
{
    // A cancelled dialog and a file that cannot be read end the command silently.
    DlgBarSve::setChooser([](const DlgBarSve&) { return QString(); });
    EXPECT_FALSE(conVentanaScript([&] { elige("mnuAbrirScript"); }, [](FrmCatEstandariza&) {}));
    DlgBarSve::setChooser([this](const DlgBarSve&) { return QDir(root.path()).filePath(QStringLiteral("no.sql")); });
    EXPECT_FALSE(conVentanaScript([&] { elige("mnuAbrirScript"); }, [](FrmCatEstandariza&) {}));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    EXPECT_FALSE(conVentanaScript([] { CargaScript(QString()); }, [](FrmCatEstandariza&) {}));
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Archivo invalido!")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
}

TEST_F(Utilerias, TheDayUtilitiesAskFirstAndChangeNothingUnlessBothAnswersAreYes)
{
    ventas();
    colaImpresion();
    db.execute(QStringLiteral("UPDATE Empleado SET Id_Terminal=3"));
    struct Caso {
        const char* item;
        QStringList preguntas;
        QList<int> estilos;
    };
    const QList<Caso> casos{
        {"mnuBorrarDatos",
         {QStringLiteral("En verdad desea eliminar los datos?"), QStringLiteral("Esta operacion eliminara todas las ventas!")},
         {ui::YesNo | ui::DefaultButton2, ui::OkCancel | ui::DefaultButton2}},
        {"mnuBorrarCola",
         {QStringLiteral("En verdad desea eliminar los datos de la cola de impresión?"),
          QStringLiteral("Esta operacion eliminara todas las impresiones de cocina!")},
         {ui::YesNo | ui::DefaultButton2, ui::OkCancel | ui::DefaultButton2}},
        {"mnuDesfirmar", {QStringLiteral("En verdad desea desfirmar a todos los empleados del sistema?")}, {ui::YesNo}},
    };
    const auto todo = [this] {
        QList<int> c;
        for (const QString& t : kTablasVenta)
            c << cuenta(t);
        c << cuenta(QStringLiteral("Detallecolaimpresion")) << catalogos();
        c << scalar(QStringLiteral("SELECT COUNT(*) FROM Empleado WHERE Id_Terminal=3")).toInt();
        return c;
    };
    const QList<int> antes = todo();
    for (const Caso& c : casos) {
        // No at the first question, Cancel at the second.
        for (int negativa = 0; negativa < c.preguntas.size(); ++negativa) {
            boxes.clear();
            for (int i = 0; i < negativa; ++i)
                boxes.answer(i == 0 ? ui::Yes : ui::Ok);
            boxes.answer(negativa == 0 ? ui::No : ui::Cancel);
            elige(c.item);
            EXPECT_EQ(boxes.texts(), c.preguntas.mid(0, negativa + 1)) << c.item;
            for (int i = 0; i <= negativa; ++i)
                EXPECT_EQ(boxes.boxes().at(i).style, c.estilos.at(i)) << c.item;
            EXPECT_EQ(todo(), antes) << c.item;
        }
    }
    // Enter, however often pressed, deletes nothing: the deletes' first answer is No.
    for (const char* item : {"mnuBorrarDatos", "mnuBorrarCola"}) {
        boxes.clear();
        elige(item);
        EXPECT_EQ(boxes.boxes().size(), 1) << item;
        EXPECT_EQ(todo(), antes) << item;
    }
}

TEST_F(Utilerias, BorrarTodosLosDatosEmptiesTheSevenSalesTablesAndNothingElse)
{
    ventas();
    const QList<int> antes = catalogos();
    QString procedimiento;
    QVariantList argumentos;
    const adodb::Procedure real = adodb::Procedures::find(QStringLiteral("Borrar_Comanda"));
    adodb::Procedures::add(QStringLiteral("Borrar_Comanda"), [&](adodb::Connection& c, const QVariantList& a) {
        argumentos = a;
        procedimiento = QStringLiteral("Borrar_Comanda");
        EXPECT_TRUE(c.inTransaction());
        return real(c, a);
    });
    boxes.answer(ui::Yes);
    boxes.answer(ui::Ok);
    elige("mnuBorrarDatos");
    ASSERT_EQ(boxes.boxes().size(), 3);
    EXPECT_EQ(boxes.texts().last(),
              QStringLiteral("Se eliminaron todas las ventas: 2 comandas con sus cuentas, productos y pagos."));
    EXPECT_EQ(boxes.boxes().last().icon(), ui::Information);
    EXPECT_EQ(procedimiento, QStringLiteral("Borrar_Comanda"));
    EXPECT_EQ(argumentos, (QVariantList{QStringLiteral("010106"), qlonglong(1)}));
    for (const QString& t : kTablasVenta)
        EXPECT_EQ(cuenta(t), 0) << t.toStdString();
    EXPECT_EQ(catalogos(), antes);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

TEST_F(Utilerias, BorrarColaEmptiesBothPrintQueueTablesAndDesfirmarSignsEveryoneOff)
{
    colaImpresion();
    addEmployee(2, QStringLiteral("MESERO"), QStringLiteral("X"));
    addEmployee(3, QStringLiteral("CAJERO"), QStringLiteral("X"));
    db.execute(QStringLiteral("UPDATE Empleado SET Id_Terminal=ID_Empleado + 1 WHERE ID_Empleado > 1"));
    boxes.answer(ui::Yes);
    boxes.answer(ui::Ok);
    elige("mnuBorrarCola");
    EXPECT_EQ(cuenta(QStringLiteral("ColaImpresion")), 0);
    EXPECT_EQ(cuenta(QStringLiteral("Detallecolaimpresion")), 0);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Se eliminaron 2 impresiones de la cola de impresión."));
    // An empty queue: the same questions, and the count says nothing was there.
    boxes.answer(ui::Yes);
    boxes.answer(ui::Ok);
    elige("mnuBorrarCola");
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Se eliminaron 0 impresiones de la cola de impresión."));
    boxes.clear();

    elige("mnuDesfirmar");
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Empleado WHERE Id_Terminal<>0")).toInt(), 0);
    EXPECT_EQ(cuenta(QStringLiteral("Empleado")), 3);
    // Nobody signed on: the update changes nothing and says nothing.
    elige("mnuDesfirmar");
    EXPECT_EQ(boxes.boxes().size(), 2);
}

TEST_F(Utilerias, ARefusedStatementUndoesTheWholeDayCommand)
{
    ventas();
    colaImpresion();
    db.execute(QStringLiteral("UPDATE Empleado SET Id_Terminal=4"));
    db.execute(QStringLiteral("CREATE TRIGGER sin_comanda BEFORE DELETE ON Comanda BEGIN SELECT RAISE(ABORT, 'no'); END;"
                              "CREATE TRIGGER sin_cola BEFORE DELETE ON ColaImpresion BEGIN SELECT RAISE(ABORT, 'no'); END;"
                              "CREATE TRIGGER sin_firma BEFORE UPDATE ON Empleado BEGIN SELECT RAISE(ABORT, 'firmado'); END;"));
    // The gateway reports the refused procedure and delete itself; the refused update is reported
    // here. Nothing is half done.
    for (const char* item : {"mnuBorrarDatos", "mnuBorrarCola", "mnuDesfirmar"}) {
        boxes.clear();
        boxes.answer(ui::Yes);
        boxes.answer(ui::Ok);
        elige(item);
        EXPECT_EQ(boxes.boxes().size(), QLatin1String(item) == QLatin1String("mnuDesfirmar") ? 2 : 3) << item;
        EXPECT_FALSE(g_ClsAdo().conexion().inTransaction()) << item;
    }
    EXPECT_EQ(boxes.texts().last(), QString::number(adodb::err::ProviderIntegrity) + QStringLiteral("firmado"));
    for (const QString& t : kTablasVenta)
        EXPECT_GT(cuenta(t), 0) << t.toStdString();
    EXPECT_EQ(cuenta(QStringLiteral("Detallecolaimpresion")), 3);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Empleado WHERE Id_Terminal=4")).toInt(), 1);
}

TEST_F(Utilerias, BorrarDiaOnlyClosesItself)
{
    ventas();
    main->menuItem(QStringLiteral("mnuBorrarDia"))->trigger();
    auto* ventana = qobject_cast<frmBorrarDia*>(WindowRegistry::find(QStringLiteral("frmBorrarDia")));
    ASSERT_NE(ventana, nullptr);
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Borrar Día"));
    EXPECT_EQ(ventana->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Fecha Inicio:"));
    EXPECT_NE(ventana->Fecha, nullptr);
    EXPECT_TRUE(ventana->Command1->text().isEmpty() && ventana->Command2->text().isEmpty());
    ventana->Command1->click();
    EXPECT_NE(WindowRegistry::find(QStringLiteral("frmBorrarDia")), nullptr);
    ventana->Command2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(WindowRegistry::find(QStringLiteral("frmBorrarDia")), nullptr);
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    for (const QString& t : kTablasVenta)
        EXPECT_GT(cuenta(t), 0) << t.toStdString();
}

} // namespace
