// Categories, preparation modes and menus, driven through the real main window.
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/data_entry_window.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/multiline_text_box.h"
#include "mainwindow/mdi_principal.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/catalog/diseno.h"
#include "tests/foundation/forms/typing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kEnUso = QStringLiteral("No se puede borrar este registro por estar en uso en la tabla ");

const Diseno kCategorias{
    "mnuOpCategorias", "OpCategoria", "Categorías",
    {{"Id Categoria:", "txtId"}, {"Nombre:", "txtNombre"}, {"Tipo:", ""}},
    {{"txtId", "Identificador de la categoría"}, {"cmbTipo", "Tipo de la categoría"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "cmbTipo", "txtId"},
    {"Id Categoria|ID_Categoria|ID_Categoria", "Nombre|Nombre_Categoria|Nombre_Categoria",
     "Tipo|CASE Tipo_Categoria WHEN 'V' THEN 'Ventas' WHEN 'S' THEN 'Sugestivo' WHEN 'R' THEN 'Retail' WHEN 'N' THEN "
     "'Sin Ventas' END AS Tipo|Tipo_Categoria"}};

const Diseno kModos{
    "mnuOpModosDePreparacion", "OpModoPreparacion", "Modos de Preparación",
    {{"Id Modo:", "txtId"}, {"Nombre:", "txtNombre"}, {"Indicador:", "txtIndicador"}},
    {{"txtId", "Identificador del modo de preparación"}, {"TxtNombre", "Nombre del modo de preparación"},
     {"txtIndicador", "Indicador en la impresión de cocina para saber el modo de preparación"}},
    {{"TxtNombre", 25}, {"txtIndicador", 20}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"txtIndicador", "NoVacio"}},
    {"TxtNombre", "txtIndicador", "txtId"},
    {"Id Modo|ID_Modo_Preparacion|ID_Modo_Preparacion", "Nombre|Nombre_Modo_Preparacion|Nombre_Modo_Preparacion",
     "Indicador|Indicador|Indicador"}};

const Diseno kMenus{
    "mnuOpMenu", "OpMenu", "Menus",
    {{"Id Menu:", "txtId"}, {"Nombre:", "txtNombre"}, {"Descripción;", ""}},
    {},
    {{"TxtNombre", 25}, {"txtDescripcion", 150}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "txtDescripcion", "chkActivo", "txtId"},
    {"Id Menu|ID_Menu|ID_Menu", "Nombre|Nombre_Menu|Nombre_Menu", "Descripción|Descripcion|Descripcion",
     "Activo|Menu_Activo|Menu_Activo"}};

const Diseno kModificadores{
    "mnuOpModificadores", "OpTipoModificador", "Modificadores",
    {{"Id Tipo:", "txtId"}, {"Nombre:", "TxtNombre"}, {"Estado:", "CmbEstado"}, {"Precio:", ""}},
    {{"txtId", "Identificador del modificador"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"CmbEstado", "NoVacio"}},
    {"TxtNombre", "CmbEstado", "MskPrecio", "txtId"},
    {"Id Modificador|ID_Tipo_Modificador|ID_Tipo_Modificador",
     "Nombre|Nombre_Tipo_Modificador|Nombre_Tipo_Modificador",
     "Estado|CASE Estado_Modificador WHEN 'A' THEN 'Activo' WHEN 'S' THEN 'Suspendido' WHEN 'D' THEN 'Descontinuado' "
     "END AS Estado_Modificador|Estado_Modificador",
     "Precio|Precio_Tipo_Modificador|Precio_Tipo_Modificador"}};

