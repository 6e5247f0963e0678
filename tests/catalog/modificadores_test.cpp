// Modifiers and modifier groups, driven through the real main window.
#include "catalog/msk_precio.h"
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "platform/grid/grid.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "tests/foundation/forms/typing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kNoEsNumero = QStringLiteral("El campo de Precio debe ser un número");
const QString kDemasiadoGrande = QStringLiteral("El precio es demasiado grande");

TEST(QuitarFormato, KeepsTheDigitsAndPointsInTheirOrder)
{
    EXPECT_EQ(MskPrecio::Quitar_Formato(QStringLiteral("$1,234.50")), QStringLiteral("1234.50"));
    EXPECT_EQ(MskPrecio::Quitar_Formato(QStringLiteral("($ 12.5)_")), QStringLiteral("12.5"));
    EXPECT_EQ(MskPrecio::Quitar_Formato(QStringLiteral("-1.2.3")), QStringLiteral("1.2.3"));
    EXPECT_EQ(MskPrecio::Quitar_Formato(QStringLiteral("$,")), QString());
}

TEST(MskPrecioValores, AStoredAmountShowsAsCurrencyAndBindsAsItsPlainNumber)
{
    const struct {
        const char* guardado;
        const char* mostrado;
        const char* valor;
    } casos[] = {{"1234.5", "$1,234.50", "1234.50"}, {"0", "$0.00", "0.00"}, {"1e-05", "$0.00", "0.00"},
                 {"", "", ""}, {"1.2.3", "1.2.3", "1.2.3"}};
    MskPrecio caja;
    for (const auto& c : casos) {
        caja.setPlainValue(QLatin1String(c.guardado));
        EXPECT_EQ(caja.text(), QLatin1String(c.mostrado)) << c.guardado;
        EXPECT_EQ(caja.plainValue(), QLatin1String(c.valor)) << c.guardado;
    }
}

class ModificadoresTest : public CatalogDb {
protected:
    bool abreVentana() { return abre(QStringLiteral("mnuOpModificadores"), QStringLiteral("OpTipoModificador")); }
    QLineEdit* txtId() const { return control<QLineEdit>(QStringLiteral("txtId")); }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QComboBox* CmbEstado() const { return control<QComboBox>(QStringLiteral("CmbEstado")); }
    MskPrecio* precio() const { return control<MskPrecio>(QStringLiteral("MskPrecio")); }
    void elige(const QString& palabra)
    {
        const int i = CmbEstado()->findText(palabra);
        CmbEstado()->setCurrentIndex(i);
        emit CmbEstado()->activated(i);
    }
    void nuevo(const QString& nombre, const QString& estado, const QString& importe)
    {
        pulsa(Qt::Key_Insert);
        teclea(TxtNombre(), nombre);
        elige(estado);
        reemplaza(precio(), importe);
        pulsa(Qt::Key_F5);
    }
    // Leaves the price box for the name, as Tab or a click does.
    void salePrecio()
    {
        TxtNombre()->setFocus();
        QApplication::processEvents();
    }
    QStringList modificadores() { return filas(QStringLiteral("SELECT * FROM Tipo_Modificador ORDER BY 1")); }
    QStringList miembros()
    {
        return filas(QStringLiteral("SELECT * FROM TiposXGrupo_Modificadores ORDER BY 1, 2"));
    }
};

