#include "tests/tickets/horas_fixture.h"

#include "platform/grid/grid.h"
#include "tickets/rep_horas.h"
#include "tickets/rep_oficial_horas.h"
#include "tickets/rep_resumen_horas.h"
#include "tickets/sql_horas.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <sqlite3.h>

namespace {

// Columns of the grid rows from `desde` on, each row's cells joined by " | ".
QStringList columnas(const grid::Grid* g, int desde, const QList<int>& cols)
{
    QStringList out;
    for (int r = desde; r <= g->rowCount(); ++r) {
        QStringList celdas;
        for (const int c : cols)
            celdas << g->text(r, c);
        out << celdas.join(QStringLiteral(" | "));
    }
    return out;
}

} // namespace

// --- The database: the view's names and the trigger ------------------------------------------

// A name leaves out a missing or blank part and is never NULL, in the view and in the reports.
TEST_F(HorasBase, NamesLeaveOutMissingPartsAndAreNeverNull)
{
    struct Case {
        const char *paterno, *materno, *nombre, *esperado;  // null pointer: NULL
    };
    const Case cases[] = {
        {"LOPEZ", "DIAZ", "ANA", "LOPEZ DIAZ ANA"}, {"RUIZ", nullptr, "BETO", "RUIZ BETO"},
        {"RUIZ", "", "BETO", "RUIZ BETO"},          {"RUIZ", "  ", "BETO", "RUIZ BETO"},
        {nullptr, "DIAZ", nullptr, "DIAZ"},          {nullptr, nullptr, nullptr, ""},
    };
    const auto sql = [](const char* v) { return v ? QStringLiteral("'%1'").arg(QLatin1String(v)) : QStringLiteral("NULL"); };
    for (const Case& c : cases) {
        db.execute(QStringLiteral("UPDATE Empleado SET Apellido_Paterno=%1, Apellido_Materno=%2, Nombre_Empleado=%3 "
                                  "WHERE ID_Empleado=12")
                       .arg(sql(c.paterno), sql(c.materno), sql(c.nombre)));
        EXPECT_EQ(scalar(QStringLiteral("SELECT Empleado FROM Vw_DetalleHoras WHERE Id_Entrada=4")), QString::fromLatin1(c.esperado));
        EXPECT_EQ(scalar(QStringLiteral("SELECT ") + sqlhoras::nombreEmpleado(QStringLiteral("emp"))
                         + QStringLiteral(" FROM Empleado emp WHERE ID_Empleado=12")),
                  QString::fromLatin1(c.esperado));
    }
    // An entry whose employee and department are gone still has its row.
    db.execute(QStringLiteral("INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo) "
                              "VALUES (9, 99, 99, '01022025')"));
    EXPECT_EQ(filasDe(db, QStringLiteral("SELECT Empleado, Departamento, Costo_Hora FROM Vw_DetalleHoras WHERE Id_Entrada=9")),
              QStringList{" | NULL | NULL"});
}

// A corrected time recomputes the entry's whole minutes and their cost at the entry's rate.
TEST_F(HorasBase, ACorrectedTimeRecomputesMinutesAndCost)
{
    db.execute(QStringLiteral("INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo, Hora_Inicio) "
                              "VALUES (6, 11, 3, '31012025', '2025-01-31 22:00:00')"));
    struct Case {
        int entrada;
        const char* set;
        const char* esperado;  // Minutos | Costo
    };
    const Case cases[] = {
        {2, "Hora_Final='2025-02-01 19:45:00'", "105.00 | 78.75"},
        {3, "Hora_Final='2025-02-01 17:00:00'", "480.00 | 320.00"},
        {4, "Hora_Final='2025-01-31 14:10:59'", "250.00 | 166.67"},  // whole minutes
        {4, "Hora_Final=NULL", "NULL | NULL"},
        {1, "Hora_Inicio=NULL", "NULL | NULL"},
        {6, "Hora_Final='2025-02-01 02:30:00'", "270.00 | 0.00"},  // across midnight; no rate in BARRA
    };
    for (const Case& c : cases) {
        db.execute(QStringLiteral("UPDATE HorasXEmpleado SET %1 WHERE ID_Entrada=%2").arg(QLatin1String(c.set)).arg(c.entrada));
        EXPECT_EQ(filasDe(db, QStringLiteral("SELECT Minutos, Costo FROM HorasXEmpleado WHERE ID_Entrada=%1").arg(c.entrada)),
                  QStringList{QString::fromLatin1(c.esperado)})
            << c.set;
    }
    // Other columns leave the stored figures alone.
    db.execute(QStringLiteral("UPDATE HorasXEmpleado SET Fecha_Trabajo='01022025' WHERE ID_Entrada=5"));
    EXPECT_EQ(filasDe(db, QStringLiteral("SELECT Minutos, Costo FROM HorasXEmpleado WHERE ID_Entrada=5")),
              QStringList{"480.00 | 480.00"});
}

