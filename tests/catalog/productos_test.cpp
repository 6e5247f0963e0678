// Products with their button name, lookups, prices per menu and taxes, driven through the real
// main window.
#include "catalog/catalog_window.h"
#include "catalog/op_productos.h"
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/frm_busqueda.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "tests/catalog/catalog_fixture.h"
#include "tests/catalog/diseno.h"
#include "tests/foundation/dialogs/filtro_abierto.h"
#include "tests/foundation/forms/typing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kEnUso = QStringLiteral("No se puede borrar este registro por estar en uso en la tabla ");

class ProductosTest : public CatalogDb {
protected:
    void SetUp() override
    {
        CatalogDb::SetUp();
        // Listed by name: menus CENA (2), COMIDA (1).
        db.execute(QStringLiteral(
            "INSERT INTO Categoria VALUES (1, 'POLLO', 'A');"
            "INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA'), (2, 'CENA');"
            "INSERT INTO Tipos_Impuesto VALUES (1, 'IVA', 1);"
            "INSERT INTO Grupo_Impresoras VALUES (3, 'COCINA');"
            "INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) VALUES (4, 'SALSAS')"));
    }
    bool abreVentana() { return abre(QStringLiteral("mnuOpProductos"), QStringLiteral("OpProductos")); }
    CatalogWindow* w() const { return qobject_cast<CatalogWindow*>(ventanaAbierta); }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(QLatin1String(nombre)); }
    QComboBox* combo(const char* nombre) const { return control<QComboBox>(QLatin1String(nombre)); }
    QLineEdit* linea(int i) const
    {
        for (QLineEdit* l : ventanaAbierta->findChildren<QLineEdit*>(QStringLiteral("txtBotonU")))
            if (l->property("Index").toInt() == i)
                return l;
        return nullptr;
    }
    grid::Grid* menus() const { return control<grid::Grid>(QStringLiteral("sprMenus")); }
    grid::Grid* impuestos() const { return control<grid::Grid>(QStringLiteral("sprImpuestos")); }
    QTabWidget* pestanas() const { return control<QTabWidget>(QStringLiteral("TabProductos")); }
    // The tab clicked, as the user does before working in its controls.
    void pestana(int i) const { pestanas()->setCurrentIndex(i); }
    static bool elige(QComboBox* c, const QString& texto)
    {
        const int i = c->findText(texto);
        if (i < 0)
            return false;
        c->setCurrentIndex(i);
        emit c->activated(i);
        return true;
    }
    // The record half of a new product, every required field filled.
    void llenaRegistro(const QString& nombre = QStringLiteral("Pollo asado"))
    {
        pestana(0);
        teclea(caja("TxtCompleto"), nombre);
        teclea(linea(0), QStringLiteral("POLLO"));
        teclea(linea(1), QStringLiteral("ASADO"));
        teclea(caja("txtCuenta"), QStringLiteral("Pollo"));
        teclea(caja("txtExistencia"), QStringLiteral("50"));
        ASSERT_TRUE(elige(combo("cmbCategoria"), QStringLiteral("POLLO")));
        ASSERT_TRUE(elige(combo("cmbImpresoras"), QStringLiteral("NINGUNO")));
        ASSERT_TRUE(elige(combo("cmbModificadores"), QStringLiteral("NINGUNA")));
    }
    // A row appended to a grid, its entry picked and its value typed ("" leaves it).
    void agregaFila(grid::Grid* g, int entrada, const QString& valor)
    {
        teclaEnGrid(g, Qt::Key_Insert);
        const int row = g->rowCount();
        eligeCombo(g, row, 3, entrada);
        if (!valor.isEmpty())
            escribeCelda(g, row, 4, valor);
    }
    void marca(grid::Grid* g, int row)
    {
        g->setActiveCell(row, 4);
        teclaEnGrid(g, Qt::Key_Space);
    }
    void borraFila(grid::Grid* g, int row)
    {
        g->setActiveCell(row, 4);
        teclaEnGrid(g, Qt::Key_Delete);
    }
    static QStringList visibles(grid::Grid* g, int column)
    {
        QStringList out;
        for (int r = 1; r <= g->rowCount(); ++r)
            if (!g->isRowHidden(r))
                out << g->text(r, column);
        return out;
    }
    QString estado(grid::Grid* g, int row) const
    {
        for (DetailGrid* d : w()->detalles())
            if (d->grid() == g)
                return d->rowState(row);
        return QString();
    }
    QStringList producto(int id = 1)
    {
        return filas(QStringLiteral("SELECT * FROM Producto WHERE ID_Producto=%1").arg(id));
    }
    QStringList precios()
    {
        return filas(QStringLiteral("SELECT ID_Producto, ID_Menu, Precio FROM PreciosXMenu ORDER BY 1, 2"));
    }
    QStringList tasas()
    {
        return filas(QStringLiteral("SELECT ID_Producto, ID_Tipo_Impuesto, Incluir_en_precio FROM ImpuestosXProducto "
                                    "ORDER BY 1, 2"));
    }
    // Product 1, "POLLO\nASADO", with COCINA and SALSAS, priced on both menus and taxed by IVA.
    void polloGuardado()
    {
        db.execute(QStringLiteral(
            "INSERT INTO Producto VALUES (1, 'POLLO ASADO', 'POLLO\\nASADO', 'POLLO', 50, 0, 0, 0, 'A', 1, 3, 4);"
            "INSERT INTO PreciosXMenu VALUES (1, 1, 85.5), (2, 1, 95);"
            "INSERT INTO ImpuestosXProducto VALUES (1, 1, 0)"));
    }
    bool editando() const { return ventanaAbierta->Formas().Edicion(); }
};

