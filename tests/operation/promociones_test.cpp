// Promotions: the record's checks and its rules with their groups.
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

enum Columna { Minimo = 3, Maximo, Obsequios, Descuento, GpoProm = 8, GpoObseq = 10, Modif = 11 };

class PromocionesTest : public OperationDb {
protected:
    void SetUp() override
    {
        appclock::setNow(QDateTime(QDate(2024, 2, 29), QTime(10, 30)));
        OperationDb::SetUp();
        // Keys out of name order, some beyond 16 bits.
        db.execute(QStringLiteral("INSERT INTO Grupo_Promocional VALUES (2, 'ALFA'), (40000, 'ZETA'), (3, 'BETA')"));
        db.execute(QStringLiteral("INSERT INTO Grupo_Obsequios VALUES (1, 'REFRESCO'), (70000, 'POSTRE')"));
    }
    void TearDown() override
    {
        OperationDb::TearDown();
        appclock::reset();
    }
    bool abreVentana() { return abre(QStringLiteral("mnuOpPromociones"), QStringLiteral("OpPromociones")) != nullptr; }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(QLatin1String(nombre)); }
    QDateEdit* fecha(const char* nombre) const { return control<QDateEdit>(QLatin1String(nombre)); }
    QTabWidget* sstFolder() const { return control<QTabWidget>(QStringLiteral("sstFolder")); }
    grid::Grid* sprDetalle() const { return control<grid::Grid>(QStringLiteral("sprDetalle")); }
    static bool tieneFoco(QWidget* w)
    {
        QWidget* foco = QApplication::focusWidget();
        return foco && (foco == w || w->isAncestorOf(foco));
    }
    void guardaPromocion()
    {
        db.execute(QStringLiteral(
            "INSERT INTO Promocion (ID_Promocion, Nombre_Promocion, Tipo_Promocion, Fecha_Inicio_Promocion, "
            "Fecha_Fin_Promocion, Activo) VALUES (1, '2X1', 'M', '2024-02-01 00:00:00', '2024-12-31 00:00:00', 1), "
            "(2, 'HAPPY', 'P', '2024-02-01 00:00:00', '2024-12-31 00:00:00', 0)"));
        db.execute(QStringLiteral("INSERT INTO Detalle_Promocion VALUES (1, 1, 2, 3, 1, 5, 2, 1), "
                                  "(2, 1, 4, NULL, 2, NULL, 3, 70000), (3, 1, 1, NULL, NULL, NULL, NULL, NULL)"));
    }
    QStringList promociones()
    {
        return filas(QStringLiteral(
            "SELECT ID_Promocion, Nombre_Promocion, Tipo_Promocion, CantMesa, CAST(Fecha_Inicio_Promocion AS TEXT), "
            "CAST(Fecha_Fin_Promocion AS TEXT), Activo FROM Promocion ORDER BY 1"));
    }
    QStringList reglas() { return filas(QStringLiteral("SELECT * FROM Detalle_Promocion ORDER BY 1")); }
    QStringList columna(int c) const
    {
        QStringList out;
        for (int r = 1; r <= sprDetalle()->rowCount(); ++r)
            out << sprDetalle()->text(r, c);
        return out;
    }
};

TEST_F(PromocionesTest, ANewPromotionIsCheckedFieldByFieldOnItsOwnTab)
{
    ASSERT_TRUE(abreVentana());
    sstFolder()->setCurrentIndex(1);
    pulsa(Qt::Key_Insert);
    EXPECT_EQ(sstFolder()->currentIndex(), 0);
    EXPECT_EQ(fecha("dtpInicio")->date(), QDate(2024, 2, 29));
    EXPECT_EQ(fecha("dtpFinal")->date(), QDate(2024, 2, 29));
    EXPECT_FALSE(control<QCheckBox>(QStringLiteral("chkActivo"))->isChecked());

    // The user looks at the rules, then accepts.
    sstFolder()->setCurrentIndex(1);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    EXPECT_EQ(sstFolder()->currentIndex(), 0);
    EXPECT_TRUE(tieneFoco(caja("TxtNombre")));

    teclea(caja("TxtNombre"), QStringLiteral("2x1"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Tipo"));
    EXPECT_TRUE(tieneFoco(control(QStringLiteral("cmbTipo"))));

    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("cmbTipo")), QStringLiteral("Rango")));
    fecha("dtpFinal")->setDate(QDate(2024, 2, 28));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("La fecha final no puede ser menor a la inicial"));
    EXPECT_EQ(boxes.boxes().last().icon(), ui::Exclamation);
    EXPECT_TRUE(tieneFoco(fecha("dtpInicio")));

    fecha("dtpFinal")->setDate(QDate(2024, 3, 31));
    caja("txtCantidadXMesa")->insert(QStringLiteral("1.5"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("El campo de Cant. X Mesa debe ser un número entero"));
    EXPECT_EQ(boxes.texts().size(), 4);
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Promocion")), 0);

    reemplaza(caja("txtCantidadXMesa"), QString());
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 4);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(promociones(),
              QStringList{QStringLiteral("1|2X1|R|NULL|2024-02-29 00:00:00|2024-03-31 00:00:00|0")});
}

