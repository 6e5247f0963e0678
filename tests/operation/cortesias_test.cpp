// Courtesy types: their defaults, dates, numbers and products.
#include "foundation/database/cls_ado.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTabWidget>

namespace {

class CortesiasTest : public OperationDb {
protected:
    void SetUp() override
    {
        appclock::setNow(QDateTime(QDate(2024, 2, 29), QTime(10, 30)));
        OperationDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo) VALUES "
                                  "(10, 'TACO'), (11, 'SOPA'), (12, 'FLAN')"));
    }
    void TearDown() override
    {
        OperationDb::TearDown();
        appclock::reset();
    }
    bool abreVentana() { return abre(QStringLiteral("mnuOpCortesias"), QStringLiteral("OpCortesia")) != nullptr; }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(QLatin1String(nombre)); }
    QDateEdit* fecha(const char* nombre) const { return control<QDateEdit>(QLatin1String(nombre)); }
    grid::Grid* sprProductos() const { return control<grid::Grid>(QStringLiteral("sprProductos")); }
    // The user clicks the tab of the products.
    void muestraProductos() { control<QTabWidget>(QStringLiteral("sstFolder"))->setCurrentIndex(1); }
    // The dates as the database holds them.
    QStringList tipos()
    {
        return filas(QStringLiteral(
            "SELECT ID_Tipo_Cortesia, Nombre_Tipo_Cortesia, Tipo_Cortesia, Cantidad_Cortesia, Cantidad_Maxima, "
            "Sel_articulo, CAST(Fecha_Inicio_Cortesia AS TEXT), CAST(Fecha_Fin_Cortesia AS TEXT), Cortesia_Activa "
            "FROM Tipo_Cortesia ORDER BY 1"));
    }
    QStringList productos()
    {
        return filas(QStringLiteral("SELECT ID_Tipo_Cortesia, ID_Producto FROM ProductoXTipo_Cortesia ORDER BY 1, 2"));
    }
    void guardaTipos()
    {
        db.execute(QStringLiteral(
            "INSERT INTO Tipo_Cortesia VALUES (1, 'VIP', 'P', 10, 5, 1, '2024-02-29 00:00:00', '2025-02-28 00:00:00', 1),"
            " (2, 'GERENTE', 'F', 100, NULL, 0, '2024-01-01 00:00:00', '2024-12-31 00:00:00', 1)"));
        db.execute(QStringLiteral("INSERT INTO ProductoXTipo_Cortesia VALUES (1, 10), (1, 12), (2, 11)"));
    }
};

TEST_F(CortesiasTest, ANewTypeRunsAYearFromTodayAndIsStoredWithIsoDates)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkActivo"))->isChecked());
    EXPECT_TRUE(control<QCheckBox>(QStringLiteral("chkSeleccionar"))->isChecked());
    EXPECT_EQ(fecha("dtpInicio")->date(), QDate(2024, 2, 29));
    EXPECT_EQ(fecha("dtpFinal")->date(), QDate(2025, 2, 28));
    teclea(caja("TxtNombre"), QStringLiteral("vip"));
    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("cmbTipo")), QStringLiteral("Porcentaje")));
    teclea(caja("txtCantidad"), QStringLiteral("10"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(tipos(), QStringList{QStringLiteral("1|VIP|P|10|NULL|1|2024-02-29 00:00:00|2025-02-28 00:00:00|1")});
    EXPECT_EQ(caja("txtId")->text(), QStringLiteral("1"));
}

TEST_F(CortesiasTest, AMissingOrMalformedNumberWritesNothing)
{
    struct Caso {
        const char* nombre;
        const char* cantidad;
        const char* maximo;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"", "", "", "Falta el campo de Nombre"},
        {"vip", "", "5", "Falta el campo de Cantidad"},
        {"vip", "1.2.3", "", "El campo de Cantidad debe ser un número"},
        {"vip", "10", "1.2.3", "El campo de Cantidad Max. debe ser un número"},
    };
    ASSERT_TRUE(abreVentana());
    for (const Caso& c : casos) {
        boxes.clear();
        pulsa(Qt::Key_Insert);
        teclea(caja("TxtNombre"), QString::fromUtf8(c.nombre));
        teclea(caja("txtCantidad"), QString::fromUtf8(c.cantidad));
        teclea(caja("txtMaximo"), QString::fromUtf8(c.maximo));
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{QString::fromUtf8(c.mensaje)}) << c.mensaje;
        EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
        EXPECT_EQ(cuenta(QStringLiteral("Tipo_Cortesia")), 0);
        pulsa(Qt::Key_Escape);
    }
}

TEST_F(CortesiasTest, AChangeStoresIsoDatesInAnyOrderNullForNoMaximumAndEachProductOnce)
{
    guardaTipos();
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_F6);
    fecha("dtpInicio")->setDate(QDate(2024, 3, 5));
    fecha("dtpFinal")->setDate(QDate(2024, 3, 1));
    reemplaza(caja("txtMaximo"), QString());
    muestraProductos();
    escribeClaves(sprProductos(), {QStringLiteral("11"), QStringLiteral("11"), QString()});
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(tipos().first(), QStringLiteral("1|VIP|P|10|NULL|1|2024-03-05 00:00:00|2024-03-01 00:00:00|1"));
    EXPECT_EQ(productos(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11"), QStringLiteral("1|12"),
                                        QStringLiteral("2|11")}));
    EXPECT_EQ(sprProductos()->rowCount(), 3);
}

TEST_F(CortesiasTest, ATypeGoesWithItsProductsAndARefusedDeleteKeepsThem)
{
    guardaTipos();
    db.execute(QStringLiteral("CREATE TRIGGER NoBorrar BEFORE DELETE ON Tipo_Cortesia WHEN OLD.ID_Tipo_Cortesia=2 "
                              "BEGIN SELECT RAISE(ABORT, 'en uso'); END"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(tipos().size(), 1);
    EXPECT_EQ(productos(), QStringList{QStringLiteral("2|11")});
    EXPECT_EQ(caja("txtId")->text(), QStringLiteral("2"));
    EXPECT_EQ(sprProductos()->text(1, 2), QStringLiteral("SOPA"));

    boxes.clear();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 2) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(tipos().size(), 1);
    EXPECT_EQ(productos(), QStringList{QStringLiteral("2|11")});
    EXPECT_EQ(sprProductos()->rowCount(), 1);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

} // namespace
