#include "tests/tickets/cuentas_fixture.h"

#include "foundation/log/bitacora.h"
#include "platform/paths/paths.h"
#include "platform/grid/grid.h"
#include "platform/printqueue/ctl_trabajos.h"
#include "platform/printsystem/print_system.h"
#include "tickets/rep_cuenta_detalle.h"
#include "tickets/rep_cuentas.h"
#include "tickets/rep_det_cuentas.h"
#include "tickets/ticket.h"
#include "foundation/database/cls_ado.h"
#include "tests/support/full_scans.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

class Ticket : public CuentasDb {
protected:
    RepDetCuentas* detalle101()
    {
        return qobject_cast<RepDetCuentas*>(abreComanda(busca(QDate(2025, 1, 31), QDate(2025, 2, 1)), 101));
    }
    // The account's detail window of check 102, through the accounts window.
    RepDetCuentas* detalle102(int cuenta)
    {
        auto* porComanda = qobject_cast<RepCuentaDetalle*>(abreComanda(busca(QDate(2025, 1, 31), QDate(2025, 2, 1)), 102));
        if (!porComanda)
            return nullptr;
        emit porComanda->rejilla()->doubleClicked(cuenta, 1);
        QApplication::processEvents();
        return ventanas<RepDetCuentas>().isEmpty() ? nullptr : ventanas<RepDetCuentas>().last();
    }
    int impresiones(int comanda, int cuenta)
    {
        return scalar(QStringLiteral("SELECT Num_Impresiones FROM Cuenta WHERE ID_Comanda=%1 AND Num_Cuenta=%2").arg(comanda).arg(cuenta)).toInt();
    }
    QString imprimeYLee(RepDetCuentas* ventana)
    {
        imprime(ventana);
        return ultimoTicket();
    }
    // The ticket's lines with their blanks at the end trimmed.
    static QStringList lineas(const QString& texto)
    {
        QStringList out;
        for (QString l : texto.split(QLatin1Char('\n'))) {
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
            out << l;
        }
        return out;
    }
    static bool tieneLinea(const QString& texto, const QString& patron)
    {
        const QRegularExpression re(QStringLiteral("^") + patron + QStringLiteral("$"));
        for (const QString& l : lineas(texto))
            if (re.match(l).hasMatch())
                return true;
        return false;
    }
};

TEST_F(Ticket, ReprintQueuesOneClosedJobAndCountsIt)
{
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    const QString t = imprimeYLee(detalle);
    ASSERT_FALSE(t.isEmpty());
    EXPECT_EQ(filas(QStringLiteral("SELECT Tipo, ID_Impresora, Usuario, Cerrado+0 FROM ColaImpresion")),
              QStringList{QStringLiteral("T | 1 | System | 1")});
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {9}MI RESTAURANTE"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Folio: 101 Cuenta: 1  Serie: A"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesero: ANA {10}31/ene/2025"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesa 5 {21}14:30"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Clientes: 2")));
    const QStringList l = lineas(t);
    const int hamb = l.indexOf(QRegularExpression(QStringLiteral("^HAMBURGUESA {15}127\\.00$")));
    EXPECT_GE(hamb, 0) << t.toStdString();
    EXPECT_EQ(l.value(hamb + 1), QStringLiteral("HAMBURGUESA") + QString(15, QLatin1Char(' ')) + QStringLiteral("116.00"));
    EXPECT_EQ(l.value(hamb + 2), QStringLiteral("REFRESCO(2@29)") + QString(13, QLatin1Char(' ')) + QStringLiteral("58.00"));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {12}Subtotal: {5}301\\.00"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {17}IVA: {7}0\\.00")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Total {5}301\\.00")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Trescientos un pesos 00/100 M\\.N\\.")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {6}\\* Propina no incluida \\*")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {5}\\* Tips are not included \\*")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("la federacion\\.")));
    EXPECT_FALSE(t.contains(QStringLiteral("Reimpresiones")));
    EXPECT_FALSE(t.contains(QStringLiteral("U.S.")));
    EXPECT_EQ(impresiones(101, 1), 1);
    // The printed PDF carries the same text (pdftotext folds runs of blanks).
    QString pdf = ultimoPdf();
    pdf.replace(QRegularExpression(QStringLiteral("[ \t]+")), QStringLiteral(" "));
    for (const char* texto : {"MI RESTAURANTE", "Folio: 101 Cuenta: 1 Serie: A", "REFRESCO(2@29) 58.00", "Total 301.00",
                              "Trescientos un pesos 00/100 M.N.", "* Tips are not included *", "la federacion."})
        EXPECT_TRUE(pdf.contains(QLatin1String(texto))) << texto << pdf.toStdString();

    const QString segundo = imprimeYLee(detalle);
    EXPECT_TRUE(tieneLinea(segundo, QStringLiteral("Clientes: 2")));
    EXPECT_TRUE(tieneLinea(segundo, QStringLiteral("Reimpresiones: 1"))) << segundo.toStdString();
    EXPECT_EQ(impresiones(101, 1), 2);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
}