const Diseno kGrupos{
    "mnuOpGpoModificadores", "OpGpoModificadores", "Grupos de Modificadores",
    {{"Id Grupo:", "txtId"}, {"Nombre:", "txtNombre"}},
    {{"txtId", "Identificador del grupo de modificadores"}, {"TxtNombre", "Nombre del grupo de modificadores"},
     {"chkFluir", "Indica si se debe pasar a la pantalla de selección de modificadores en automático"},
     {"chkActivo", "Indica si el modificador esta activo"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "chkFluir", "chkActivo"},
    {"Id Grupo|ID_Grupo_Modificadores|ID_Grupo_Modificadores",
     "Nombre|Nombre_Grupo_Modificadores|Nombre_Grupo_Modificadores", "Fluir Aut.|Fluir_automatico|Fluir_automatico",
     "Activo|Grupo_Mod_Activo|Grupo_Mod_Activo"}};

class DisenoTest : public CatalogDb, public ::testing::WithParamInterface<Diseno> {};

TEST_P(DisenoTest, CaptionsNamesRulesTabOrderAndFilterColumns)
{
    revisaDiseno(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Ventanas, DisenoTest, ::testing::Values(kCategorias, kModos, kMenus, kModificadores, kGrupos),
                         [](const ::testing::TestParamInfo<Diseno>& info) { return std::string(info.param.ventana); });

// --- Categories ---------------------------------------------------------------------------------

class CategoriasTest : public CatalogDb {
protected:
    // The window sees the rows stored when it opens.
    bool abreVentana() { return abre(QStringLiteral("mnuOpCategorias"), QStringLiteral("OpCategoria")) != nullptr; }
    QLineEdit* txtId() const { return control<QLineEdit>(QStringLiteral("txtId")); }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QComboBox* cmbTipo() const { return control<QComboBox>(QStringLiteral("cmbTipo")); }
    QLineEdit* TxtTipo() const { return control<QLineEdit>(QStringLiteral("TxtTipo")); }
    // Picks a word as the user does.
    void elige(const QString& palabra)
    {
        const int i = cmbTipo()->findText(palabra);
        cmbTipo()->setCurrentIndex(i);
        emit cmbTipo()->activated(i);
    }
    void nueva(const QString& nombre, const QString& tipo)
    {
        pulsa(Qt::Key_Insert);
        teclea(TxtNombre(), nombre);
        if (!tipo.isEmpty())
            elige(tipo);
        pulsa(Qt::Key_F5);
    }
    QStringList categorias() { return filas(QStringLiteral("SELECT * FROM Categoria ORDER BY ID_Categoria")); }
};

TEST_F(CategoriasTest, ANewCategoryGetsTheNextKeyItsNameInCapitalsAndItsTypesCode)
{
    ASSERT_TRUE(abreVentana());
    EXPECT_FALSE(cmbTipo()->isEnabled());
    EXPECT_FALSE(TxtTipo()->isVisible());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(cmbTipo()->isEnabled());
    EXPECT_EQ(cmbTipo()->currentIndex(), -1);
    EXPECT_EQ(cmbTipo()->count(), 4);
    teclea(TxtNombre(), QStringLiteral("pollo"));
    elige(QStringLiteral("Sin Ventas"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(categorias(), QStringList{QStringLiteral("1|POLLO|N")});
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    EXPECT_EQ(txtId()->text(), QStringLiteral("1"));
    EXPECT_EQ(cmbTipo()->currentText(), QStringLiteral("Sin Ventas"));
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());

    // Every word stores its own code, whatever keys exist already.
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (7, 'SIETE', 'V')"));
    nueva(QStringLiteral("res"), QStringLiteral("Retail"));
    nueva(QStringLiteral("sug"), QStringLiteral("Sugestivo"));
    nueva(QStringLiteral("ven"), QStringLiteral("Ventas"));
    EXPECT_EQ(categorias(), (QStringList{QStringLiteral("1|POLLO|N"), QStringLiteral("7|SIETE|V"),
                                         QStringLiteral("8|RES|R"), QStringLiteral("9|SUG|S"),
                                         QStringLiteral("10|VEN|V")}));
}

TEST_F(CategoriasTest, MissingNameThenMissingTypeAreReportedAndNothingIsWritten)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    elige(QStringLiteral("Ventas"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Nombre")});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(TxtNombre()->hasFocus());

    // A name of blanks is no name either; without a name and a type the name is asked for first.
    cmbTipo()->setCurrentIndex(-1);
    TxtTipo()->clear();
    teclea(TxtNombre(), QStringLiteral("  "));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Nombre"));

    teclea(TxtNombre(), QStringLiteral("pollo"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts().last(), QStringLiteral("Falta el campo de Tipo"));
    EXPECT_TRUE(cmbTipo()->hasFocus());
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(cuenta(QStringLiteral("Categoria")), 0);
}

TEST_F(CategoriasTest, ARepeatedNameIsRefusedInTheWindowsWordsAndACorrectedOneSaves)
{
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (1, 'POLLO', 'V')"));
    ASSERT_TRUE(abreVentana());
    nueva(QStringLiteral("pollo"), QStringLiteral("Retail"));
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre de la categoría")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Categorías"));
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("POLLO"));
    EXPECT_EQ(cmbTipo()->currentText(), QStringLiteral("Retail"));

    reemplaza(TxtNombre(), QStringLiteral("pescado"));
    pulsa(Qt::Key_F5);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(categorias(), (QStringList{QStringLiteral("1|POLLO|V"), QStringLiteral("2|PESCADO|R")}));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
}

TEST_F(CategoriasTest, AChangeStoresNameAndCodeAndARefusedOneKeepsTheEdit)
{
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (1, 'POLLO', 'V'), (2, 'CARNE', 'X')"));
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonRegistroSiguiente();
    // A code outside the list shows no word.
    EXPECT_EQ(TxtTipo()->text(), QStringLiteral("X"));
    EXPECT_EQ(cmbTipo()->currentIndex(), -1);
    ventanaAbierta->BotonPrimerRegistro();
    EXPECT_EQ(cmbTipo()->currentText(), QStringLiteral("Ventas"));

    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("pollo d'oro"));
    elige(QStringLiteral("Sugestivo"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(categorias().first(), QStringLiteral("1|POLLO D'ORO|S"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));

    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("carne"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre de la categoría")});
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("CARNE"));
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("POLLO D'ORO"));
    EXPECT_EQ(cmbTipo()->currentText(), QStringLiteral("Sugestivo"));
}

TEST_F(CategoriasTest, ACategoryThatAProductUsesIsNotDeleted)
{
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (1, 'POLLO', 'V'), (2, 'CARNE', 'V')"));
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Categoria) VALUES (1, 'ALAS', 1)"));
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonPrimerRegistro();
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    // The gateway quotes the table's name as the database's message does.
    EXPECT_EQ(boxes.texts().at(1), kEnUso + QStringLiteral("Producto"));
    EXPECT_EQ(boxes.boxes().at(1).icon(), ui::Critical);
    EXPECT_EQ(cuenta(QStringLiteral("Categoria")), 2);
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("POLLO"));

    ventanaAbierta->BotonUltimoRegistro();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(categorias(), QStringList{QStringLiteral("1|POLLO|V")});
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
}