TEST_F(ModificadoresTest, ANewModifierGetsTheNextKeyAndStoresTheAmountShown)
{
    ASSERT_TRUE(abreVentana());
    nuevo(QStringLiteral("papas extra"), QStringLiteral("Activo"), QStringLiteral("12.50"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(modificadores(), QStringList{QStringLiteral("1|PAPAS EXTRA|A|12.5")});
    EXPECT_EQ(precio()->text(), QStringLiteral("$12.50"));
    EXPECT_EQ(CmbEstado()->currentText(), QStringLiteral("Activo"));

    nuevo(QStringLiteral("refresco"), QStringLiteral("Descontinuado"), QStringLiteral("1234.5"));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(modificadores().last(), QStringLiteral("2|REFRESCO|D|1234.5"));
    EXPECT_EQ(txtId()->text(), QStringLiteral("2"));
    EXPECT_EQ(precio()->text(), QStringLiteral("$1,234.50"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));

    // A third of a cent is not shown, so it is not stored either.
    nuevo(QStringLiteral("salsa"), QStringLiteral("Suspendido"), QStringLiteral("0.333"));
    EXPECT_EQ(modificadores().last(), QStringLiteral("3|SALSA|S|0.33"));
    EXPECT_EQ(precio()->text(), QStringLiteral("$0.33"));
}

TEST_F(ModificadoresTest, ThePriceTakesDigitsAndPointsOnlyAndAtMostFifteenOfThem)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("papas"));
    precio()->setFocus();
    teclea(precio(), QStringLiteral("a-1b2.5,x $"));
    EXPECT_EQ(precio()->text(), QStringLiteral("12.5"));
    QTest::keyClick(precio(), Qt::Key_Backspace);
    EXPECT_EQ(precio()->text(), QStringLiteral("12.5"));
    salePrecio();
    EXPECT_EQ(precio()->text(), QStringLiteral("$12.50"));
    precio()->setFocus();
    EXPECT_EQ(precio()->text(), QStringLiteral("12.5"));

    const struct {
        const char* tecleado;
        bool cabe;
    } casos[] = {{"123456789012345", true}, {"1234567890123.5", true}, {"1234567890123456", false},
                 {"1234567890123.45", false}, {"...............", true}};
    for (const auto& c : casos) {
        boxes.clear();
        reemplaza(precio(), QLatin1String(c.tecleado));
        salePrecio();
        if (c.cabe) {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.tecleado;
            EXPECT_TRUE(TxtNombre()->hasFocus()) << c.tecleado;
        } else {
            EXPECT_EQ(boxes.texts(), QStringList{kDemasiadoGrande}) << c.tecleado;
            EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
            EXPECT_TRUE(precio()->text().isEmpty()) << c.tecleado;
            EXPECT_TRUE(precio()->hasFocus()) << c.tecleado;
        }
    }

    // Accepted without leaving the box, the long price is refused all the same.
    boxes.clear();
    elige(QStringLiteral("Activo"));
    reemplaza(precio(), QStringLiteral("9999999999999999"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{kDemasiadoGrande});
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Tipo_Modificador")), 0);
}

TEST_F(ModificadoresTest, MissingFieldsInTurnAndAPriceThatIsNoNumberWriteNothing)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    EXPECT_TRUE(TxtNombre()->hasFocus());
    teclea(TxtNombre(), QStringLiteral("papas"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Estado"));
    EXPECT_TRUE(CmbEstado()->hasFocus());
    elige(QStringLiteral("Activo"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Precio"));
    EXPECT_TRUE(precio()->hasFocus());

    for (const char* tecleado : {"1.2.3", "."}) {
        boxes.clear();
        reemplaza(precio(), QLatin1String(tecleado));
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{kNoEsNumero}) << tecleado;
        EXPECT_TRUE(precio()->hasFocus()) << tecleado;
        EXPECT_TRUE(ventanaAbierta->Formas().Edicion()) << tecleado;
    }
    EXPECT_EQ(cuenta(QStringLiteral("Tipo_Modificador")), 0);
    reemplaza(precio(), QStringLiteral("5"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(modificadores(), QStringList{QStringLiteral("1|PAPAS|A|5")});
}

TEST_F(ModificadoresTest, AChangeStoresThePlainAmountAndARepeatedNameKeepsTheEdit)
{
    db.execute(QStringLiteral("INSERT INTO Tipo_Modificador VALUES (1, 'PAPAS', 'A', 10), (2, 'QUESO', 'S', 5)"));
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(precio()->text(), QStringLiteral("$10.00"));
    pulsa(Qt::Key_F6);
    elige(QStringLiteral("Descontinuado"));
    reemplaza(precio(), QStringLiteral("1234.5"));
    salePrecio();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(modificadores().first(), QStringLiteral("1|PAPAS|D|1234.5"));
    EXPECT_EQ(precio()->text(), QStringLiteral("$1,234.50"));

    TxtNombre()->setFocus();
    pulsa(Qt::Key_F6);
    reemplaza(precio(), QStringLiteral("1.2.3"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{kNoEsNumero});
    EXPECT_EQ(modificadores().first(), QStringLiteral("1|PAPAS|D|1234.5"));

    // A repeated name, on a change and on a new modifier alike.
    boxes.clear();
    reemplaza(precio(), QStringLiteral("3"));
    reemplaza(TxtNombre(), QStringLiteral("queso"));
    pulsa(Qt::Key_F5);
    pulsa(Qt::Key_Escape);
    nuevo(QStringLiteral("Queso"), QStringLiteral("Activo"), QStringLiteral("1"));
    ASSERT_EQ(boxes.texts(), QStringList(2, QStringLiteral("Ya existe el nombre del modificador")));
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Modificadores"));
    EXPECT_EQ(boxes.boxes().last().caption, QStringLiteral("Modificadores"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(modificadores(), (QStringList{QStringLiteral("1|PAPAS|D|1234.5"), QStringLiteral("2|QUESO|S|5")}));
}

TEST_F(ModificadoresTest, ADeletedModifierLeavesEveryGroupAndItsKeyIsNotGivenAgain)
{
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE DELETE ON Tipo_Modificador WHEN OLD.Precio_Tipo_Modificador "
                              "> 100 BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    nuevo(QStringLiteral("papas"), QStringLiteral("Activo"), QStringLiteral("10"));
    nuevo(QStringLiteral("queso"), QStringLiteral("Activo"), QStringLiteral("5"));
    db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) "
                              "VALUES (1, 'EXTRAS'), (2, 'LACTEOS')"));
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 1), (1, 2), (2, 2)"));
    ASSERT_EQ(txtId()->text(), QStringLiteral("2"));
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(modificadores(), QStringList{QStringLiteral("1|PAPAS|A|10")});
    EXPECT_EQ(miembros(), QStringList{QStringLiteral("1|1")});

    nuevo(QStringLiteral("crema"), QStringLiteral("Activo"), QStringLiteral("500"));
    EXPECT_EQ(txtId()->text(), QStringLiteral("3"));
    EXPECT_EQ(miembros(), QStringList{QStringLiteral("1|1")});

    // A delete that the database refuses keeps the memberships too.
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (2, 3)"));
    boxes.clear();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("2|3")}));
    EXPECT_EQ(cuenta(QStringLiteral("Tipo_Modificador")), 2);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

TEST_F(ModificadoresTest, FilteringOnTheStateComparesTheCodeAndShowsTheWord)
{
    db.execute(QStringLiteral("INSERT INTO Tipo_Modificador VALUES (1, 'PAPAS', 'A', 10), (2, 'QUESO', 'S', 5), "
                              "(3, 'CREMA', 'A', 7)"));
    ASSERT_TRUE(abreVentana());
    QStringList estados;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        filtro->CmdSelecciionarTodos->click();
        filtro->CmbCampos->setCurrentText(QStringLiteral("Estado"));
        filtro->TxtCondicion->setText(QStringLiteral("A"));
        filtro->CmdEjecutar->click();
        adodb::Recordset r = filtro->resultado();
        for (; r.isOpen() && !r.eof(); r.moveNext())
            estados << r.value(QStringLiteral("Estado_Modificador")).toString();
    });
    ASSERT_TRUE(click(18));
    EXPECT_EQ(estados, (QStringList{QStringLiteral("Activo"), QStringLiteral("Activo")}));
}

