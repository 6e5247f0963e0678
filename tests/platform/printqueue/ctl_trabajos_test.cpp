#include "platform/printqueue/ctl_trabajos.h"

#include "tests/support/central_db.h"

#include <QFile>

namespace {

class Cola : public CentralDbFixture {
protected:
    void SetUp() override
    {
        CentralDbFixture::SetUp();
        db.execute(QStringLiteral("INSERT INTO Terminal (ID_Terminal, Nombre_Terminal, Vereduda) VALUES (1, 'CAJA', 1);"
                                  "INSERT INTO Impresora (ID_Impresora, Nombre_Impresora, ID_Terminal, Redirigido, EsDeCheques)"
                                  " VALUES (1, 'NO EXISTE EN ESTA MAQUINA', 1, 1, 1);"));
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
};

TEST_F(Cola, AJobKeepsItsPiecesInOrderAndPrintsWhenClosed)
{
    CtlTrabajos cola(db);
    const qint32 trabajo = cola.AbrirTrabajo(QStringLiteral("T"), 1, QStringLiteral("System"));
    cola.AgregarLinea(trabajo, QStringLiteral("<B>Folio: 7</B>"));
    cola.AgregarLinea(trabajo, QStringLiteral("O'Brien\r\n"));
    EXPECT_EQ(piezas(trabajo), (QStringList{QStringLiteral("1:<B>Folio: 7</B>"), QStringLiteral("2:O'Brien\r\n")}));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Tipo || '|' || ID_Impresora || '|' || Usuario || '|' || Cerrado FROM ColaImpresion")).toString(),
              QStringLiteral("T|1|System|0"));
    EXPECT_FALSE(QFile::exists(CtlTrabajos::archivoTrabajo(trabajo)));
    cola.CerrarTrabajo(trabajo);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Cerrado FROM ColaImpresion WHERE ID_Trabajo=%1").arg(trabajo)).toInt(), 1);
    // No system printer of that name: the job goes to its PDF under the data root.
    QFile pdf(CtlTrabajos::archivoTrabajo(trabajo));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_TRUE(CtlTrabajos::archivoTrabajo(trabajo).startsWith(root.path()));

    // A closed job takes no more pieces and does not close twice.
    EXPECT_THROW(cola.AgregarLinea(trabajo, QStringLiteral("tarde")), adodb::ComError);
    EXPECT_THROW(cola.CerrarTrabajo(trabajo), adodb::ComError);
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
    EXPECT_FALSE(QFile::exists(CtlTrabajos::archivoTrabajo(trabajo)));
}

} // namespace