TEST_F(ProductosTest, TheWindowShowsTheDesignAndANewProductStartsActiveWithNothingChosen)
{
    const Diseno d{
        "mnuOpProductos", "OpProductos", "Productos",
        {{"Id Producto:", "txtId"}, {"Nombre Completo:", "TxtCompleto"}, {"Nombre Botón:", "txtBoton"},
         {"Nombre Comanda:", "txtCuenta"}, {"Existencia:", "txtExistencia"}, {"Estado:", "CmbEstado"},
         {"Categoría:", "cmbCategoria"}, {"Gpo. Impresoras:", "cmbImpresoras"},
         {"Gpo. Modificadores:", "cmbModificadores"}},
        {},
        {{"TxtCompleto", 25}, {"txtBoton", 22}, {"txtBotonU", 10}, {"txtCuenta", 20}, {"txtExistencia", 4}},
        {{"TxtCompleto", "NoVacio"}, {"txtCuenta", "NoVacio"}, {"txtExistencia", "NumericoNoVacio"},
         {"CmbEstado", "NoVacio"}, {"cmbCategoria", "NoVacio"}, {"cmbImpresoras", "NoVacio"},
         {"cmbModificadores", "NoVacio"}},
        {"TxtCompleto", "txtBotonU", "txtBotonU", "txtCuenta", "txtExistencia", "chkAbierto", "chkEspecial",
         "chkPaquete", "CmbEstado", "cmbCategoria", "cmbImpresoras", "cmbModificadores"},
        {"Id Producto|ID_Producto|ID_Producto", "Nombre Completo|Nombre_Completo|Nombre_Completo",
         "Nombre Botón|Nombre_Boton|Nombre_Boton", "Nombre Cuenta|Nombre_Cuenta|Nombre_Cuenta",
         "Existencia|Existencia|Existencia", "Abierto|Abierto|Abierto", "Especial|Especial|Especial",
         "Grupo Impresora|Nombre_Grupo_Impresoras|Nombre_Grupo_Impresoras",
         "Grupo Modificador|Nombre_Grupo_Modificadores|Nombre_Grupo_Modificadores",
         "Estado|CASE Estado WHEN 'A' THEN 'Activo' WHEN 'S' THEN 'Sin existencia' WHEN 'B' THEN 'Bloqueado' WHEN 'D' "
         "THEN 'Descontinuado' END AS Estado|CASE Estado WHEN 'A' THEN 'Activo' WHEN 'S' THEN 'Sin existencia' WHEN "
         "'B' THEN 'Bloqueado' WHEN 'D' THEN 'Descontinuado' END AS Estado",
         "Paquete|Paquete|Paquete"},
        {"txtBoton", "TxtEstado", "txtCategoria", "txtImpresoras", "txtModificador"}};
    revisaDiseno(d);
    EXPECT_EQ(linea(0)->property("Tag").toString(), QStringLiteral("NoVacio"));

    // revisaDiseno has started a new product.
    EXPECT_EQ(combo("CmbEstado")->currentText(), QStringLiteral("Activo"));
    EXPECT_EQ(caja("TxtEstado")->text(), QStringLiteral("A"));
    for (const char* c : {"chkAbierto", "chkEspecial", "chkPaquete"})
        EXPECT_FALSE(control<QCheckBox>(QLatin1String(c))->isChecked()) << c;
    for (const char* c : {"cmbCategoria", "cmbImpresoras", "cmbModificadores"})
        EXPECT_EQ(combo(c)->currentIndex(), -1) << c;
    EXPECT_EQ(pestanas()->currentIndex(), 0);
    EXPECT_EQ(pestanas()->tabText(0), QStringLiteral("Generales"));
    EXPECT_EQ(pestanas()->tabText(1), QStringLiteral("&Impuestos y Precios"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkAbierto"))->text(), QStringLiteral("Precio Abierto"));
    EXPECT_EQ(control<QCheckBox>(QStringLiteral("chkPaquete"))->text(), QStringLiteral("Paquete:"));
    QStringList estados;
    for (int i = 0; i < combo("CmbEstado")->count(); ++i)
        estados << combo("CmbEstado")->itemText(i);
    EXPECT_EQ(estados, (QStringList{"Activo", "Sin existencia", "Bloqueado", "Descontinuado"}));
    // "None" ends each group list, after the groups by name.
    const auto lista = [this](const char* nombre) {
        QStringList textos;
        for (int i = 0; i < combo(nombre)->count(); ++i)
            textos << combo(nombre)->itemText(i);
        return textos;
    };
    EXPECT_EQ(lista("cmbImpresoras"), (QStringList{"COCINA", "NINGUNO"}));
    EXPECT_EQ(lista("cmbModificadores"), (QStringList{"SALSAS", "NINGUNA"}));

    for (grid::Grid* g : {menus(), impuestos()}) {
        QStringList vistas;
        for (int c = 1; c <= g->columnCount(); ++c)
            if (!g->isColumnHidden(c))
                vistas << g->text(0, c);
        EXPECT_EQ(vistas, g == menus() ? QStringList({"Menu", "Precio"}) : QStringList({"Impuesto", "Incluir"}));
        EXPECT_EQ(g->text(0, 5), QStringLiteral("Modificacion"));
    }
}

TEST_F(ProductosTest, ANewProductStoresItsRowItsTaxesFirstAndItsPrices)
{
    db.execute(QStringLiteral("CREATE TABLE Orden (Tabla TEXT)"));
    for (const char* t : {"ImpuestosXProducto", "PreciosXMenu"})
        db.execute(QStringLiteral("CREATE TRIGGER anota_%1 AFTER INSERT ON %1 BEGIN INSERT INTO Orden VALUES ('%1'); END")
                       .arg(QLatin1String(t)));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    llenaRegistro();
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdBoton"))->text(), QStringLiteral("POLLO\nASADO"));
    pestana(1);
    agregaFila(impuestos(), 0, QString());
    marca(impuestos(), 1);
    agregaFila(menus(), 1, QStringLiteral("85.50"));
    agregaFila(menus(), 0, QStringLiteral("95"));
    pulsa(Qt::Key_F5);

    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(editando());
    EXPECT_EQ(producto(), QStringList{QStringLiteral("1|Pollo asado|POLLO\\nASADO|Pollo|50|0|0|0|A|1|NULL|NULL")});
    EXPECT_EQ(tasas(), QStringList{QStringLiteral("1|1|1")});
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|85.5"), QStringLiteral("1|2|95")}));
    EXPECT_EQ(filas(QStringLiteral("SELECT Tabla FROM Orden")),
              (QStringList{QStringLiteral("ImpuestosXProducto"), QStringLiteral("PreciosXMenu"),
                           QStringLiteral("PreciosXMenu")}));
    EXPECT_EQ(combo("cmbImpresoras")->currentText(), QStringLiteral("NINGUNO"));
    EXPECT_EQ(combo("cmbModificadores")->currentText(), QStringLiteral("NINGUNA"));
    EXPECT_EQ(visibles(menus(), 3), (QStringList{QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
}

TEST_F(ProductosTest, EachRequiredFieldIsAskedForByItsCaptionAndNothingIsWritten)
{
    const struct {
        const char* campo;
        const char* control;
    } casos[] = {
        {"Nombre Completo", "TxtCompleto"}, {"Nombre Botón", "txtBotonU"},   {"Nombre Comanda", "txtCuenta"},
        {"Existencia", "txtExistencia"},    {"Estado", "CmbEstado"},         {"Categoría", "cmbCategoria"},
        {"Gpo. Impresoras", "cmbImpresoras"}, {"Gpo. Modificadores", "cmbModificadores"},
    };
    ASSERT_TRUE(abreVentana());
    for (const auto& c : casos) {
        boxes.clear();
        caja("TxtCompleto")->setFocus();
        pulsa(Qt::Key_Insert);
        llenaRegistro();
        // Emptied, or for a combo nothing chosen.
        if (QComboBox* elegido = combo(c.control))
            elegido->setCurrentIndex(-1);
        else
            reemplaza(QLatin1String(c.control) == QLatin1String("txtBotonU") ? linea(0) : caja(c.control), QString());
        // Checked from the grids' tab too: the message's field is shown.
        pestana(1);
        agregaFila(menus(), 0, QStringLiteral("10"));
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de ") + QString::fromUtf8(c.campo)}) << c.campo;
        EXPECT_TRUE(editando()) << c.campo;
        EXPECT_EQ(pestanas()->currentIndex(), 0) << c.campo;
        QWidget* foco = QApplication::focusWidget();
        EXPECT_TRUE(foco && (foco->objectName() == QLatin1String(c.control)
                             || foco->parentWidget()->objectName() == QLatin1String(c.control)))
            << c.campo;
        EXPECT_EQ(cuenta(QStringLiteral("Producto")), 0) << c.campo;
        EXPECT_EQ(cuenta(QStringLiteral("PreciosXMenu")), 0) << c.campo;
        caja("TxtCompleto")->setFocus();
        pulsa(Qt::Key_Escape);
    }

    // A stock that is not a whole number: the framework's number check, on a new product and a change.
    boxes.clear();
    pulsa(Qt::Key_Insert);
    llenaRegistro();
    reemplaza(caja("txtExistencia"), QStringLiteral("1.5"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("El campo de Existencia debe ser un número entero")});
    EXPECT_EQ(cuenta(QStringLiteral("Producto")), 0);
    reemplaza(caja("txtExistencia"), QStringLiteral("7"));
    pulsa(Qt::Key_F5);
    ASSERT_EQ(cuenta(QStringLiteral("Producto")), 1);
    boxes.clear();
    pulsa(Qt::Key_F6);
    reemplaza(caja("txtExistencia"), QStringLiteral("3.5"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("El campo de Existencia debe ser un número entero")});
    EXPECT_TRUE(caja("txtExistencia")->hasFocus());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Existencia FROM Producto")).toInt(), 7);
}

TEST_F(ProductosTest, TheButtonNameIsSplitAtTheFirstSeparatorAndJoinedAgainWhenChanged)
{
    const struct {
        const char* guardado;
        const char* linea1;
        const char* linea2;
        const char* vista;
    } casos[] = {
        {"PAPAS\\NGRANDES", "PAPAS", "GRANDES", "PAPAS\nGRANDES"},
        {"PAPAS\\nGRANDES", "PAPAS", "GRANDES", "PAPAS\nGRANDES"},
        {"PAPAS", "PAPAS", "", "PAPAS"},
        {"A\\nB\\nC", "A", "B\\nC", "A\nB\\nC"},
        // A stored line longer than the ten characters typed here is shown whole.
        {"HAMBURGUESAS\\nDOBLES", "HAMBURGUESAS", "DOBLES", "HAMBURGUESAS\nDOBLES"},
    };
    int id = 0;
    for (const auto& c : casos)
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, Nombre_Boton) VALUES (%1, 'P', '%2')")
                       .arg(++id)
                       .arg(QLatin1String(c.guardado)));
    ASSERT_TRUE(abreVentana());
    for (const auto& c : casos) {
        EXPECT_EQ(linea(0)->text(), QLatin1String(c.linea1)) << c.guardado;
        EXPECT_EQ(linea(1)->text(), QLatin1String(c.linea2)) << c.guardado;
        EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdBoton"))->text(), QLatin1String(c.vista)) << c.guardado;
        pulsa(Qt::Key_Up);  // the next product
    }
}

TEST_F(ProductosTest, AChangeStoresTheButtonLinesAndNamesAsTypedAndCancelShowsTheStoredOnes)
{
    db.execute(QStringLiteral("INSERT INTO Producto VALUES (1, 'PAPAS', 'PAPAS\\NGRANDES', 'PAPAS', 5, 1, 1, 0, 'A', "
                              "1, 3, 4)"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_F6);
    reemplaza(linea(1), QString());
    EXPECT_EQ(control<QPushButton>(QStringLiteral("cmdBoton"))->text(), QStringLiteral("PAPAS"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(producto(), QStringList{QStringLiteral("1|PAPAS|PAPAS|PAPAS|5|1|1|0|A|1|3|4")});

    // Apostrophes in every name, and a second line again.
    caja("TxtCompleto")->setFocus();
    pulsa(Qt::Key_F6);
    reemplaza(caja("TxtCompleto"), QStringLiteral("Papa's fritas"));
    reemplaza(linea(0), QStringLiteral("PAPA'S"));
    reemplaza(linea(1), QStringLiteral("O'NEIL"));
    reemplaza(caja("txtCuenta"), QStringLiteral("Papa's"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(producto(), QStringList{QStringLiteral("1|Papa's fritas|PAPA'S\\nO'NEIL|Papa's|5|1|1|0|A|1|3|4")});

    // Lines typed and cancelled: the stored name comes back, though the stored text did not change.
    caja("TxtCompleto")->setFocus();
    pulsa(Qt::Key_F6);
    reemplaza(linea(0), QStringLiteral("OTRA"));
    reemplaza(linea(1), QString());
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(linea(0)->text(), QStringLiteral("PAPA'S"));
    EXPECT_EQ(linea(1)->text(), QStringLiteral("O'NEIL"));
}

TEST_F(ProductosTest, GroupsAreStoredFromTheHiddenKeysAndNoneIsNull)
{
    polloGuardado();
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(combo("cmbImpresoras")->currentText(), QStringLiteral("COCINA"));
    EXPECT_EQ(combo("cmbModificadores")->currentText(), QStringLiteral("SALSAS"));
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbImpresoras"), QStringLiteral("NINGUNO")));
    ASSERT_TRUE(elige(combo("cmbModificadores"), QStringLiteral("NINGUNA")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(filas(QStringLiteral("SELECT IFNULL(ID_Grupo_Impresoras, 'NULL'), IFNULL(ID_Grupo_Modificadores, 'NULL') "
                                   "FROM Producto")),
              QStringList{QStringLiteral("NULL|NULL")});
    EXPECT_EQ(combo("cmbImpresoras")->currentText(), QStringLiteral("NINGUNO"));
    EXPECT_EQ(combo("cmbModificadores")->currentText(), QStringLiteral("NINGUNA"));

    caja("TxtCompleto")->setFocus();
    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbImpresoras"), QStringLiteral("COCINA")));
    ASSERT_TRUE(elige(combo("cmbModificadores"), QStringLiteral("SALSAS")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Grupo_Impresoras, ID_Grupo_Modificadores FROM Producto")),
              QStringList{QStringLiteral("3|4")});
}

TEST_F(ProductosTest, AGroupOrCategoryTheListsLackShowsNoneChosenAndIsAskedFor)
{
    polloGuardado();
    ASSERT_TRUE(abreVentana());
    // Added after the window opened: its lists do not hold it.
    db.execute(QStringLiteral("INSERT INTO Grupo_Impresoras VALUES (9, 'BARRA');"
                              "INSERT INTO Producto VALUES (2, 'CAFE', 'CAFE', 'CAFE', 1, 0, 0, 0, 'A', NULL, 9, 4)"));
    pulsa(Qt::Key_F6);
    pulsa(Qt::Key_F5);  // the change's requery brings product 2 in
    pulsa(Qt::Key_End);
    ASSERT_EQ(caja("txtId")->text(), QStringLiteral("2"));
    EXPECT_EQ(combo("cmbImpresoras")->currentIndex(), -1);
    EXPECT_EQ(combo("cmbCategoria")->currentIndex(), -1);
    EXPECT_EQ(combo("cmbModificadores")->currentText(), QStringLiteral("SALSAS"));

    pulsa(Qt::Key_F6);
    ASSERT_TRUE(elige(combo("cmbCategoria"), QStringLiteral("POLLO")));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Falta el campo de Gpo. Impresoras")});
    EXPECT_TRUE(editando());
    EXPECT_EQ(filas(QStringLiteral("SELECT IFNULL(ID_Categoria, 'NULL'), ID_Grupo_Impresoras FROM Producto WHERE "
                                   "ID_Producto=2")),
              QStringList{QStringLiteral("NULL|9")});
}

TEST_F(ProductosTest, AChangeWritesOnlyTheRowsThatChangedAndStoredMenusStayLocked)
{
    polloGuardado();
    db.execute(QStringLiteral("CREATE TABLE Cambios (Que TEXT)"));
    db.execute(QStringLiteral("CREATE TRIGGER precio AFTER UPDATE ON PreciosXMenu BEGIN "
                              "INSERT INTO Cambios VALUES ('P' || NEW.ID_Menu); END"));
    db.execute(QStringLiteral("CREATE TRIGGER tasa AFTER UPDATE ON ImpuestosXProducto BEGIN "
                              "INSERT INTO Cambios VALUES ('I' || NEW.ID_Tipo_Impuesto); END"));
    ASSERT_TRUE(abreVentana());
    ASSERT_EQ(visibles(menus(), 3), (QStringList{QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
    pulsa(Qt::Key_F6);
    pestana(1);
    EXPECT_FALSE(menus()->isCellEditable(1, 3));
    EXPECT_TRUE(menus()->isCellEditable(1, 4));
    EXPECT_FALSE(impuestos()->isCellEditable(1, 3));
    EXPECT_TRUE(impuestos()->isCellEditable(1, 4));
    escribeCelda(menus(), 1, 4, QStringLiteral("88"));
    marca(impuestos(), 1);
    EXPECT_EQ(estado(impuestos(), 1), QStringLiteral("M"));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(filas(QStringLiteral("SELECT Que FROM Cambios")), (QStringList{QStringLiteral("I1"), QStringLiteral("P1")}));
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|88"), QStringLiteral("1|2|95")}));
    EXPECT_EQ(tasas(), QStringList{QStringLiteral("1|1|1")});

    // A stored row hidden by Delete comes back locked with Esc; deleted again, the save removes it.
    menus()->setFocus();
    pulsa(Qt::Key_F6);
    borraFila(menus(), 2);
    EXPECT_EQ(visibles(menus(), 3), QStringList{QStringLiteral("COMIDA")});
    pulsa(Qt::Key_Escape);
    EXPECT_EQ(visibles(menus(), 3), (QStringList{QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
    EXPECT_FALSE(menus()->isCellEditable(2, 4));
    menus()->setFocus();
    pulsa(Qt::Key_F6);
    borraFila(menus(), 2);
    // A row added for a stored menu and deleted leaves that menu's price alone.
    agregaFila(menus(), 1, QStringLiteral("1"));
    EXPECT_TRUE(menus()->isCellEditable(3, 3));
    borraFila(menus(), 3);
    EXPECT_EQ(menus()->rowCount(), 2);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(precios(), QStringList{QStringLiteral("1|1|88")});

    // A row added in one save is a stored row at the next.
    menus()->setFocus();
    pulsa(Qt::Key_F6);
    agregaFila(menus(), 0, QStringLiteral("100"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|88"), QStringLiteral("1|2|100")}));
    menus()->setFocus();
    pulsa(Qt::Key_F6);
    escribeCelda(menus(), 2, 4, QStringLiteral("105"));
    pulsa(Qt::Key_F5);
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|88"), QStringLiteral("1|2|105")}));
}

TEST_F(ProductosTest, TabGoesFromAPriceRowsMenuToItsPriceAndThenOnToTheTaxes)
{
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_Insert);
    llenaRegistro();
    pestana(1);
    teclaEnGrid(menus(), Qt::Key_Insert);
    eligeCombo(menus(), 1, 3, 0);
    pulsa(Qt::Key_Tab);
    EXPECT_EQ(menus()->activeRow(), 1);
    EXPECT_EQ(menus()->activeColumn(), 4);
    ASSERT_TRUE(menus()->isAncestorOf(QApplication::focusWidget()));
    // Each key where the focus is: the first opens the cell's editor, the rest go into it.
    for (const QChar c : QStringLiteral("12.5"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    pulsa(Qt::Key_Tab);
    EXPECT_TRUE(impuestos()->isAncestorOf(QApplication::focusWidget()));
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(precios(), QStringList{QStringLiteral("1|2|12.5")});
}

TEST_F(ProductosTest, ARepeatedMenuOrTaxIsNamedAndNothingIsStored)
{
    polloGuardado();
    ASSERT_TRUE(abreVentana());
    // A new product with a menu twice, then with a tax twice; a change adding a stored menu again.
    const struct {
        bool nuevo;
        bool enPrecios;
        int entrada;
        const char* mensaje;
    } casos[] = {
        {true, true, 1, "Hay dos renglones de COMIDA"},
        {true, false, 0, "Hay dos renglones de IVA"},
        {false, true, 0, "Hay dos renglones de CENA"},
    };
    const QStringList antes = precios() + tasas() + producto(1);
    for (const auto& c : casos) {
        boxes.clear();
        pestana(0);
        caja("TxtCompleto")->setFocus();
        if (editando())
            pulsa(Qt::Key_Escape);
        pulsa(c.nuevo ? Qt::Key_Insert : Qt::Key_F6);
        if (c.nuevo)
            llenaRegistro(QStringLiteral("Pollo frito"));
        pestana(1);
        grid::Grid* g = c.enPrecios ? menus() : impuestos();
        for (int vez = 0; vez < (c.nuevo ? 2 : 1); ++vez)
            agregaFila(g, c.entrada, QString());
        pulsa(Qt::Key_F5);
        EXPECT_EQ(boxes.texts(), QStringList{QString::fromUtf8(c.mensaje)}) << c.mensaje;
        EXPECT_EQ(boxes.boxes().value(0).caption, QStringLiteral("Productos")) << c.mensaje;
        EXPECT_TRUE(editando()) << c.mensaje;
        EXPECT_EQ(precios() + tasas() + producto(1), antes) << c.mensaje;
        EXPECT_EQ(cuenta(QStringLiteral("Producto")), 1) << c.mensaje;
    }
}

TEST_F(ProductosTest, ARefusedChangeIsReportedKeepsTheEditAndWritesNoRow)
{
    polloGuardado();
    db.execute(QStringLiteral("CREATE TRIGGER bloquea BEFORE UPDATE ON Producto BEGIN SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_F6);
    reemplaza(caja("TxtCompleto"), QStringLiteral("POLLO FRITO"));
    pestana(1);
    escribeCelda(menus(), 1, 4, QStringLiteral("99"));
    borraFila(impuestos(), 1);
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No se pudieron guardar los cambios del registro")});
    EXPECT_TRUE(editando());
    EXPECT_EQ(caja("TxtCompleto")->text(), QStringLiteral("POLLO FRITO"));
    EXPECT_EQ(precios(), (QStringList{QStringLiteral("1|1|85.5"), QStringLiteral("1|2|95")}));
    EXPECT_EQ(tasas(), QStringList{QStringLiteral("1|1|0")});
    EXPECT_EQ(menus()->value(1, 4).toDouble(), 99.0);
    EXPECT_EQ(estado(impuestos(), 1), QStringLiteral("B"));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

TEST_F(ProductosTest, DeletingAProductTakesItsPricesAndTaxesOrNothing)
{
    polloGuardado();
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo) VALUES (2, 'CAFE');"
                              "INSERT INTO PreciosXMenu VALUES (1, 2, 20);"
                              "INSERT INTO ImpuestosXProducto VALUES (1, 2, 1);"
                              "INSERT INTO SubMenu (ID_SubMenu, Nombre_SubMenu) VALUES (1, 'BEBIDAS');"
                              "INSERT INTO Tipo_Cortesia (ID_Tipo_Cortesia, Nombre_Tipo_Cortesia) VALUES (1, 'GERENTE');"
                              "INSERT INTO Grupo_Promocional VALUES (1, 'CAFES');"
                              "INSERT INTO Grupo_Obsequios VALUES (1, 'POSTRES')"));
    // Every table that holds a product refuses its delete, naming itself.
    const struct {
        const char* tabla;
        const char* fila;
    } casos[] = {
        {"ProductosXSubmenu", "INSERT INTO ProductosXSubmenu VALUES (2, 1, 0)"},
        {"Secciones_Paquete", "INSERT INTO Secciones_Paquete VALUES (1, 'BEBIDA', 2, 1)"},
        {"ProductosXSeccion", "INSERT INTO Secciones_Paquete VALUES (2, 'BEBIDA', 1, 1);"
                              "INSERT INTO ProductosXSeccion VALUES (2, 2)"},
        {"ProductoXTipo_Cortesia", "INSERT INTO ProductoXTipo_Cortesia VALUES (1, 2)"},
        {"Detalle_Gpo_Promocional", "INSERT INTO Detalle_Gpo_Promocional VALUES (1, 2)"},
        {"Detalle_Gpo_Obsequios", "INSERT INTO Detalle_Gpo_Obsequios VALUES (1, 2)"},
    };
    ASSERT_TRUE(abreVentana());
    pulsa(Qt::Key_End);
    ASSERT_EQ(caja("txtId")->text(), QStringLiteral("2"));
    for (const auto& c : casos) {
        db.execute(QLatin1String(c.fila));
        boxes.clear();
        pulsa(Qt::Key_Delete);
        EXPECT_EQ(boxes.texts().value(1), kEnUso + QLatin1String(c.tabla))
            << c.tabla;
        EXPECT_EQ(cuenta(QStringLiteral("Producto")), 2) << c.tabla;
        EXPECT_EQ(precios(), (QStringList{"1|1|85.5", "1|2|95", "2|1|20"})) << c.tabla;
        EXPECT_EQ(tasas(), (QStringList{"1|1|0", "2|1|1"})) << c.tabla;
        EXPECT_EQ(caja("txtId")->text(), QStringLiteral("2")) << c.tabla;
        EXPECT_EQ(visibles(menus(), 4).size(), 1) << c.tabla;
        EXPECT_FALSE(g_ClsAdo().conexion().inTransaction()) << c.tabla;
        db.execute(QStringLiteral("DELETE FROM ProductosXSubmenu; DELETE FROM ProductosXSeccion; "
                                  "DELETE FROM Secciones_Paquete; DELETE FROM ProductoXTipo_Cortesia; "
                                  "DELETE FROM Detalle_Gpo_Promocional; DELETE FROM Detalle_Gpo_Obsequios"));
    }

    boxes.clear();
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar el registro?")});
    EXPECT_EQ(filas(QStringLiteral("SELECT ID_Producto FROM Producto")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(precios(), (QStringList{"1|1|85.5", "1|2|95"}));
    EXPECT_EQ(tasas(), QStringList{"1|1|0"});
    // The grids follow the product left current.
    EXPECT_EQ(caja("txtId")->text(), QStringLiteral("1"));
    EXPECT_EQ(visibles(menus(), 3), (QStringList{QStringLiteral("COMIDA"), QStringLiteral("CENA")}));
    EXPECT_EQ(visibles(impuestos(), 3), QStringList{QStringLiteral("IVA")});
}

TEST_F(ProductosTest, MovingOrFindingAProductRefillsBothGrids)
{
    polloGuardado();
    db.execute(QStringLiteral("INSERT INTO Producto VALUES (2, 'CAFE', 'CAFE', 'CAFE', 1, 0, 0, 0, 'A', 1, 3, 4);"
                              "INSERT INTO PreciosXMenu VALUES (2, 2, 20)"));
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(menus()->rowCount(), 2);
    EXPECT_EQ(impuestos()->rowCount(), 1);
    pulsa(Qt::Key_Up);  // the next product
    EXPECT_EQ(visibles(menus(), 3), QStringList{QStringLiteral("CENA")});
    EXPECT_EQ(impuestos()->rowCount(), 0);

    caja("TxtCompleto")->setFocus();
    ASSERT_TRUE(click(8));
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    FrmBusqueda::instancia()->TxtCondicion()->setText(QStringLiteral("pollo asado"));
    FrmBusqueda::instancia()->CmdBuscarPrimero()->click();
    EXPECT_EQ(caja("txtId")->text(), QStringLiteral("1"));
    EXPECT_EQ(menus()->rowCount(), 2);
    EXPECT_EQ(impuestos()->rowCount(), 1);
    EXPECT_EQ(linea(1)->text(), QStringLiteral("ASADO"));
}

TEST_F(ProductosTest, TheFilterListsEveryProductWithItsGroupsAndComparesTheStoredState)
{
    polloGuardado();
    db.execute(QStringLiteral("INSERT INTO Producto VALUES (2, 'CAFE', 'CAFE', 'CAFE', 1, 0, 0, 0, 'B', 1, 3, 4),"
                              " (3, 'TE', 'TE', 'TE', 1, 0, 0, 0, 'A', 1, NULL, 4),"
                              " (4, 'PAN', 'PAN', 'PAN', 1, 0, 0, 0, 'A', 1, 3, NULL),"
                              " (5, 'AGUA', 'AGUA', 'AGUA', 1, 0, 0, 0, 'D', 1, NULL, NULL)"));
    ASSERT_TRUE(abreVentana());
    const auto filtra = [this](const QString& campo, const QString& valor) {
        QStringList nombres;
        alAbrirFiltro([&](FrmCatFiltro* filtro) {
            filtro->CmdSelecciionarTodos->click();
            if (!campo.isEmpty()) {
                filtro->CmbCampos->setCurrentText(campo);
                filtro->TxtCondicion->setText(valor);
            }
            filtro->CmdEjecutar->click();
            adodb::Recordset r = filtro->resultado();
            for (; r.isOpen() && !r.eof(); r.moveNext())
                nombres << QStringList{r.value(QStringLiteral("Nombre_Completo")).toString(),
                                       r.value(QStringLiteral("Estado")).toString(),
                                       r.value(QStringLiteral("Nombre_Grupo_Impresoras")).toString(),
                                       r.value(QStringLiteral("Nombre_Grupo_Modificadores")).toString()}
                                  .join(QLatin1Char('|'));
        });
        click(18);
        return nombres;
    };
    EXPECT_EQ(filtra(QString(), QString()),
              (QStringList{"POLLO ASADO|Activo|COCINA|SALSAS", "CAFE|Bloqueado|COCINA|SALSAS", "TE|Activo||SALSAS",
                           "PAN|Activo|COCINA|", "AGUA|Descontinuado||"}));
    EXPECT_EQ(filtra(QStringLiteral("Estado"), QStringLiteral("A")),
              (QStringList{"POLLO ASADO|Activo|COCINA|SALSAS", "TE|Activo||SALSAS", "PAN|Activo|COCINA|"}));
    EXPECT_EQ(filtra(QStringLiteral("Grupo Impresora"), QStringLiteral("COCINA")),
              (QStringList{"POLLO ASADO|Activo|COCINA|SALSAS", "CAFE|Bloqueado|COCINA|SALSAS", "PAN|Activo|COCINA|"}));
}

TEST_F(ProductosTest, ListsAndRowsThatCannotBeReadLeaveTheWindowWorking)
{
    polloGuardado();
    for (const char* t : {"Menu", "Tipos_Impuesto", "Grupo_Impresoras", "Categoria", "PreciosXMenu"})
        db.execute(QStringLiteral("ALTER TABLE %1 RENAME TO %1_Otra").arg(QLatin1String(t)));
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(caja("TxtCompleto")->text(), QStringLiteral("POLLO ASADO"));
    EXPECT_EQ(combo("cmbCategoria")->count(), 0);
    EXPECT_EQ(combo("cmbImpresoras")->count(), 1);
    EXPECT_EQ(menus()->rowCount(), 0);
    EXPECT_EQ(impuestos()->rowCount(), 0);
    pulsa(Qt::Key_F6);
    pestana(1);
    agregaFila(menus(), 0, QStringLiteral("5"));
    EXPECT_EQ(menus()->text(1, 1), QString());
    pulsa(Qt::Key_Escape);
    EXPECT_FALSE(editando());
    EXPECT_EQ(menus()->rowCount(), 0);
}

} // namespace