// --- Modifier groups -------------------------------------------------------------------------------

class GruposTest : public CatalogDb {
protected:
    void SetUp() override
    {
        CatalogDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO Tipo_Modificador VALUES (1, 'PAPAS', 'A', 10), (2, 'QUESO', 'A', 5)"));
    }
    bool abreVentana() { return abre(QStringLiteral("mnuOpGpoModificadores"), QStringLiteral("OpGpoModificadores")); }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QCheckBox* chk(const char* nombre) const { return control<QCheckBox>(QLatin1String(nombre)); }
    grid::Grid* g() const { return control<grid::Grid>(QStringLiteral("sprModificadores")); }
    QStringList grupos() { return filas(QStringLiteral("SELECT * FROM Grupo_Modificadores ORDER BY 1")); }
    QStringList miembros()
    {
        return filas(QStringLiteral("SELECT * FROM TiposXGrupo_Modificadores ORDER BY 1, 2"));
    }
};

TEST_F(GruposTest, ANewGroupStartsActiveAndStoresEachMemberOnceWithoutAMessage)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(chk("chkActivo")->isChecked());
    EXPECT_FALSE(chk("chkFluir")->isChecked());
    EXPECT_EQ(g()->rowCount(), 0);
    teclea(TxtNombre(), QStringLiteral("extras"));
    chk("chkFluir")->click();
    for (int i = 0; i < 5; ++i)
        teclaEnGrid(g(), Qt::Key_Insert);
    // Each key is looked up when the cursor leaves its row.
    for (const auto& [row, clave] : {std::pair{1, "1"}, {2, "2"}, {3, "1"}, {5, "99"}}) {
        escribeCelda(g(), row, 1, QLatin1String(clave));
        teclaEnGrid(g(), row < 5 ? Qt::Key_Down : Qt::Key_Up);
    }
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("La clave del modificador no existe")});
    EXPECT_TRUE(g()->text(5, 1).isEmpty());
    EXPECT_EQ(g()->text(2, 2), QStringLiteral("QUESO"));

    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().size(), 1) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(grupos(), QStringList{QStringLiteral("1|EXTRAS|1|1")});
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|2")}));
    EXPECT_EQ(g()->rowCount(), 2);
}

TEST_F(GruposTest, ARefusedRenameOrDeleteKeepsTheStoredMembers)
{
    db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores VALUES (1, 'EXTRAS', 0, 1), (2, 'SALSAS', 1, 1)"));
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 1), (2, 2)"));
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Grupo_Modificadores) "
                              "VALUES (1, 'TACOS', 1)"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("salsas"));
    chk("chkActivo")->click();
    g()->setActiveCell(1, 1);
    teclaEnGrid(g(), Qt::Key_Delete);
    teclaEnGrid(g(), Qt::Key_Insert);
    escribeCelda(g(), 1, 1, QStringLiteral("2"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre del grupo de modificadores")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Grupos de Modificadores"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|1"), QStringLiteral("2|2")}));
    EXPECT_EQ(g()->text(1, 2), QStringLiteral("QUESO"));

    // Corrected, the group and its members are stored together.
    reemplaza(TxtNombre(), QStringLiteral("lacteos"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(grupos().first(), QStringLiteral("1|LACTEOS|0|0"));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|2"), QStringLiteral("2|2")}));

    boxes.clear();
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts().at(1).startsWith(
        QStringLiteral("No se puede borrar este registro por estar en uso en la tabla ")));
    EXPECT_TRUE(boxes.texts().at(1).contains(QStringLiteral("Producto")));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|2"), QStringLiteral("2|2")}));
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 2);
}

} // namespace