TEST_F(CategoriasTest, FilteringOnTheTypeComparesTheCodeAndShowsTheWord)
{
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (1, 'POLLO', 'V'), (2, 'BOLSAS', 'R'), (3, 'CAFE', 'V')"));
    ASSERT_TRUE(abreVentana());
    QStringList columnas;
    QStringList tipos;
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        columnas = textos(filtro->LstCampos);
        filtro->CmdSelecciionarTodos->click();
        filtro->CmbCampos->setCurrentText(QStringLiteral("Tipo"));
        filtro->TxtCondicion->setText(QStringLiteral("V"));
        filtro->CmdEjecutar->click();
        adodb::Recordset r = filtro->resultado();
        for (; r.isOpen() && !r.eof(); r.moveNext())
            tipos << r.value(QStringLiteral("Tipo")).toString();
    });
    ASSERT_TRUE(click(18));
    EXPECT_EQ(columnas, (QStringList{QStringLiteral("Id Categoria"), QStringLiteral("Nombre"), QStringLiteral("Tipo")}));
    EXPECT_EQ(tipos, (QStringList{QStringLiteral("Ventas"), QStringLiteral("Ventas")}));
}

TEST_F(CategoriasTest, FindSearchesTheKeyAndTheNameButNotTheType)
{
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (1, 'POLLO', 'V'), (2, 'CARNE', 'V')"));
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonPrimerRegistro();
    cmbTipo()->setEnabled(true);
    cmbTipo()->setFocus();
    pulsa(Qt::Key_F3);
    EXPECT_EQ(FrmBusqueda::instancia(), nullptr);
    TxtNombre()->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    EXPECT_EQ(FrmBusqueda::instancia()->psCampo, QStringLiteral("Nombre_Categoria"));
    EXPECT_EQ(FrmBusqueda::instancia()->lblCampo()->text(), QStringLiteral("Nombre"));
    FrmBusqueda::instancia()->TxtCondicion()->setText(QStringLiteral("carne"));
    FrmBusqueda::instancia()->CmdBuscarPrimero()->click();
    EXPECT_EQ(txtId()->text(), QStringLiteral("2"));
}

// --- Preparation modes ----------------------------------------------------------------------------

class ModosTest : public CatalogDb {
protected:
    // The window sees the rows stored when it opens.
    bool abreVentana() { return abre(QStringLiteral("mnuOpModosDePreparacion"), QStringLiteral("OpModoPreparacion")) != nullptr; }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    QLineEdit* txtIndicador() const { return control<QLineEdit>(QStringLiteral("txtIndicador")); }
    QStringList modos() { return filas(QStringLiteral("SELECT * FROM Modo_Preparacion ORDER BY 1")); }
};

