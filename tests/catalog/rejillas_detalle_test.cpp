// The detail-grid conventions, through two small record windows opened in the real main window.
#include "catalog/detail_grid.h"
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_busca_prod.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/catalog/ventanas_prueba.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString kNoExiste = QStringLiteral("La clave del modificador no existe");

class RejillaTest : public CatalogDb {
protected:
    template <typename W>
    W* abreVentana(const QString& nombre)
    {
        registraVentanasPrueba();
        ventanaAbierta = qobject_cast<DataEntryWindow*>(WindowRegistry::show(nombre));
        return qobject_cast<W*>(ventanaAbierta);
    }
    static DetailGrid* detalle(CatalogWindow* w) { return w->detalles().first(); }

    static QPoint centro(grid::Grid* g, int row, int column)
    {
        return g->table()->visualRect(g->table()->model()->index(row - 1, column - 1)).center();
    }
    static void clickCelda(grid::Grid* g, int row, int column)
    {
        QTest::mouseClick(g->table()->viewport(), Qt::LeftButton, {}, centro(g, row, column));
    }
    // Leaves the active cell for the one below, as the arrow key does.
    static void bajaCelda(grid::Grid* g) { teclaEnGrid(g, Qt::Key_Down); }

    static QStringList columna(grid::Grid* g, int column)
    {
        QStringList out;
        for (int r = 1; r <= g->rowCount(); ++r)
            out << g->text(r, column);
        return out;
    }
};

// --- A list grid ------------------------------------------------------------------------------------

class ListaTest : public RejillaTest {
protected:
    void SetUp() override
    {
        RejillaTest::SetUp();
        db.execute(QStringLiteral("INSERT INTO Tipo_Modificador (ID_Tipo_Modificador, Nombre_Tipo_Modificador) VALUES "
                                  "(5, 'QUESO'), (6, 'CEBOLLA'), (7, 'CHILE'), (8, 'SAL')"));
    }
    PruebaGrupos* abre() { return w = abreVentana<PruebaGrupos>(QStringLiteral("PruebaGrupos")); }
    QStringList miembros()
    {
        return filas(QStringLiteral("SELECT ID_Grupo_Modificadores, ID_Tipo_Modificador FROM TiposXGrupo_Modificadores "
                                    "ORDER BY 1, 2"));
    }
    PruebaGrupos* w = nullptr;
};

TEST_F(ListaTest, TypedKeysAreLookedUpAndANewGroupStoresEachMemberOnce)
{
    ASSERT_NE(abre(), nullptr);
    grid::Grid* g = w->sprModificadores;
    // Browsing, the grid shows rows but takes none.
    EXPECT_TRUE(g->isEnabled());
    EXPECT_TRUE(g->isProtected());

    pulsa(Qt::Key_Insert);
    ASSERT_TRUE(w->Formas().Edicion());
    EXPECT_EQ(g->rowCount(), 0);
    teclea(w->TxtNombre, QStringLiteral("extras"));
    for (int i = 0; i < 5; ++i)
        teclaEnGrid(g, Qt::Key_Insert);
    ASSERT_EQ(g->rowCount(), 5);
    escribeCelda(g, 1, 1, QStringLiteral("5"));
    bajaCelda(g);
    EXPECT_EQ(g->text(1, 2), QStringLiteral("QUESO"));
    EXPECT_TRUE(boxes.boxes().isEmpty());

    escribeCelda(g, 2, 1, QStringLiteral("99"));
    bajaCelda(g);

    EXPECT_EQ(boxes.texts(), QStringList{kNoExiste});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(g->text(2, 1).isEmpty());
    EXPECT_TRUE(g->text(2, 2).isEmpty());

    // Row 3 stays empty; row 4 repeats a member; row 5 is still being typed at F5.
    escribeCelda(g, 4, 1, QStringLiteral("5"));
    escribeCelda(g, 5, 1, QStringLiteral("7"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{kNoExiste});
    EXPECT_FALSE(w->Formas().Edicion());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Nombre_Grupo_Modificadores FROM Grupo_Modificadores WHERE "
                                    "ID_Grupo_Modificadores=1")).toString(),
              QStringLiteral("EXTRAS"));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|5"), QStringLiteral("1|7")}));
    // Refilled from what was stored, read-only again.
    EXPECT_EQ(columna(g, 2), (QStringList{QStringLiteral("QUESO"), QStringLiteral("CHILE")}));
    EXPECT_TRUE(g->isProtected());
    EXPECT_FALSE(g->isCellEditable(1, 1));
}

