// The submenus window, driven through the real main window.
#include "foundation/database/cls_ado.h"
#include "tests/catalog/paquetes_fixture.h"

#include "foundation/forms/controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kNoExiste = QStringLiteral("La clave del producto no existe");

class SubmenuTest : public SubmenusPaquetesDb {
protected:
    bool abreVentana()
    {
        if (!abre(QStringLiteral("mnuOPSubMenu"), QStringLiteral("OpSubmenu")))
            return false;
        menus = control<grid::Grid>(QStringLiteral("sprMenus"));
        productos = control<grid::Grid>(QStringLiteral("sprProductos"));
        TxtNombre = control<QLineEdit>(QStringLiteral("TxtNombre"));
        return menus && productos && TxtNombre;
    }
    // Submenu 1 BEBIDAS on menu COMIDA, with 10 at position 1 and 11 at 2.
    void bebidas()
    {
        db.execute(QStringLiteral("INSERT INTO SubMenu VALUES (1, 'BEBIDAS', 0)"));
        db.execute(QStringLiteral("INSERT INTO SubMenuXMenu (ID_Menu, ID_SubMenu) VALUES (1, 1)"));
        db.execute(QStringLiteral("INSERT INTO ProductosXSubmenu VALUES (10, 1, 1), (11, 1, 2)"));
    }
    int filaDe(const QString& producto) const { return int(columna(productos, 2).indexOf(producto)) + 1; }
    QStringList submenus() { return filas(QStringLiteral("SELECT * FROM SubMenu ORDER BY 1")); }
    QStringList enMenus() { return filas(QStringLiteral("SELECT ID_Menu, ID_SubMenu FROM SubMenuXMenu ORDER BY 2, 1")); }
    QStringList deProductos()
    {
        return filas(QStringLiteral("SELECT ID_Producto, ID_SubMenu, Orden FROM ProductosXSubmenu ORDER BY 2, 1"));
    }

    grid::Grid* menus = nullptr;
    grid::Grid* productos = nullptr;
    QLineEdit* TxtNombre = nullptr;
};

