// Payment types: the class pair, the drawer flag, the filter's words.
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

class TiposPagoTest : public OperationDb {
protected:
    bool abreVentana() { return abre(QStringLiteral("mnuOpTipoPago"), QStringLiteral("OpTipoPago")) != nullptr; }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QComboBox* CmbClase() const { return control<QComboBox>(QStringLiteral("CmbClase")); }
    QCheckBox* chkAbrir() const { return control<QCheckBox>(QStringLiteral("chkAbrir")); }
    QStringList tipos() { return filas(QStringLiteral("SELECT * FROM Tipo_Pago ORDER BY 1")); }
};

TEST_F(TiposPagoTest, ANewTypeOpensTheDrawerAndNeedsANameThenAClass)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(chkAbrir()->isChecked());
    EXPECT_EQ(CmbClase()->currentIndex(), -1);
    EXPECT_EQ(entradas(CmbClase()), (QStringList{QStringLiteral("Efectivo"), QStringLiteral("Tarjeta Crédito"),
                                                 QStringLiteral("Débito"), QStringLiteral("Cheque"),
                                                 QStringLiteral("Otro")}));
    // Neither name nor class: only the name is asked for.
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});

    teclea(TxtNombre(), QStringLiteral("vales"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Clase"));
    EXPECT_EQ(boxes.boxes().last().icon(), ui::Exclamation);
    EXPECT_TRUE(CmbClase()->hasFocus());
    EXPECT_EQ(cuenta(QStringLiteral("Tipo_Pago")), 0);

    ASSERT_TRUE(elige(CmbClase(), QStringLiteral("Débito")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(tipos(), QStringList{QStringLiteral("1|VALES|D|1")});
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());

    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("tarjeta"));
    ASSERT_TRUE(elige(CmbClase(), QStringLiteral("Tarjeta Crédito")));
    chkAbrir()->setChecked(false);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(tipos().last(), QStringLiteral("2|TARJETA|T|0"));
}

TEST_F(TiposPagoTest, AClassOutsideTheListShowsNoneAndItsChangeIsRefusedUntilOneIsPicked)
{
    db.execute(QStringLiteral("INSERT INTO Tipo_Pago VALUES (1, 'CHEQUE', 'C', 0), (2, 'VALES', 'X', 1)"));
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonPrimerRegistro();
    EXPECT_EQ(CmbClase()->currentText(), QStringLiteral("Cheque"));
    ventanaAbierta->BotonUltimoRegistro();
    EXPECT_EQ(CmbClase()->currentIndex(), -1);

    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("vales d'casa"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Clase")});
    EXPECT_EQ(tipos().last(), QStringLiteral("2|VALES|X|1"));

    ASSERT_TRUE(elige(CmbClase(), QStringLiteral("Otro")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(tipos().last(), QStringLiteral("2|VALES D'CASA|O|1"));
}

TEST_F(TiposPagoTest, TheFilterReadsOtroForAnyClassOutsideTheListAndComparesTheLetter)
{
    db.execute(QStringLiteral("INSERT INTO Tipo_Pago VALUES (1, 'EFECTIVO', 'E', 1), (2, 'OTROS', 'O', 0), "
                              "(3, 'VALES', 'X', 0), (4, 'DOLARES', 'E', 1)"));
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(filtra(QStringLiteral("Clase")), (QStringList{QStringLiteral("Efectivo"), QStringLiteral("Otro"),
                                                            QStringLiteral("Otro"), QStringLiteral("Efectivo")}));
    EXPECT_EQ(filtra(QStringLiteral("Nombre_Tipo_Pago"), QStringLiteral("Clase"), QStringLiteral("E")),
              (QStringList{QStringLiteral("EFECTIVO"), QStringLiteral("DOLARES")}));
}

} // namespace