TEST_F(ListaTest, DeleteDropsTheActiveRowAndCancelBringsTheStoredMembersBack)
{
    db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) "
                              "VALUES (1, 'EXTRAS'), (2, 'SALSAS')"));
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 5), (1, 6), (2, 8)"));
    ASSERT_NE(abre(), nullptr);
    grid::Grid* g = w->sprModificadores;
    EXPECT_EQ(columna(g, 1), (QStringList{QStringLiteral("5"), QStringLiteral("6")}));

    pulsa(Qt::Key_F6);
    g->setActiveCell(1, 1);
    teclaEnGrid(g, Qt::Key_Delete);
    EXPECT_EQ(columna(g, 1), QStringList{QStringLiteral("6")});
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(columna(g, 1), (QStringList{QStringLiteral("5"), QStringLiteral("6")}));

    // A save rewrites the list as it stands.
    w->TxtNombre->setFocus();
    pulsa(Qt::Key_F6);
    g->setActiveCell(2, 1);
    teclaEnGrid(g, Qt::Key_Delete);
    teclaEnGrid(g, Qt::Key_Insert);
    escribeCelda(g, 2, 1, QStringLiteral("7"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|5"), QStringLiteral("1|7"), QStringLiteral("2|8")}));

    // Every move shows the members of the group moved to.
    w->TxtNombre->setFocus();
    pulsa(Qt::Key_Up);
    EXPECT_EQ(columna(g, 2), QStringList{QStringLiteral("SAL")});
}

TEST_F(ListaTest, ARefusedChangeOfTheGroupWritesNoMember)
{
    db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) "
                              "VALUES (1, 'EXTRAS'), (2, 'SALSAS')"));
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 5)"));
    ASSERT_NE(abre(), nullptr);
    grid::Grid* g = w->sprModificadores;
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("salsas"));
    teclaEnGrid(g, Qt::Key_Insert);
    escribeCelda(g, 2, 1, QStringLiteral("6"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe el nombre del grupo de modificadores")});
    EXPECT_TRUE(w->Formas().Edicion());
    EXPECT_EQ(miembros(), QStringList{QStringLiteral("1|5")});
    EXPECT_EQ(columna(g, 1), (QStringList{QStringLiteral("5"), QStringLiteral("6")}));

    reemplaza(w->TxtNombre, QStringLiteral("quesos"));
    pulsa(Qt::Key_F5);
    EXPECT_FALSE(w->Formas().Edicion());
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|5"), QStringLiteral("1|6")}));
}

TEST_F(ListaTest, ARefusedDeleteOfTheGroupKeepsItsMembers)
{
    db.execute(QStringLiteral("INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) "
                              "VALUES (1, 'EXTRAS'), (2, 'SALSAS')"));
    db.execute(QStringLiteral("INSERT INTO TiposXGrupo_Modificadores VALUES (1, 5), (1, 6), (2, 8)"));
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, ID_Grupo_Modificadores) "
                              "VALUES (1, 'TACOS', 1)"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Delete);
    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts().at(1).startsWith(QStringLiteral("No se puede borrar este registro por estar en uso")));
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|5"), QStringLiteral("1|6"), QStringLiteral("2|8")}));
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 2);
    EXPECT_EQ(w->sprModificadores->rowCount(), 2);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    pulsa(Qt::Key_End);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(miembros(), (QStringList{QStringLiteral("1|5"), QStringLiteral("1|6")}));
    EXPECT_EQ(cuenta(QStringLiteral("Grupo_Modificadores")), 1);
    // The group left current shows its own members.
    EXPECT_EQ(columna(w->sprModificadores, 1), (QStringList{QStringLiteral("5"), QStringLiteral("6")}));
}