// The branch block: seven centred lines, an empty value a blank line, and a blank line before the folio.
TEST_F(Ticket, TheBranchBlockStandsApartFromTheFolio)
{
    for (const auto& [clave, valor] : {std::pair{"SUCURSAL", "SUCURSAL CENTRO"}, std::pair{"DIRECCIONCALLE", "AV. JUAREZ 10"},
                                       std::pair{"DIRECCIONCOL", "CENTRO"}, std::pair{"DIRECCIONDEL", "CUAUHTEMOC"},
                                       std::pair{"DIRECCIONEYC", "CDMX"}, std::pair{"DIRECCIONCP", "06000"},
                                       std::pair{"RFC", "ABC010101XYZ"}})
        db.execute(QStringLiteral("UPDATE Parametros SET Valor_Cad='%1' WHERE ID_Parametro='%2'")
                       .arg(QLatin1String(valor), QLatin1String(clave)));
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    const QStringList l = lineas(imprimeYLee(detalle));
    const int sucursal = l.indexOf(QString(8, QLatin1Char(' ')) + QStringLiteral("SUCURSAL CENTRO"));
    ASSERT_GE(sucursal, 0) << l.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(l.mid(sucursal, 9), (QStringList{QString(8, QLatin1Char(' ')) + QStringLiteral("SUCURSAL CENTRO"),
                                               QString(10, QLatin1Char(' ')) + QStringLiteral("AV. JUAREZ 10"),
                                               QString(),
                                               QString(13, QLatin1Char(' ')) + QStringLiteral("CENTRO"),
                                               QString(11, QLatin1Char(' ')) + QStringLiteral("CUAUHTEMOC"),
                                               QString(8, QLatin1Char(' ')) + QStringLiteral("CDMX C.P. 06000"),
                                               QString(6, QLatin1Char(' ')) + QStringLiteral("R.F.C. ABC010101XYZ"),
                                               QString(),
                                               QStringLiteral("Folio: 101 Cuenta: 1  Serie: A")}))
        << l.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Ticket, FeatureSwitchesChangeTheTicket)
{
    activaFuncion(16);
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    QString t = imprimeYLee(detalle);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("HAMBURGUESA {15}109\\.48"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("HAMBURGUESA {15}100\\.00")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("REFRESCO\\(2@25\\) {13}50\\.00")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {12}Subtotal: {5}259\\.48")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {17}IVA: {6}41\\.52")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Total {5}301\\.00")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Folio: 101 Cuenta: 1  Serie: A")));

    db.execute(QStringLiteral("UPDATE Funciones SET Estado=0"));
    activaFuncion(10);
    t = imprimeYLee(detalle);
    EXPECT_TRUE(t.contains(QStringLiteral("15.00 U.S."))) << t.toStdString();

    db.execute(QStringLiteral("UPDATE Funciones SET Estado=0"));
    activaFuncion(13);
    t = imprimeYLee(detalle);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Folio: 101 Cuenta: 1"))) << t.toStdString();
    EXPECT_FALSE(t.contains(QStringLiteral("Serie")));
    EXPECT_FALSE(t.contains(QStringLiteral("federacion")));
    EXPECT_TRUE(t.contains(QStringLiteral("Tips are not included")));
}