// A time corrected from a connection without the program's functions (the sqlite3 shell, a script)
// is recomputed alike: the cost to the cent, ties to the even cent, as Redondear gives it.
TEST_F(HorasBase, ATimeCorrectedFromAnotherToolRoundsTheCostAsTheProgramDoes)
{
    sqlite3* otra = nullptr;
    ASSERT_EQ(sqlite3_open(QDir(root.path()).filePath(QStringLiteral("central.db")).toUtf8().constData(), &otra), SQLITE_OK);
    const auto corrigeFuera = [otra](int minutos, double tarifa) {
        const QByteArray sql = QStringLiteral("UPDATE CostosXEmpleado SET Costo_Hora=%1 WHERE ID_Empleado=11 AND ID_Departamento=1;"
                                              "UPDATE HorasXEmpleado SET Hora_Final=datetime(Hora_Inicio, '+%2 minutes') "
                                              "WHERE ID_Entrada=1")
                                   .arg(tarifa, 0, 'g', 17)
                                   .arg(minutos)
                                   .toUtf8();
        char* error = nullptr;
        const int rc = sqlite3_exec(otra, sql.constData(), nullptr, nullptr, &error);
        const QString texto = QString::fromUtf8(error ? error : "");
        sqlite3_free(error);
        return rc == SQLITE_OK ? QString() : texto;
    };
    // Ties go to the even cent: 0.005, 0.015, 0.025, 0.035 and a larger one.
    const struct {
        int minutos;
        double tarifa;
        const char* costo;
    } empates[] = {{1, 0.3, "0.00"}, {1, 0.9, "0.02"}, {1, 1.5, "0.02"}, {1, 2.1, "0.04"}, {90, 45.67, "68.50"}, {195, 50, "162.50"}};
    for (const auto& e : empates) {
        ASSERT_EQ(corrigeFuera(e.minutos, e.tarifa), QString());
        EXPECT_EQ(filasDe(db, QStringLiteral("SELECT Costo FROM HorasXEmpleado WHERE ID_Entrada=1")), QStringList{e.costo})
            << e.minutos << " x " << e.tarifa;
    }
    // Over a spread of minutes and rates the cost is what the program's own rounding gives.
    for (const double tarifa : {0.3, 12.5, 45.55, 61.7, 99.99, 137.35})
        for (int minutos = 0; minutos <= 900; minutos += 7) {
            ASSERT_EQ(corrigeFuera(minutos, tarifa), QString());
            EXPECT_EQ(scalar(QStringLiteral("SELECT Costo = Redondear(Minutos * %1 / 60.0) FROM HorasXEmpleado WHERE ID_Entrada=1")
                                 .arg(tarifa, 0, 'g', 17))
                          .toInt(),
                      1)
                << minutos << " x " << tarifa;
        }
    sqlite3_close(otra);
}

// --- Detalle de Horas -------------------------------------------------------------------------