TEST_F(ListaTest, ThePickedRowsReplaceTheClickedRowAndACancelledPickerChangesNothing)
{
    ASSERT_NE(abre(), nullptr);
    grid::Grid* g = w->sprModificadores;
    pulsa(Qt::Key_Insert);
    teclaEnGrid(g, Qt::Key_Insert);
    teclaEnGrid(g, Qt::Key_Insert);
    escribeCelda(g, 1, 1, QStringLiteral("8"));
    bajaCelda(g);
    const QString pista = panel(2);

    bool cancela = true;
    QString titulo;
    const auto responde = [&] {
        auto* busca = qobject_cast<frmBusca_Prod*>(QApplication::activeModalWidget());
        if (!busca) {
            ADD_FAILURE() << "no picker";
            return;
        }
        titulo = busca->windowTitle();
        if (cancela) {
            busca->cmdCancelar->click();
            return;
        }
        busca->cmdBuscar->click();
        for (int r = 1; r <= busca->sprProductos->rowCount(); ++r)
            busca->sprProductos->setRowSelected(r, busca->sprProductos->text(r, 2) != QLatin1String("SAL"));
        busca->cmdAceptar->click();
    };
    QTimer::singleShot(0, responde);
    clickCelda(g, 2, 3);
    EXPECT_EQ(titulo, QStringLiteral("Buscar Modificadores"));
    EXPECT_EQ(columna(g, 1), (QStringList{QStringLiteral("8"), QString()}));

    cancela = false;
    QTimer::singleShot(0, responde);
    clickCelda(g, 2, 3);
    // In the picker's order: by name.
    EXPECT_EQ(columna(g, 1), (QStringList{QStringLiteral("8"), QStringLiteral("6"), QStringLiteral("7"),
                                          QStringLiteral("5")}));
    EXPECT_EQ(columna(g, 2), (QStringList{QStringLiteral("SAL"), QStringLiteral("CEBOLLA"), QStringLiteral("CHILE"),
                                          QStringLiteral("QUESO")}));
    EXPECT_EQ(panel(2), pista);
}

// --- A state grid -----------------------------------------------------------------------------------

class EstadoTest : public RejillaTest {
protected:
    void SetUp() override
    {
        RejillaTest::SetUp();
        // Listed by name: COMIDA (2), DESAYUNO (3), TARDE (1).
        db.execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'TARDE'), (2, 'COMIDA'), "
                                  "(3, 'DESAYUNO')"));
    }
    PruebaPrecios* abre() { return w = abreVentana<PruebaPrecios>(QStringLiteral("PruebaPrecios")); }
    void productos()
    {
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo) VALUES (1, 'TACOS'), (2, 'SOPA')"));
        db.execute(QStringLiteral("INSERT INTO PreciosXMenu VALUES (1, 1, 10), (2, 1, 12.5), (3, 2, 30)"));
    }
    QStringList precios()
    {
        return filas(QStringLiteral("SELECT ID_Producto, ID_Menu, Precio FROM PreciosXMenu ORDER BY 1, 2"));
    }
    grid::Grid* g() const { return w->sprMenus; }
    PruebaPrecios* w = nullptr;
};

TEST_F(EstadoTest, ANewRecordInsertsEveryRowWithTheIdOfThePickedEntry)
{
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_Insert);
    teclea(w->TxtNombre, QStringLiteral("tacos"));
    teclaEnGrid(g(), Qt::Key_Insert);
    teclaEnGrid(g(), Qt::Key_Insert);
    teclaEnGrid(g(), Qt::Key_Insert);
    EXPECT_EQ(columna(g(), 4), QStringList(3, QStringLiteral("N")));
    EXPECT_EQ(g()->value(1, 3).toDouble(), 0.0);
    eligeCombo(g(), 1, 2, 0);
    EXPECT_EQ(g()->text(1, 1), QStringLiteral("2"));
    escribeCelda(g(), 1, 3, QStringLiteral("10.5"));
    eligeCombo(g(), 2, 2, 2);
    // Row 3 has no menu: it is not written.
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|0"), QStringLiteral("1|2|10.5")}));
    EXPECT_EQ(columna(g(), 2), (QStringList{QStringLiteral("TARDE"), QStringLiteral("COMIDA")}));
    EXPECT_EQ(columna(g(), 4), QStringList(2, QStringLiteral(" ")));
}