TEST_F(Ticket, EachAccountOfACheckPrintsAndCountsItself)
{
    RepDetCuentas* cuenta2 = detalle102(2);
    ASSERT_TRUE(cuenta2);
    QString t = imprimeYLee(cuenta2);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Folio: 102 Cuenta: 2  Serie: A"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Total {6}22\\.00")));  // 21.50 to even
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Veinte y dos pesos 00/100 M\\.N\\.")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesero: ANA {10}10/feb/2025")));  // open: today
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesa 7 {21}09:15")));
    EXPECT_FALSE(t.contains(QStringLiteral("Reimpresiones")));
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Comanda, Num_Cuenta, Num_Impresiones FROM Cuenta ORDER BY 1, 2")),
              (QStringList{QStringLiteral("101 | 1 | 0"), QStringLiteral("102 | 1 | 0"), QStringLiteral("102 | 2 | 1")}));
    t = imprimeYLee(cuenta2);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Reimpresiones: 1")));

    RepDetCuentas* cuenta1 = detalle102(1);
    ASSERT_TRUE(cuenta1);
    t = imprimeYLee(cuenta1);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Ciento setenta pesos 00/100 M\\.N\\.")));
    EXPECT_FALSE(t.contains(QStringLiteral("Reimpresiones")));
    EXPECT_EQ(impresiones(102, 1), 1);
    EXPECT_EQ(impresiones(102, 2), 2);
}

// An item of ten thousand or more keeps its amount whole on its line, the name gives way; the total
// in words wraps between words.
TEST_F(Ticket, AnItemOfTenThousandOrMoreKeepsItsAmountWhole)
{
    db.execute(QStringLiteral("UPDATE Producto SET Nombre_Cuenta='CAFE DE OLLA CON CANELA Y PILON' WHERE ID_Producto=203;"
                              "UPDATE ProductosXCuenta SET Precio_Venta=12345.67 WHERE ID_ProductosXCuenta=10008;"
                              "UPDATE ImpuestosXCuenta SET Monto_ImpuestosXCuenta=0 WHERE ID_ProductosXCuenta=10008;"));
    RepDetCuentas* cuenta2 = detalle102(2);
    ASSERT_TRUE(cuenta2);
    const QStringList l = lineas(imprimeYLee(cuenta2));
    const int item = l.indexOf(QStringLiteral("CAFE DE OLLA CON CANELA 12345.67"));
    ASSERT_GE(item, 0) << l.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(l.value(item + 1), QString());
    EXPECT_TRUE(l.contains(QStringLiteral("Total   12346.00"))) << l.join(QLatin1Char('\n')).toStdString();
    const int palabras = l.indexOf(QStringLiteral("Doce mil trescientos cuarenta y"));
    ASSERT_GE(palabras, 0) << l.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(l.value(palabras + 1), QStringLiteral("seis pesos 00/100 M.N."));
    // The PDF shows the same lines.
    const QString pdf = ultimoPdf();
    EXPECT_TRUE(pdf.contains(QStringLiteral("CAFE DE OLLA CON CANELA 12345.67"))) << pdf.toStdString();
    EXPECT_TRUE(pdf.contains(QStringLiteral("seis pesos 00/100 M.N."))) << pdf.toStdString();
}