class DetalleHoras : public HorasDb {
protected:
    void SetUp() override
    {
        HorasDb::SetUp();
        ventana = abre<RepHoras>(QStringLiteral("mnuDetHoras"), QStringLiteral("RepHoras"));
        ASSERT_TRUE(ventana);
        busca(ventana);
    }
    grid::Grid* g() const { return ventana->rejilla(); }
    // The row that shows the entry.
    int renglon(int entrada) const
    {
        for (int r = 8; r <= g()->rowCount(); ++r)
            if (g()->text(r, 1).trimmed() == QString::number(entrada))
                return r;
        return 0;
    }
    void dobleClic(int fila, int columna)
    {
        const QPoint centro = g()->table()->visualRect(g()->table()->model()->index(fila - 1, columna - 1)).center();
        QTest::mouseClick(g()->table()->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(g()->table()->viewport(), Qt::LeftButton, {}, centro);
        QApplication::processEvents();
    }
    QLineEdit* editor() const
    {
        for (QLineEdit* e : g()->table()->viewport()->findChildren<QLineEdit*>())
            if (e->isVisible())
                return e;
        return nullptr;
    }
    // Double-clicks the entry's time cell, types the text and ends the edit with the key.
    void corrige(int entrada, int columna, const QString& texto, Qt::Key fin = Qt::Key_Return)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dobleClic(renglon(entrada), columna);
        QLineEdit* e = editor();
        ASSERT_TRUE(e);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, texto);
        QTest::keyClick(e, fin);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(editor(), nullptr) << texto.toStdString();
    }
    QStringList horas() { return filas(QStringLiteral("SELECT ID_Entrada, Hora_Inicio, Hora_Final, Minutos, Costo FROM HorasXEmpleado ORDER BY 1")); }

    RepHoras* ventana = nullptr;
};

TEST_F(DetalleHoras, ListsThePeriodWithItsSharesForAllOrOneDepartment)
{
    QStringList combo;
    for (int i = 0; i < ventana->cmbCategoria->count(); ++i)
        combo << ventana->cmbCategoria->itemText(i);
    EXPECT_EQ(combo, QStringList({"COCINA", "PISO", "TODAS"}));
    EXPECT_EQ(ventana->cmbCategoria->currentText(), "TODAS");

    EXPECT_EQ(columnas(g(), 8, {1, 2, 3, 4, 5, 7, 9, 10}),
              QStringList({" 1 | LOPEZ DIAZ ANA | COCINA | 08:00:00 | 16:00:00 | 8.00 | 58.54% | 67.21%",
                           " 2 | LOPEZ DIAZ ANA | PISO | 18:00:00 | 19:30:00 | 1.50 | 10.98% | 9.45%",
                           " 3 | RUIZ BETO | PISO | 09:00:00 |  | 0.00 | 0.00% | 0.00%",
                           " 4 | RUIZ BETO | PISO | 10:00:00 | 14:10:00 | 4.17 | 30.49% | 23.34%"}));
    EXPECT_EQ(g()->text(1, 4), "DETALLE DE HORAS");
    EXPECT_EQ(g()->text(2, 4), "31/01/2025 - 01/02/2025");

    ventana->cmbCategoria->setCurrentText(QStringLiteral("PISO"));
    ventana->botonBuscar()->click();
    EXPECT_EQ(columnas(g(), 8, {1, 9, 10}),
              QStringList({" 2 | 26.47% | 28.83%", " 3 | 0.00% | 0.00%", " 4 | 73.53% | 71.17%"}));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    busca(ventana, QDate(2025, 3, 1), QDate(2025, 3, 31));
    EXPECT_EQ(g()->rowCount(), 7);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "No hay registros");
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Information);
    EXPECT_EQ(boxes.boxes().first().caption, "Vereduda Zorva");
}