TEST_F(EstadoTest, ChangingOnePriceWritesOneUpdateAndStoredMenusStayLocked)
{
    productos();
    db.execute(QStringLiteral("CREATE TABLE Cambios (ID_Menu INTEGER)"));
    db.execute(QStringLiteral("CREATE TRIGGER anota AFTER UPDATE ON PreciosXMenu BEGIN "
                              "INSERT INTO Cambios VALUES (NEW.ID_Menu); END"));
    ASSERT_NE(abre(), nullptr);
    ASSERT_EQ(columna(g(), 2), (QStringList{QStringLiteral("TARDE"), QStringLiteral("COMIDA")}));
    pulsa(Qt::Key_F6);
    EXPECT_FALSE(g()->isCellEditable(1, 2));
    EXPECT_TRUE(g()->isCellEditable(1, 3));
    teclaEnGrid(g(), Qt::Key_Insert);
    EXPECT_TRUE(g()->isCellEditable(3, 2));
    escribeCelda(g(), 2, 3, QStringLiteral("13"));
    EXPECT_EQ(w->detalles().first()->rowState(2), QStringLiteral("M"));
    eligeCombo(g(), 3, 2, 1);
    escribeCelda(g(), 3, 3, QStringLiteral("8"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Menu FROM Cambios")), QStringList{QStringLiteral("2")});
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|10"), QStringLiteral("1|2|13"), QStringLiteral("1|3|8"),
                                      QStringLiteral("2|3|30")}));
    // After the save the columns opened for the change are closed again.
    EXPECT_FALSE(g()->isCellEditable(1, 3));
}

TEST_F(EstadoTest, DeleteHidesAStoredRowAndDropsANewOneOutright)
{
    productos();
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    g()->setActiveCell(1, 3);
    teclaEnGrid(g(), Qt::Key_Delete);
    EXPECT_EQ(w->detalles().first()->rowState(1), QStringLiteral("B"));
    EXPECT_TRUE(g()->isRowHidden(1));
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(g()->rowCount(), 2);
    EXPECT_FALSE(g()->isRowHidden(1));

    // A new row for a stored menu, deleted before saving, leaves the stored price alone.
    w->TxtNombre->setFocus();
    pulsa(Qt::Key_F6);
    teclaEnGrid(g(), Qt::Key_Insert);
    eligeCombo(g(), 3, 2, 0);
    g()->setActiveCell(3, 3);
    teclaEnGrid(g(), Qt::Key_Delete);
    EXPECT_EQ(g()->rowCount(), 2);
    g()->setActiveCell(1, 3);
    teclaEnGrid(g(), Qt::Key_Delete);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|2|12.5"), QStringLiteral("2|3|30")}));
    EXPECT_EQ(columna(g(), 2), QStringList{QStringLiteral("COMIDA")});
}

TEST_F(EstadoTest, ARefusedChangeWritesNoRowAndKeepsTheMarks)
{
    productos();
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE UPDATE ON Producto BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_NE(abre(), nullptr);
    pulsa(Qt::Key_F6);
    reemplaza(w->TxtNombre, QStringLiteral("sopa"));
    escribeCelda(g(), 1, 3, QStringLiteral("99"));
    g()->setActiveCell(2, 3);
    teclaEnGrid(g(), Qt::Key_Delete);
    pulsa(Qt::Key_F5);
    ASSERT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudieron guardar los cambios del registro")});
    EXPECT_TRUE(w->Formas().Edicion());
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|10"), QStringLiteral("1|2|12.5"), QStringLiteral("2|3|30")}));
    EXPECT_EQ(columna(g(), 4), (QStringList{QStringLiteral("M"), QStringLiteral("B")}));
    EXPECT_EQ(g()->value(1, 3).toDouble(), 99.0);
}