TEST_F(PromocionesTest, ANewRuleStoresTheGroupsPickedByNameAndNullForEmptyCells)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(caja("TxtNombre"), QStringLiteral("2x1"));
    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("cmbTipo")), QStringLiteral("Minimo")));
    sstFolder()->setCurrentIndex(1);
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    escribeCelda(sprDetalle(), 1, Minimo, QStringLiteral("2"));
    escribeCelda(sprDetalle(), 1, Obsequios, QStringLiteral("1"));
    escribeCelda(sprDetalle(), 1, Descuento, QStringLiteral("10"));
    eligeCombo(sprDetalle(), 1, GpoProm, 2);
    eligeCombo(sprDetalle(), 1, GpoObseq, 0);
    // A row added and dropped in the same edit leaves nothing.
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    sprDetalle()->setActiveCell(2, Minimo);
    teclaEnGrid(sprDetalle(), Qt::Key_Delete);
    EXPECT_EQ(sprDetalle()->rowCount(), 1);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(reglas(), QStringList{QStringLiteral("1|1|2|NULL|1|10|40000|70000")});
    EXPECT_EQ(columna(GpoProm), QStringList{QStringLiteral("ZETA")});
    EXPECT_EQ(columna(GpoObseq), QStringList{QStringLiteral("POSTRE")});
    EXPECT_EQ(columna(Modif), QStringList{QString()});
}

TEST_F(PromocionesTest, RulesLeftEmptyAreNotStored)
{
    guardaPromocion();
    ASSERT_TRUE(abreVentana());
    const QStringList guardadas = reglas();
    // In a change, two rows appended and left empty around one with a discount.
    pulsa(Qt::Key_F6);
    sstFolder()->setCurrentIndex(1);
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    escribeCelda(sprDetalle(), 5, Descuento, QStringLiteral("15"));
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(reglas(), guardadas + QStringList{QStringLiteral("4|1|NULL|NULL|NULL|15|NULL|NULL")});

    // A new promotion with only an empty rule has no rule.
    caja("TxtNombre")->setFocus();
    pulsa(Qt::Key_Insert);
    teclea(caja("TxtNombre"), QStringLiteral("vacia"));
    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("cmbTipo")), QStringLiteral("Rango")));
    sstFolder()->setCurrentIndex(1);
    teclaEnGrid(sprDetalle(), Qt::Key_Insert);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM Promocion WHERE Nombre_Promocion='VACIA'")).toInt(), 1);
    EXPECT_EQ(reglas().size(), guardadas.size() + 1);
    EXPECT_EQ(sprDetalle()->rowCount(), 0);
}

TEST_F(PromocionesTest, AStoredRuleChangesByItsComboAndGoesOnlyWhenSaved)
{
    guardaPromocion();
    ASSERT_TRUE(abreVentana());
    // A rule without groups shows too.
    EXPECT_EQ(columna(GpoProm), (QStringList{QStringLiteral("ALFA"), QStringLiteral("BETA"), QString()}));
    EXPECT_EQ(columna(GpoObseq), (QStringList{QStringLiteral("REFRESCO"), QStringLiteral("POSTRE"), QString()}));
    const QStringList guardadas = reglas();

    pulsa(Qt::Key_F6);
    sstFolder()->setCurrentIndex(1);
    sprDetalle()->setActiveCell(2, Minimo);
    teclaEnGrid(sprDetalle(), Qt::Key_Delete);
    EXPECT_TRUE(sprDetalle()->isRowHidden(2));
    caja("TxtNombre")->setFocus();
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(sprDetalle()->rowCount(), 3);
    EXPECT_FALSE(sprDetalle()->isRowHidden(2));
    EXPECT_EQ(reglas(), guardadas);

    pulsa(Qt::Key_F6);
    sstFolder()->setCurrentIndex(1);
    eligeCombo(sprDetalle(), 1, GpoObseq, 0);
    sprDetalle()->setActiveCell(2, Minimo);
    teclaEnGrid(sprDetalle(), Qt::Key_Delete);
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('/')).toStdString();
    EXPECT_EQ(reglas(), (QStringList{QStringLiteral("1|1|2|3|1|5|2|70000"),
                                     QStringLiteral("3|1|1|NULL|NULL|NULL|NULL|NULL")}));
    EXPECT_EQ(sprDetalle()->rowCount(), 2);
}

TEST_F(PromocionesTest, APromotionGoesWithItsRulesAndItsNameIsItsOwn)
{
    guardaPromocion();
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(caja("TxtNombre"), QStringLiteral("happy"));
    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("cmbTipo")), QStringLiteral("Rango")));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre de la promoción")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Promociones"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    pulsa(Qt::Key_Escape);

    boxes.clear();
    ventanaAbierta->BotonPrimerRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(promociones().size(), 1);
    EXPECT_EQ(cuenta(QStringLiteral("Detalle_Promocion")), 0);
    // Nothing holds the groups any more.
    db.execute(QStringLiteral("DELETE FROM Grupo_Promocional"));
    db.execute(QStringLiteral("DELETE FROM Grupo_Obsequios"));
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Promocional")) + cuenta(QStringLiteral("Grupo_Obsequios")), 0);

    EXPECT_EQ(filtra(QStringLiteral("Tipo")), QStringList{QStringLiteral("Porcentaje")});
}

} // namespace