TEST_F(Ticket, AmountsPastTheirFieldsPrintInFull)
{
    // A total of ten million or more and a dollar figure of ten thousand or more grow their fields.
    db.execute(QStringLiteral("UPDATE ProductosXCuenta SET Precio_Venta=123456789 WHERE ID_ProductosXCuenta=10008;"
                              "UPDATE ImpuestosXCuenta SET Monto_ImpuestosXCuenta=0 WHERE ID_ProductosXCuenta=10008;"));
    activaFuncion(10);
    RepDetCuentas* cuenta2 = detalle102(2);
    ASSERT_TRUE(cuenta2);
    const QString t = imprimeYLee(cuenta2);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("CAFE {16}123456789\\.00"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Total 123456789\\.00"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral(" {6}6172839\\.00 U\\.S\\.")));
    // The words wrap between words, where the blanks are dropped.
    const QStringList l = lineas(t);
    const int palabras = l.indexOf(QRegularExpression(QStringLiteral("^Ciento veinte.*")));
    ASSERT_GE(palabras, 0) << t.toStdString();
    EXPECT_EQ(l.mid(palabras, 4), (QStringList{QStringLiteral("Ciento veinte y tres millón"),
                                               QStringLiteral("cuatrocientos cincuenta y seis"),
                                               QStringLiteral("mil setecientos ochenta y nueve"),
                                               QStringLiteral("pesos 00/100 M.N.")}));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(impresiones(102, 2), 1);
}

TEST_F(Ticket, FailuresLeaveNoJobAndNoCount)
{
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);

    db.execute(QStringLiteral("UPDATE Impresora SET EsDeCheques=0"));
    imprime(detalle);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No hay definidas impresoras locales en esta terminal")});
    db.execute(QStringLiteral("UPDATE Impresora SET EsDeCheques=1"));
    boxes.clear();

    db.execute(QStringLiteral("DELETE FROM Empresas"));
    imprime(detalle);
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().first().startsWith(QStringLiteral("Error al imprimir el ticket: ")));
    EXPECT_TRUE(boxes.texts().first().contains(QStringLiteral("Empresas"))) << boxes.texts().first().toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ColaImpresion")).toInt(), 0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Detallecolaimpresion")).toInt(), 0);
    EXPECT_EQ(impresiones(101, 1), 0);
    EXPECT_TRUE(impresion.jobs.isEmpty());
    bool registrado = false;
    for (const QFileInfo& f : QDir(paths::toLocal(QStringLiteral("C:\\plimo"))).entryInfoList(QDir::Files)) {
        QFile log(f.absoluteFilePath());
        if (log.open(QIODevice::ReadOnly) && QString::fromUtf8(log.readAll()).contains(QStringLiteral("Imprimir ticket ")))
            registrado = true;
    }
    EXPECT_TRUE(registrado);
}

TEST_F(Ticket, EmptyCheckColumnsAndADeletedWaiterStillPrint)
{
    db.execute(QStringLiteral("UPDATE Comanda SET CantHuespedes=NULL WHERE ID_Comanda=101;"
                              "UPDATE Cuenta SET Num_Impresiones=NULL WHERE ID_Comanda=101;"
                              "UPDATE Empresas SET Telefono1=NULL, Estado=NULL;"
                              "DELETE FROM Empleado WHERE ID_Empleado=101;"));
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    const QString t = imprimeYLee(detalle);
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesero: {14}31/ene/2025"))) << t.toStdString();
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Mesa 5 {21}14:30")));
    EXPECT_TRUE(tieneLinea(t, QStringLiteral("Clientes: 0")));
    EXPECT_EQ(impresiones(101, 1), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(Ticket, ATicketWhoseReprintCannotBeCountedIsNotPrinted)
{
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    // The account is gone since the window opened: the count has no row, so no paper comes out.
    db.execute(QStringLiteral("DELETE FROM Cuenta WHERE ID_Comanda=101"));
    imprime(detalle);
    EXPECT_TRUE(impresion.jobs.isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ColaImpresion")).toInt(), 0);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Error al imprimir el ticket: No se pudo registrar la reimpresión del ticket")});
}