TEST_F(SubmenuTest, CaptionsTagsRulesTabOrderAndFilterColumns)
{
    ASSERT_TRUE(abreVentana());
    QStringList etiquetas;
    for (QLabel* l : ventanaAbierta->findChildren<QLabel*>())
        etiquetas << l->text() + QLatin1Char('>') + forms::tag(l);
    EXPECT_TRUE(etiquetas.contains(QStringLiteral("Id SubMenu:>txtId")));
    EXPECT_TRUE(etiquetas.contains(QStringLiteral("Nombre:>txtNombre")));
    EXPECT_EQ(control(QStringLiteral("txtId"))->toolTip(), QStringLiteral("Identificador del submenu"));
    EXPECT_EQ(TxtNombre->toolTip(), QStringLiteral("Nombre del submenu"));
    EXPECT_EQ(TxtNombre->maxLength(), 25);
    EXPECT_EQ(forms::tag(TxtNombre), QStringLiteral("NoVacioMayusculas"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkFijo"))->text(), QStringLiteral("Fijo:"));
    QStringList visibles;
    for (int c = 1; c <= productos->columnCount(); ++c)
        if (!productos->isColumnHidden(c))
            visibles << productos->text(0, c);
    EXPECT_EQ(visibles, (QStringList{QStringLiteral("ID_Producto"), QStringLiteral("Nombre"), QStringLiteral(" "),
                                     QStringLiteral("Orden")}));
    EXPECT_FALSE(menus->isColumnHidden(3));
    EXPECT_TRUE(menus->isColumnHidden(1) && menus->isColumnHidden(2) && menus->isColumnHidden(4));
    QStringList filtro;
    for (const ColumnaFiltro& c : ventanaAbierta->columnasFiltro())
        filtro << c.titulo + QLatin1Char('|') + c.columnaLista;
    EXPECT_EQ(filtro, (QStringList{QStringLiteral("Id SubMenu|ID_SubMenu"), QStringLiteral("Nombre|Nombre_SubMenu")}));
    EXPECT_EQ(ventanaAbierta->tablaFiltro(), QStringLiteral("SubMenu WHERE"));
    pulsa(Qt::Key_Insert);
    // A grid holds the focus in its inner table.
    QStringList orden;
    for (int i = 0; i < 5; ++i) {
        QWidget* foco = QApplication::focusWidget();
        orden << (foco->objectName().isEmpty() ? foco->parentWidget()->objectName() : foco->objectName());
        pulsa(Qt::Key_Tab);
    }
    EXPECT_EQ(orden, (QStringList{QStringLiteral("TxtNombre"), QStringLiteral("chkFijo"), QStringLiteral("sprMenus"),
                                        QStringLiteral("sprProductos"), QStringLiteral("txtId")}));
}

TEST_F(SubmenuTest, ANewSubmenuStoresItsMenusAndProductsEachOnce)
{
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(ventanaAbierta->windowTitle(), QStringLiteral("SubMenus"));
    pulsa(Qt::Key_Insert);
    ASSERT_TRUE(ventanaAbierta->Formas().Edicion());
    teclea(TxtNombre, QStringLiteral("bebidas"));
    control<QCheckBox>(QStringLiteral("chkFijo"))->click();
    teclaEnGrid(menus, Qt::Key_Insert);
    // Listed by name: CENA first.
    eligeCombo(menus, 1, 3, 0);
    EXPECT_EQ(menus->text(1, 1), QStringLiteral("2"));
    for (int i = 0; i < 3; ++i)
        teclaEnGrid(productos, Qt::Key_Insert);
    escribeCelda(productos, 1, 2, QStringLiteral("10"));
    teclaEnGrid(productos, Qt::Key_Right);
    EXPECT_EQ(productos->text(1, 3), QStringLiteral("SOPA"));
    escribeCelda(productos, 1, 6, QStringLiteral("3"));
    escribeCelda(productos, 2, 2, QStringLiteral("11"));
    // Row 3 holds no product: it is not written.
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(submenus(), QStringList{QStringLiteral("1|BEBIDAS|1")});
    EXPECT_EQ(enMenus(), QStringList{QStringLiteral("2|1")});
    EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|3"), QStringLiteral("11|1|0")}));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    EXPECT_EQ(columna(productos, 3), (QStringList{QStringLiteral("SOPA"), QStringLiteral("ARROZ")}));

    // A product or a menu entered twice is stored once, and nothing is said.
    TxtNombre->setFocus();
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre, QStringLiteral("postres"));
    teclaEnGrid(menus, Qt::Key_Insert);
    teclaEnGrid(menus, Qt::Key_Insert);
    eligeCombo(menus, 1, 3, 1);
    eligeCombo(menus, 2, 3, 1);
    teclaEnGrid(productos, Qt::Key_Insert);
    teclaEnGrid(productos, Qt::Key_Insert);
    escribeCelda(productos, 1, 2, QStringLiteral("11"));
    escribeCelda(productos, 1, 6, QStringLiteral("4"));
    escribeCelda(productos, 2, 2, QStringLiteral("11"));
    escribeCelda(productos, 2, 6, QStringLiteral("9"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(submenus(), (QStringList{QStringLiteral("1|BEBIDAS|1"), QStringLiteral("2|POSTRES|0")}));
    EXPECT_EQ(enMenus(), (QStringList{QStringLiteral("2|1"), QStringLiteral("1|2")}));
    EXPECT_EQ(deProductos(),
              (QStringList{QStringLiteral("10|1|3"), QStringLiteral("11|1|0"), QStringLiteral("11|2|4")}));
}

TEST_F(SubmenuTest, AMissingOrRepeatedNameWritesNothingAndAnUnknownProductIsEmptied)
{
    bebidas();
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    teclea(TxtNombre, QStringLiteral("x"));
    teclaEnGrid(productos, Qt::Key_Insert);
    teclaEnGrid(productos, Qt::Key_Insert);
    escribeCelda(productos, 1, 2, QStringLiteral("99"));
    teclaEnGrid(productos, Qt::Key_Right);
    EXPECT_EQ(boxes.texts(), QStringList{kNoExiste});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
    EXPECT_TRUE(productos->text(1, 2).isEmpty());
    EXPECT_TRUE(productos->text(1, 3).isEmpty());
    escribeCelda(productos, 2, 2, QStringLiteral("10"));
    teclaEnGrid(menus, Qt::Key_Insert);
    eligeCombo(menus, 1, 3, 1);

    struct Caso {
        QString nombre;
        QString mensaje;
        QString titulo;
    };
    const Caso casos[] = {
        {QString(), QStringLiteral("Falta el campo de Nombre"), QString()},
        {QStringLiteral("   "), QStringLiteral("Falta el campo de Nombre"), QString()},
        {QStringLiteral("bebidas"), QStringLiteral("Ya existe el nombre del submenu"), QStringLiteral("SubMenus")},
    };
    for (const Caso& c : casos) {
        boxes.clear();
        reemplaza(TxtNombre, c.nombre);
        pulsa(Qt::Key_F5);
        ASSERT_EQ(boxes.texts(), QStringList{c.mensaje}) << c.nombre.toStdString();
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
        if (!c.titulo.isEmpty()) {
            EXPECT_EQ(boxes.boxes().first().caption, c.titulo);
        }
        EXPECT_TRUE(ventanaAbierta->Formas().Edicion());
        EXPECT_EQ(submenus(), QStringList{QStringLiteral("1|BEBIDAS|0")});
        EXPECT_EQ(enMenus(), QStringList{QStringLiteral("1|1")});
        EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|1"), QStringLiteral("11|1|2")}));
        EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
    }

    // Corrected, the same edit is stored whole.
    boxes.clear();
    reemplaza(TxtNombre, QStringLiteral("sopas"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(enMenus(), (QStringList{QStringLiteral("1|1"), QStringLiteral("1|2")}));
    EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|1"), QStringLiteral("11|1|2"), QStringLiteral("10|2|0")}));
}

TEST_F(SubmenuTest, AChangeWritesOnlyWhatChangedAndStoredKeysTakeNoTyping)
{
    bebidas();
    db.execute(QStringLiteral("CREATE TABLE Cambios (ID_Producto INTEGER)"));
    db.execute(QStringLiteral("CREATE TRIGGER anota AFTER UPDATE ON ProductosXSubmenu BEGIN "
                              "INSERT INTO Cambios VALUES (NEW.ID_Producto); END"));
    ASSERT_TRUE(abreVentana());
    ASSERT_EQ(columna(productos, 3), (QStringList{QStringLiteral("SOPA"), QStringLiteral("ARROZ")}));
    EXPECT_FALSE(algunaEditable(menus));
    EXPECT_FALSE(algunaEditable(productos));

    pulsa(Qt::Key_F6);
    ASSERT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_FALSE(menus->isCellEditable(1, 3));
    EXPECT_FALSE(productos->isCellEditable(1, 2));
    EXPECT_TRUE(productos->isCellEditable(1, 6));
    teclaEnGrid(menus, Qt::Key_Insert);
    EXPECT_TRUE(menus->isCellEditable(2, 3));
    eligeCombo(menus, 2, 3, 0);
    escribeCelda(productos, filaDe(QStringLiteral("10")), 6, QStringLiteral("5"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Producto FROM Cambios")), QStringList{QStringLiteral("10")});
    EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|5"), QStringLiteral("11|1|2")}));
    EXPECT_EQ(enMenus(), (QStringList{QStringLiteral("1|1"), QStringLiteral("2|1")}));
    EXPECT_FALSE(algunaEditable(menus));
    EXPECT_FALSE(algunaEditable(productos));

    // 11 deleted and picked again with a new position; 10 added and deleted again in the same edit.
    TxtNombre->setFocus();
    pulsa(Qt::Key_F6);
    productos->setActiveCell(filaDe(QStringLiteral("11")), 6);
    teclaEnGrid(productos, Qt::Key_Delete);
    EXPECT_TRUE(productos->isRowHidden(filaDe(QStringLiteral("11"))));
    teclaEnGrid(productos, Qt::Key_Insert);
    escribeCelda(productos, 3, 2, QStringLiteral("10"));
    productos->setActiveCell(3, 6);
    teclaEnGrid(productos, Qt::Key_Delete);
    ASSERT_EQ(productos->rowCount(), 2);
    teclaEnGrid(productos, Qt::Key_Insert);
    alAbrirBuscador({QStringLiteral("ARROZ")});
    clickCelda(productos, 3, 4);
    // The offscreen platform does not give the activation back by itself when the picker closes.
    ASSERT_TRUE(muestraActiva(main));
    ASSERT_EQ(columna(productos, 2), (QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("11")}));
    escribeCelda(productos, 3, 6, QStringLiteral("7"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|5"), QStringLiteral("11|1|7")}));
    EXPECT_FALSE(algunaEditable(productos));

    // Esc drops what was typed and closes the grids again.
    TxtNombre->setFocus();
    pulsa(Qt::Key_F6);
    escribeCelda(productos, 1, 6, QStringLiteral("8"));
    teclaEnGrid(menus, Qt::Key_Insert);
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(menus->rowCount(), 2);
    EXPECT_EQ(columna(productos, 6), (QStringList{QStringLiteral("5"), QStringLiteral("7")}));
    EXPECT_FALSE(algunaEditable(menus));
    EXPECT_FALSE(algunaEditable(productos));
}

TEST_F(SubmenuTest, AStoredProductPickedAgainThroughItsOwnRowStaysStoredOnce)
{
    bebidas();
    ASSERT_TRUE(abreVentana());
    // Its own row's button, the same product and another: nothing to say, the product kept as stored.
    pulsa(Qt::Key_F6);
    alAbrirBuscador({QStringLiteral("SOPA"), QStringLiteral("COMBO")});
    clickCelda(productos, filaDe(QStringLiteral("10")), 4);
    ASSERT_TRUE(muestraActiva(main));
    ASSERT_EQ(columna(productos, 2), (QStringList{QStringLiteral("11"), QStringLiteral("10"), QStringLiteral("12")}));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(deProductos(),
              (QStringList{QStringLiteral("10|1|1"), QStringLiteral("11|1|2"), QStringLiteral("12|1|0")}));
    EXPECT_EQ(productos->rowCount(), 3);

    // Picked again with a position typed in its new row: the stored row takes that position.
    TxtNombre->setFocus();
    pulsa(Qt::Key_F6);
    alAbrirBuscador({QStringLiteral("ARROZ")});
    clickCelda(productos, filaDe(QStringLiteral("11")), 4);
    ASSERT_TRUE(muestraActiva(main));
    escribeCelda(productos, filaDe(QStringLiteral("11")), 6, QStringLiteral("9"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(deProductos(),
              (QStringList{QStringLiteral("10|1|1"), QStringLiteral("11|1|9"), QStringLiteral("12|1|0")}));
}

TEST_F(SubmenuTest, ADeleteTakesTheRowsOfTheThreeTablesOrNone)
{
    bebidas();
    db.execute(QStringLiteral("INSERT INTO SubMenu VALUES (2, 'POSTRES', 0)"));
    db.execute(QStringLiteral("INSERT INTO ProductosXSubmenu VALUES (10, 2, 1)"));
    db.execute(QStringLiteral("CREATE TRIGGER niega BEFORE DELETE ON SubMenu BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts().size(), 2);
    EXPECT_EQ(submenus().size(), 2);
    EXPECT_EQ(enMenus(), QStringList{QStringLiteral("1|1")});
    EXPECT_EQ(deProductos(), (QStringList{QStringLiteral("10|1|1"), QStringLiteral("11|1|2"), QStringLiteral("10|2|1")}));
    EXPECT_EQ(productos->rowCount(), 2);
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());

    db.execute(QStringLiteral("DROP TRIGGER niega"));
    boxes.clear();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar el registro?")});
    EXPECT_EQ(submenus(), QStringList{QStringLiteral("2|POSTRES|0")});
    EXPECT_TRUE(enMenus().isEmpty());
    EXPECT_EQ(deProductos(), QStringList{QStringLiteral("10|2|1")});
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    // The submenu left current shows its own rows.
    EXPECT_EQ(columna(productos, 3), QStringList{QStringLiteral("SOPA")});
}

} // namespace