TEST_F(ModosTest, TheIndicatorKeepsItsSmallLettersAndTheKeyComesFromTheDatabase)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("bien cocido"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Indicador")});
    EXPECT_TRUE(txtIndicador()->hasFocus());
    EXPECT_EQ(cuenta(QStringLiteral("Modo_Preparacion")), 0);

    teclea(txtIndicador(), QStringLiteral("b/c d'la casa"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(modos(), QStringList{QStringLiteral("1|BIEN COCIDO|b/c d'la casa")});
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtId"))->text(), QStringLiteral("1"));

    // A deleted key is never handed out again.
    pulsa(Qt::Key_Delete);
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("term'o medio"));
    teclea(txtIndicador(), QStringLiteral("t/m"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(modos(), QStringList{QStringLiteral("2|TERM'O MEDIO|t/m")});
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("txtId"))->text(), QStringLiteral("2"));

    pulsa(Qt::Key_F6);
    reemplaza(txtIndicador(), QStringLiteral("o'k"));
    reemplaza(TxtNombre(), QStringLiteral("rojo"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(modos(), QStringList{QStringLiteral("2|ROJO|o'k")});
}

// After a save the focus is on the first field; the next Insert empties the boxes without checking
// them, so that what is typed at once goes into the name.
TEST_F(ModosTest, TypingRightAfterInsertFollowingASaveGoesIntoTheName)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("rojo"));
    QTest::keyClick(TxtNombre(), Qt::Key_Tab);
    teclea(txtIndicador(), QStringLiteral("r"));
    ASSERT_TRUE(txtIndicador()->hasFocus());
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(TxtNombre()->hasFocus());

    txtIndicador()->setFocus(Qt::MouseFocusReason);
    pulsa(Qt::Key_Insert);
    const auto escribe = [](const QString& texto) {
        for (const QChar c : texto)
            teclea(QApplication::focusWidget(), QString(c));
    };
    escribe(QStringLiteral("bien cocido"));
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    escribe(QStringLiteral("b/c"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(modos(), (QStringList{QStringLiteral("1|ROJO|r"), QStringLiteral("2|BIEN COCIDO|b/c")}));
}

TEST_F(ModosTest, ARepeatedNameIsRefusedWithTheModesMessage)
{
    db.execute(QStringLiteral("INSERT INTO Modo_Preparacion (Nombre_Modo_Preparacion, Indicador) VALUES ('ROJO', 'r')"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("rojo"));
    teclea(txtIndicador(), QStringLiteral("x"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el modo de preparación")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Modos de Preparación"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
}

// --- Menus ------------------------------------------------------------------------------------------

class MenusTest : public CatalogDb {
protected:
    // The window sees the rows stored when it opens.
    bool abreVentana() { return abre(QStringLiteral("mnuOpMenu"), QStringLiteral("OpMenu")) != nullptr; }
    QLineEdit* TxtNombre() const { return control<QLineEdit>(QStringLiteral("TxtNombre")); }
    MultiLineTextBox* txtDescripcion() const { return control<MultiLineTextBox>(QStringLiteral("txtDescripcion")); }
    QCheckBox* chkActivo() const { return control<QCheckBox>(QStringLiteral("chkActivo")); }
    QStringList menus() { return filas(QStringLiteral("SELECT * FROM Menu ORDER BY 1")); }
};

TEST_F(MenusTest, ANewMenuStartsActiveAndStoresZeroWhenCleared)
{
    // Keys of other tables play no part.
    db.execute(QStringLiteral("INSERT INTO Categoria VALUES (5, 'POLLO', 'V')"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    EXPECT_TRUE(chkActivo()->isChecked());
    EXPECT_TRUE(chkActivo()->isEnabled());
    teclea(TxtNombre(), QStringLiteral("comida"));
    pulsa(Qt::Key_F5);
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre(), QStringLiteral("cena"));
    teclea(txtDescripcion(), QStringLiteral("de 6 a 11"));
    chkActivo()->setChecked(false);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(menus(), (QStringList{QStringLiteral("1|COMIDA|NULL|1"), QStringLiteral("2|CENA|de 6 a 11|0")}));
    EXPECT_FALSE(chkActivo()->isEnabled());

    pulsa(Qt::Key_F6);
    reemplaza(txtDescripcion(), QStringLiteral("la de O'Hara"));
    chkActivo()->setChecked(true);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(menus().last(), QStringLiteral("2|CENA|la de O'Hara|1"));
}

TEST_F(MenusTest, ARefusedChangeSaysSoAndKeepsWhatWasTyped)
{
    db.execute(QStringLiteral("INSERT INTO Menu VALUES (1, 'COMIDA', 'del dia', 1)"));
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE UPDATE ON Menu BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    ventanaAbierta->BotonPrimerRegistro();
    pulsa(Qt::Key_F6);
    reemplaza(TxtNombre(), QStringLiteral("almuerzo"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudieron guardar los cambios del registro")});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Menus"));
    EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(TxtNombre()->text(), QStringLiteral("ALMUERZO"));
    EXPECT_EQ(menus(), QStringList{QStringLiteral("1|COMIDA|del dia|1")});
}

} // namespace