// The reprint counts only a ticket that reached the printer's queue, and says what the print
// system said of it.
TEST_F(Ticket, TheReprintCountFollowsWhatThePrintSystemDidWithTheTicket)
{
    struct Caso {
        const char* nombre;
        printsystem::QueueState cola;
        printsystem::JobFate suerte;
        int cuenta;       // what the reprint count gains
        QString mensaje;  // the box shown ("" none); a file's path follows "se guardó en "
    };
    using printsystem::Fate;
    using Answer = printsystem::QueueState::Answer;
    printsystem::QueueState noAcepta = ScriptedPrintSystem::answer(Answer::Ready);
    noAcepta.accepting = false;
    noAcepta.message = QStringLiteral("sin papel");
    const QList<Caso> casos{
        {"impreso", ScriptedPrintSystem::answer(Answer::Ready), {Fate::Printed, 0, QString()}, 1, QString()},
        {"rechazado", ScriptedPrintSystem::answer(Answer::Ready), {Fate::Refused, 0, QStringLiteral("sin papel")}, 0,
         QStringLiteral("Error al imprimir el ticket: La impresora TICKETS no aceptó el trabajo: sin papel")},
        {"cola que no acepta", noAcepta, {Fate::Printed, 0, QString()}, 0,
         QStringLiteral("Error al imprimir el ticket: La impresora TICKETS no acepta trabajos: sin papel")},
        {"detenida", ScriptedPrintSystem::answer(Answer::Ready), {Fate::Held, 0, QStringLiteral("sin papel")}, 1,
         QStringLiteral("La impresora TICKETS está detenida: sin papel. El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.")},
        {"servidor colgado", ScriptedPrintSystem::answer(Answer::NoAnswer), {Fate::Printed, 0, QString()}, 0,
         QStringLiteral("Error al imprimir el ticket: El sistema de impresión no respondió en 5 segundos: no se pudo imprimir en la impresora TICKETS")},
        {"sin esa impresora", ScriptedPrintSystem::answer(Answer::Missing), {Fate::Printed, 0, QString()}, 1,
         QStringLiteral("No hay una impresora del sistema llamada TICKETS: el ticket se guardó en ")},
    };
    RepDetCuentas* detalle = detalle101();
    ASSERT_TRUE(detalle);
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        impresion.queues.insert(QStringLiteral("TICKETS"), caso.cola);
        impresion.fate = caso.suerte;
        boxes.clear();
        const int antes = impresiones(101, 1);
        imprime(detalle);
        EXPECT_EQ(impresiones(101, 1), antes + caso.cuenta);
        EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ColaImpresion WHERE Cerrado=0")).toInt(), 0);
        if (caso.mensaje.isEmpty()) {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
            continue;
        }
        ASSERT_EQ(boxes.texts().size(), 1);
        const QString texto = boxes.texts().first();
        EXPECT_TRUE(texto.startsWith(caso.mensaje)) << texto.toStdString();
        if (texto.contains(QStringLiteral("se guardó en "))) {
            const QString archivo = texto.section(QStringLiteral("se guardó en "), 1);
            EXPECT_TRUE(archivo.startsWith(root.path())) << archivo.toStdString();
            EXPECT_TRUE(QFile::exists(archivo)) << archivo.toStdString();
        }
    }
}

TEST_F(Ticket, ACheckIdOfZeroPrintsNothing)
{
    CtlTrabajos trabajos(g_ClsAdo().conexion());
    EXPECT_FALSE(ImprimeTicket(trabajos, 0, 1, 3));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM ColaImpresion")).toInt(), 0);
}

TEST_F(Ticket, TheProcedureGroupsByProductAndUnitPrice)
{
    EXPECT_EQ(filas(QStringLiteral("ImprimirTicket 101,3,1")),
              (QStringList{QStringLiteral("10001 | HAMBURGUESA | 1 | 127.00 | 109.48 | 17.52 | 127.00 | 109.48"),
                           QStringLiteral("10002 | HAMBURGUESA | 1 | 116.00 | 100.00 | 16.00 | 116.00 | 100.00"),
                           QStringLiteral("10003 | REFRESCO | 2 | 29.00 | 25.00 | 8.00 | 58.00 | 50.00")}));
    // Another control of the same check has nothing.
    EXPECT_TRUE(filas(QStringLiteral("ImprimirTicket 101,4,1")).isEmpty());
    {
        // One check's rows, found by key: the reprint does not grow with the history.
        const testsupport::FullScans scans(db);
        filas(QStringLiteral("ImprimirTicket 102,3,1"));
        EXPECT_TRUE(scans.statements().isEmpty()) << scans.statements().join(QLatin1Char('\n')).toStdString();
    }
    // Every check's Precio adds up to its account's total.
    for (const auto& [comanda, cuenta, total] : {std::tuple{101, 1, 301.0}, std::tuple{102, 1, 170.0}, std::tuple{102, 2, 21.5}}) {
        double suma = 0;
        for (const QString& f : filas(QStringLiteral("ImprimirTicket %1,3,%2").arg(comanda).arg(cuenta)))
            suma += f.split(QStringLiteral(" | ")).at(6).toDouble();
        EXPECT_DOUBLE_EQ(suma, total) << comanda << "/" << cuenta;
    }
}

} // namespace