TEST_F(EstadoTest, NumbersTypedIntoBoxesAreCheckedAndAnEmptyOneIsNull)
{
    productos();
    ASSERT_NE(abre(), nullptr);
    const auto existencia = [this] {
        return scalar(QStringLiteral("SELECT IFNULL(Existencia, 'NULL') FROM Producto WHERE ID_Producto=1")).toString();
    };
    struct Caso {
        const char* tecleado;
        const char* mensaje;  // "" saved
        const char* guardado;
    };
    const Caso casos[] = {
        {"12a", "El campo de Existencia debe ser un número entero", "0"},
        {"1.5", "El campo de Existencia debe ser un número entero", "0"},
        {"1;DROP TABLE Menu", "El campo de Existencia debe ser un número entero", "0"},
        {" 7 ", "", "7"},
        {"-2", "", "-2"},
        {"", "", "NULL"},
    };
    for (const Caso& c : casos) {
        boxes.clear();
        w->TxtNombre->setFocus();
        pulsa(Qt::Key_F6);
        reemplaza(w->txtExistencia, QString::fromUtf8(c.tecleado));
        pulsa(Qt::Key_F5);
        if (*c.mensaje) {
            EXPECT_EQ(boxes.texts(), QStringList{QString::fromUtf8(c.mensaje)}) << c.tecleado;
            EXPECT_TRUE(w->txtExistencia->hasFocus()) << c.tecleado;
            EXPECT_TRUE(w->Formas().Edicion()) << c.tecleado;
            pulsa(Qt::Key_Escape);
        } else {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.tecleado;
        }
        EXPECT_EQ(existencia(), QLatin1String(c.guardado)) << c.tecleado;
    }
    EXPECT_EQ(cuenta(QStringLiteral("Menu")), 3);

    // A new row is checked the same way.
    boxes.clear();
    pulsa(Qt::Key_Insert);
    teclea(w->TxtNombre, QStringLiteral("caldo"));
    teclea(w->txtExistencia, QStringLiteral("x"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("El campo de Existencia debe ser un número entero")});
    EXPECT_EQ(cuenta(QStringLiteral("Producto")), 2);
}

TEST_F(EstadoTest, ThePopUpMenuActsAsInsertAndDeleteOnlyWhileEditing)
{
    productos();
    ASSERT_NE(abre(), nullptr);
    QMenu* menu = main->mnuSpread();
    const auto clickDerecho = [this] {
        const QPoint at = centro(g(), 1, 3);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, g()->table()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(g()->table()->viewport(), &event);
    };
    clickDerecho();
    EXPECT_FALSE(menu->isVisible());

    pulsa(Qt::Key_F6);
    clickDerecho();
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    main->menuItem(QStringLiteral("mnuSprNuevo"))->trigger();
    EXPECT_EQ(g()->rowCount(), 3);
    EXPECT_EQ(w->detalles().first()->rowState(3), QStringLiteral("N"));
    g()->setActiveCell(3, 3);
    main->menuItem(QStringLiteral("mnuSprBorrar"))->trigger();
    EXPECT_EQ(g()->rowCount(), 2);
}

TEST_F(EstadoTest, TheGridFollowsTheRecordWhereverItMoves)
{
    productos();
    ASSERT_NE(abre(), nullptr);
    EXPECT_EQ(g()->rowCount(), 2);
    pulsa(Qt::Key_Up);
    EXPECT_EQ(columna(g(), 2), QStringList{QStringLiteral("DESAYUNO")});

    w->TxtNombre->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    FrmBusqueda::instancia()->TxtCondicion()->setText(QStringLiteral("tacos"));
    FrmBusqueda::instancia()->CmdBuscarPrimero()->click();
    EXPECT_EQ(w->txtId->text(), QStringLiteral("1"));
    EXPECT_EQ(g()->rowCount(), 2);
    FrmBusqueda::instancia()->Cierra();

    // Insert pressed in the browsing grid starts a new record with an empty grid, and adds no row.
    g()->setActiveCell(1, 3);
    teclaEnGrid(g(), Qt::Key_Insert);
    EXPECT_TRUE(w->Formas().Edicion());
    EXPECT_EQ(g()->rowCount(), 0);
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(g()->rowCount(), 2);
}

} // namespace