TEST_F(DetalleHoras, ACorrectionStoresOnlyTheEditedTimeAndReloads)
{
    corrige(2, 5, QStringLiteral("19:45"));
    corrige(3, 5, QStringLiteral("17:00"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(horas().mid(1, 2), QStringList({"2 | 2025-02-01 18:00:00 | 2025-02-01 19:45:00 | 105.00 | 78.75",
                                               "3 | 2025-02-01 09:00:00 | 2025-02-01 17:00:00 | 480.00 | 320.00"}));
    EXPECT_EQ(columnas(g(), renglon(2), {1, 5, 7, 8}).first(), " 2 | 19:45:00 | 1.75 | $78.75");
    // The corrected cell stays the active one, still open.
    EXPECT_EQ(g()->activeRow(), renglon(3));
    EXPECT_EQ(g()->activeColumn(), 5);
    EXPECT_TRUE(g()->isCellEditable(renglon(3), 5));
}

// A correction reads its entry's row again, and every share moves with the period's totals: the grid
// is what a new search shows, while the rest of the period is not read again.
TEST_F(DetalleHoras, ACorrectionRefreshesItsRowAndEveryShare)
{
    const QList<int> cols{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    db.execute(QStringLiteral("INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo, Hora_Inicio, "
                              "Hora_Final, Minutos, Costo) VALUES (30, 12, 2, '01022025', '2025-02-01 07:00:00', "
                              "'2025-02-01 08:00:00', 60, 40)"));
    corrige(2, 5, QStringLiteral("20:30"));
    corrige(3, 5, QStringLiteral("13:00"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('\n')).toStdString();
    const QStringList corregida = columnas(g(), 8, cols);
    EXPECT_EQ(corregida.size(), 4);
    EXPECT_EQ(renglon(30), 0);
    EXPECT_EQ(columnas(g(), renglon(2), {1, 5, 7, 8, 9, 10}).first(), " 2 | 20:30:00 | 2.50 | $112.50 | 13.39% | 12.24%");
    EXPECT_EQ(columnas(g(), renglon(3), {1, 5, 7, 8, 9, 10}).first(), " 3 | 13:00:00 | 4.00 | $160.00 | 21.43% | 17.41%");

    db.execute(QStringLiteral("DELETE FROM HorasXEmpleado WHERE ID_Entrada=30"));
    busca(ventana);
    EXPECT_EQ(columnas(g(), 8, cols), corregida);

    // An entry deleted since the search: the whole period is read again.
    db.execute(QStringLiteral("DELETE FROM HorasXEmpleado WHERE ID_Entrada=4"));
    corrige(4, 4, QStringLiteral("10:30"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudo guardar la corrección")});
    EXPECT_EQ(renglon(4), 0);
    EXPECT_EQ(g()->rowCount(), 10);
}

// Each side of midnight, and night shifts typed from nothing: the stored times, minutes and cost.
TEST_F(DetalleHoras, CorrectionsAcrossMidnightStoreTheRightDayMinutesAndCost)
{
    db.execute(QStringLiteral(
        "INSERT INTO CostosXEmpleado (ID_Empleado, ID_Departamento, Costo_Hora) VALUES (12, 1, 50);"
        "INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo, Hora_Inicio, Hora_Final) VALUES "
        "(20, 12, 1, '02032025', '2025-03-02 20:30:00', '2025-03-03 00:30:00'),"
        "(21, 12, 1, '02032025', '2025-03-02 18:00:00', '2025-03-02 23:30:00'),"
        "(22, 12, 1, '02032025', '2025-03-03 00:30:00', '2025-03-03 04:00:00'),"
        "(23, 12, 1, '02032025', NULL, NULL), (24, 12, 1, '02032025', NULL, NULL)"));
    busca(ventana, QDate(2025, 3, 1), QDate(2025, 3, 3));
    struct Case {
        int entrada, columna;
        const char* tecleado;
        const char* esperado;  // ID_Entrada | Hora_Inicio | Hora_Final | Minutos | Costo
    };
    const Case cases[] = {
        {20, 5, "23:45", "20 | 2025-03-02 20:30:00 | 2025-03-02 23:45:00 | 195.00 | 162.50"},
        {21, 5, "01:00", "21 | 2025-03-02 18:00:00 | 2025-03-03 01:00:00 | 420.00 | 350.00"},
        {22, 4, "23:30", "22 | 2025-03-02 23:30:00 | 2025-03-03 04:00:00 | 270.00 | 225.00"},
        // Clock-out first: it takes the work date, and the clock-in the evening before it.
        {23, 5, "02:00", "23 | NULL | 2025-03-02 02:00:00 | NULL | NULL"},
        {23, 4, "22:00", "23 | 2025-03-01 22:00:00 | 2025-03-02 02:00:00 | 240.00 | 200.00"},
        // Clock-in first: it takes the work date, and the clock-out the morning after it.
        {24, 4, "22:00", "24 | 2025-03-02 22:00:00 | NULL | NULL | NULL"},
        {24, 5, "02:00", "24 | 2025-03-02 22:00:00 | 2025-03-03 02:00:00 | 240.00 | 200.00"},
    };
    for (const Case& c : cases) {
        corrige(c.entrada, c.columna, QString::fromLatin1(c.tecleado));
        EXPECT_TRUE(boxes.boxes().isEmpty()) << c.tecleado << ": " << boxes.texts().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(filas(QStringLiteral("SELECT ID_Entrada, Hora_Inicio, Hora_Final, Minutos, Costo FROM HorasXEmpleado "
                                       "WHERE ID_Entrada=%1").arg(c.entrada)),
                  QStringList{QString::fromLatin1(c.esperado)})
            << c.entrada << " " << c.tecleado;
        EXPECT_EQ(g()->text(renglon(c.entrada), c.columna), QString::fromLatin1(c.tecleado) + QStringLiteral(":00"));
    }
}

TEST_F(DetalleHoras, ACorrectionThatCannotBeStoredSaysWhyAndStoresNothing)
{
    struct Case {
        int entrada, columna;
        const char* texto;
        const char* mensaje;
        int icono;
        const char* antes;  // SQL run first
    };
    const Case cases[] = {
        {2, 5, "", "La hora capturada no es válida", ui::Exclamation, ""},
        {2, 5, "25:99", "La hora capturada no es válida", ui::Exclamation, ""},
        {2, 5, "19:45", "No se pudo guardar la corrección", ui::Critical,
         "CREATE TRIGGER TR_Rechaza BEFORE UPDATE ON HorasXEmpleado BEGIN SELECT RAISE(ABORT, 'no'); END"},
        {1, 5, "17:00", "No se pudo guardar la corrección", ui::Critical, "DELETE FROM HorasXEmpleado WHERE ID_Entrada=1"},
    };
    for (const Case& c : cases) {
        if (*c.antes)
            db.execute(QString::fromLatin1(c.antes));
        const QStringList antes = horas();
        boxes.clear();
        corrige(c.entrada, c.columna, QString::fromUtf8(c.texto));
        ASSERT_EQ(boxes.boxes().size(), 1) << c.texto;
        EXPECT_EQ(boxes.boxes().first().text, QString::fromUtf8(c.mensaje)) << c.texto;
        EXPECT_EQ(boxes.boxes().first().icon(), c.icono) << c.texto;
        EXPECT_EQ(boxes.boxes().first().caption, "Vereduda Zorva");
        EXPECT_EQ(horas(), antes) << c.texto;
        // The report shows what is stored.
        if (renglon(2)) {
            EXPECT_EQ(g()->text(renglon(2), 5), "19:30:00") << c.texto;
        }
    }

    // Tab ends an impossible time as Enter does.
    boxes.clear();
    corrige(2, 4, QStringLiteral("7:99"), Qt::Key_Tab);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("La hora capturada no es válida")});
    EXPECT_EQ(g()->text(renglon(2), 4), "18:00:00");
}

// Only the double-clicked time cell opens; any other double-click closes it again.
TEST_F(DetalleHoras, OnlyTheDoubleClickedTimeCellOpens)
{
    dobleClic(renglon(2), 2);
    QTest::keyClicks(g()->table(), QStringLiteral("X"));
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(g()->text(renglon(2), 2), "LOPEZ DIAZ ANA");

    dobleClic(renglon(2), 5);
    QList<QPoint> abiertas;
    for (int r = 1; r <= g()->rowCount(); ++r)
        for (int c = 1; c <= g()->columnCount(); ++c)
            if (g()->isCellEditable(r, c))
                abiertas << QPoint(c, r);
    EXPECT_EQ(abiertas, QList<QPoint>{QPoint(5, renglon(2))});

    // A new search that moves the entry keeps its cell open, and that cell alone.
    const int antes = renglon(2);
    QTest::keyClick(editor(), Qt::Key_Escape);
    ventana->cmbCategoria->setCurrentText(QStringLiteral("PISO"));
    ventana->botonBuscar()->click();
    ASSERT_NE(renglon(2), antes);
    abiertas.clear();
    for (int r = 1; r <= g()->rowCount(); ++r)
        for (int c = 1; c <= g()->columnCount(); ++c)
            if (g()->isCellEditable(r, c))
                abiertas << QPoint(c, r);
    EXPECT_EQ(abiertas, QList<QPoint>{QPoint(5, renglon(2))});

    dobleClic(renglon(4), 8);
    EXPECT_FALSE(g()->isCellEditable(renglon(2), 5));
    EXPECT_EQ(horas().at(1), "2 | 2025-02-01 18:00:00 | 2025-02-01 19:30:00 | 90.00 | 67.50");
}

// --- Resumen de Horas and Horas X Empleado ----------------------------------------------------

TEST_F(HorasDb, TheSummaryAddsUpThePeriodByDepartmentAndEmployee)
{
    auto* ventana = abre<RepResumenHoras>(QStringLiteral("mnuResumenHoras"), QStringLiteral("RepResumenHoras"));
    ASSERT_TRUE(ventana);
    const QStringList esperado{
        "COSTO TOTAL | $714.17 |  |  |  |  | ",
        "TOTAL HORAS | 13.67 |  |  |  |  | ",
        "EMPLEADOS QUE CHECARON | 4 |  |  |  |  | ",
        " |  |  |  |  |  | ",
        "Resumen de Horas X Departamento |  |  |  |  |  | ",
        "DEPARTAMENTO | HORAS | COSTO PROM. | COSTO TOTAL | % HORAS NOMINA | % COSTO NOMINA | ",
        "COCINA | 8.00 | $60.00 | $480.00 | 58.54% | 67.21% | ",
        "PISO | 5.67 | $41.32 | $234.17 | 41.46% | 32.79% | ",
        "TOTAL | 13.67 | $52.26 | $714.17 | 100.00% | 100.00% | ",
        " |  |  |  |  |  | ",
        "Resumen de Horas X Empleado |  |  |  |  |  | ",
        "EMPLEADO | HORAS | COSTO PROM. | COSTO TOTAL | % HORAS NOMINA | % COSTO NOMINA | % PRODUCTIVIDAD",
        "LOPEZ DIAZ ANA | 9.50 | $57.63 | $547.50 | 69.51% | 76.66% | 118.75%",
        "RUIZ BETO | 4.17 | $40.00 | $166.67 | 30.49% | 23.34% | 52.08%",
        "TOTAL | 13.67 | $52.26 | $714.17 | 100.00% | 100.00% | 100.00%",
        " |  |  |  |  |  | ",
    };
    for (int vez = 0; vez < 2; ++vez) {
        busca(ventana);
        EXPECT_EQ(filasRejilla(ventana->rejilla()).mid(4), esperado) << vez;
    }
    EXPECT_EQ(ventana->rejilla()->text(1, 3), "RESUMEN DE HORAS");

    busca(ventana, QDate(2025, 3, 1), QDate(2025, 3, 31));
    EXPECT_EQ(filasRejilla(ventana->rejilla()).mid(4),
              QStringList({"COSTO TOTAL | $0.00 |  |  |  |  | ", "TOTAL HORAS | 0.00 |  |  |  |  | ",
                           "EMPLEADOS QUE CHECARON | 0 |  |  |  |  | ", " |  |  |  |  |  | ",
                           "Resumen de Horas X Departamento |  |  |  |  |  | ",
                           "DEPARTAMENTO | HORAS | COSTO PROM. | COSTO TOTAL | % HORAS NOMINA | % COSTO NOMINA | ",
                           "TOTAL | 0.00 | $0.00 | $0.00 |  |  | ", " |  |  |  |  |  | ",
                           "Resumen de Horas X Empleado |  |  |  |  |  | ",
                           "EMPLEADO | HORAS | COSTO PROM. | COSTO TOTAL | % HORAS NOMINA | % COSTO NOMINA | % PRODUCTIVIDAD",
                           "TOTAL | 0.00 | $0.00 | $0.00 |  | 0.00% | ", " |  |  |  |  |  | "}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

// Shares divide by the period's minutes, so that a column adds up to 100 (TH rounds 100 minutes
// to 1.67 hours); a 0-minute entry counts as 1 minute in the row averages only.
TEST_F(HorasDb, SharesDivideByThePeriodsMinutes)
{
    db.execute(QStringLiteral("DELETE FROM HorasXEmpleado; INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, "
                              "Fecha_Trabajo, Minutos, Costo) VALUES (1, 11, 1, '31012025', 100, 100), (2, 11, 1, '31012025', 0, 10)"));
    auto* ventana = abre<RepResumenHoras>(QStringLiteral("mnuResumenHoras"), QStringLiteral("RepResumenHoras"));
    ASSERT_TRUE(ventana);
    busca(ventana);
    const QStringList f = filasRejilla(ventana->rejilla());
    EXPECT_TRUE(f.contains("TOTAL HORAS | 1.67 |  |  |  |  | "));
    EXPECT_TRUE(f.contains("COCINA | 1.67 | $65.35 | $110.00 | 100.00% | 100.00% | ")) << f.join('\n').toStdString();
    EXPECT_TRUE(f.contains("TOTAL | 1.67 | $66.00 | $110.00 | 100.00% | 100.00% | 100.00%")) << f.join('\n').toStdString();
    EXPECT_TRUE(f.contains("EMPLEADOS QUE CHECARON | 2 |  |  |  |  | "));
}

TEST_F(HorasDb, TheSignedReportGivesEachEmployeeTheirDaysAndASignatureLine)
{
    auto* ventana = abre<RepOficialHoras>(QStringLiteral("mnuHorasEmpleado"), QStringLiteral("RepOficialHoras"));
    ASSERT_TRUE(ventana);
    const QStringList esperado{
        "COSTO TOTAL | $714.17", "TOTAL HORAS | 13.67", "EMPLEADOS QUE CHECARON | 4", " | ",
        "Resumen de Horas X Departamento | ", "DEPARTAMENTO | HORAS", "BARRA | 0.00", "COCINA | 8.00", "PISO | 5.67",
        "TOTAL | 13.67", " | ", "Resumen de Horas X Empleado | ", " | HORAS",
        "LOPEZ DIAZ ANA | ", " | ", "31/ene/2025 | 8.00", "01/feb/2025 | 1.50", "TOTAL | 9.50",
        "FIRMA DE CONFORMIDAD: | _____________________", " | ",
        "RUIZ BETO | ", " | ", "31/ene/2025 | 4.17", "01/feb/2025 | 0.00", "TOTAL | 4.17",
        "FIRMA DE CONFORMIDAD: | _____________________", " | ",
    };
    for (int vez = 0; vez < 2; ++vez) {
        busca(ventana);
        EXPECT_EQ(columnas(ventana->rejilla(), 5, {1, 2}), esperado) << vez;
    }
    EXPECT_EQ(ventana->rejilla()->text(1, 3), "REPORTE DE HORAS");

    busca(ventana, QDate(2025, 3, 1), QDate(2025, 3, 31));
    EXPECT_EQ(columnas(ventana->rejilla(), 5, {1, 2}),
              QStringList({"COSTO TOTAL | $0.00", "TOTAL HORAS | 0.00", "EMPLEADOS QUE CHECARON | 0", " | ",
                           "Resumen de Horas X Departamento | ", "DEPARTAMENTO | HORAS", "BARRA | 0.00", "COCINA | 0.00",
                           "PISO | 0.00", "TOTAL | 0.00", " | ", "Resumen de Horas X Empleado | ", " | HORAS"}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

// Same-named employees keep a block each; an employee's days come in date order across a year's end.
TEST_F(HorasDb, TheSignedReportBreaksOnTheEmployeeAndSortsDaysAsDates)
{
    db.execute(QStringLiteral(
        "INSERT INTO Empleado (ID_Empleado, Usuario, Nombre_Empleado, Apellido_Paterno, Estado_Empleado) VALUES (13, 'BETO2', 'BETO', 'RUIZ', 'A');"
        "INSERT INTO HorasXEmpleado (ID_Entrada, Id_Empleado, ID_Departamento, Fecha_Trabajo, Minutos) VALUES "
        "(10, 13, 2, '01012025', 60), (11, 12, 2, '31122024', 120), (12, 13, 2, '30122024', 30)"));
    auto* ventana = abre<RepOficialHoras>(QStringLiteral("mnuHorasEmpleado"), QStringLiteral("RepOficialHoras"));
    ASSERT_TRUE(ventana);
    busca(ventana, QDate(2024, 12, 30), QDate(2025, 1, 31));
    QStringList empleados = columnas(ventana->rejilla(), 5, {1, 2});
    empleados = empleados.mid(empleados.indexOf(" | HORAS") + 1);
    EXPECT_EQ(empleados, QStringList({"LOPEZ DIAZ ANA | ", " | ", "31/ene/2025 | 8.00", "TOTAL | 8.00",
                                      "FIRMA DE CONFORMIDAD: | _____________________", " | ", "RUIZ BETO | ", " | ",
                                      "31/dic/2024 | 2.00", "31/ene/2025 | 4.17", "TOTAL | 6.17",
                                      "FIRMA DE CONFORMIDAD: | _____________________", " | ", "RUIZ BETO | ", " | ",
                                      "30/dic/2024 | 0.50", "01/ene/2025 | 1.00", "TOTAL | 1.50",
                                      "FIRMA DE CONFORMIDAD: | _____________________", " | "}));
}

// --- Print-outs -------------------------------------------------------------------------------

TEST_F(HorasDb, EachReportPrintsOnePageWithTheCompanyLineOnce)
{
    struct Case {
        const char *item, *ventana, *figura;
        bool apaisada;
    };
    const Case cases[] = {
        {"mnuDetHoras", "RepHoras", "30.49%", false},
        {"mnuResumenHoras", "RepResumenHoras", "118.75%", true},
        {"mnuHorasEmpleado", "RepOficialHoras", "FIRMA DE CONFORMIDAD:", false},
    };
    for (const Case& c : cases) {
        auto* ventana = abre(QString::fromLatin1(c.item), QString::fromLatin1(c.ventana));
        ASSERT_TRUE(ventana) << c.ventana;
        busca(ventana);
        for (int vez = 0; vez < 2; ++vez) {
            const QString nombre = QString::fromLatin1(c.ventana) + QString::number(vez) + QStringLiteral(".pdf");
            const QStringList paginas = imprime(ventana, nombre);
            ASSERT_EQ(paginas.size(), 1) << c.ventana;
            EXPECT_EQ(paginas.first().count(QStringLiteral("ZORVA VEREDUDA")), 1) << c.ventana;
            EXPECT_TRUE(paginas.first().contains(QStringLiteral("página 1 de 1"))) << c.ventana;
            EXPECT_TRUE(paginas.first().contains(QStringLiteral("714.17")) || QString::fromLatin1(c.ventana) == "RepHoras");
            EXPECT_TRUE(paginas.first().contains(QString::fromUtf8(c.figura))) << c.ventana;
            const QString tamano = tamanoPagina(pdfs.filePath(nombre));
            EXPECT_EQ(tamano.startsWith(QStringLiteral("792 x 612")), c.apaisada) << c.ventana << " " << tamano.toStdString();
        }
    }
}
