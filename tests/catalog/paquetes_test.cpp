// The packages window and its section dialog, driven through the real main window.
#include "catalog/op_modif_paq.h"
#include "foundation/database/cls_ado.h"
#include "foundation/dialogs/frm_cat_filtro.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/frm_busqueda.h"
#include "tests/catalog/paquetes_fixture.h"
#include "tests/foundation/dialogs/filtro_abierto.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>

namespace {

const QString kRechazo = QStringLiteral("No se pudieron guardar los cambios del registro");

class PaqueteTest : public SubmenusPaquetesDb {
protected:
    bool abreVentana()
    {
        if (!abre(QStringLiteral("mnuOpPaquete"), QStringLiteral("OpPaquete")))
            return false;
        lblId = control<QLineEdit>(QStringLiteral("lblId"));
        lstSecciones = control<QListWidget>(QStringLiteral("lstSecciones"));
        productos = control<grid::Grid>(QStringLiteral("sprProductos"));
        return lblId && lstSecciones && productos;
    }
    // Section 1 of 12 (BEBIDAS, 2 articles) with 10 and 11; section 2 of 13 (POSTRE) with 10.
    void secciones()
    {
        db.execute(QStringLiteral("INSERT INTO Secciones_Paquete VALUES (1, 'BEBIDAS', 12, 2), (2, 'POSTRE', 13, 1)"));
        db.execute(QStringLiteral("INSERT INTO ProductosXSeccion VALUES (1, 10), (1, 11), (2, 10)"));
        // As the dialog leaves them: the keys given so far.
        db.execute(QStringLiteral("INSERT INTO Ultima_Clave VALUES ('Secciones_Paquete', 2)"));
    }
    // The section dialog is modal: the steps run inside its loop; it is cancelled if still open.
    void alAbrirSeccion(std::function<void(OpModifPaq*)> pasos)
    {
        abierto = false;
        QTimer::singleShot(0, [this, pasos = std::move(pasos)] {
            auto* d = qobject_cast<OpModifPaq*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no section dialog";
                return;
            }
            abierto = true;
            // Typing needs the dialog active, as on screen.
            QApplication::setActiveWindow(d);
            pasos(d);
            if (d->isVisible())
                d->cmdCancelar->click();
        });
    }
    // Opens the section dialog with a key of the window (Insert new, F6 change) and runs the steps in
    // it; the main window is active again afterwards.
    void enSeccion(Qt::Key tecla, std::function<void(OpModifPaq*)> pasos)
    {
        alAbrirSeccion(std::move(pasos));
        activaPrincipal();
        pulsa(tecla);
        activaPrincipal();
    }
    // The offscreen platform gives no activation back when a modal dialog closes.
    void activaPrincipal()
    {
        QApplication::setActiveWindow(main);
        lblId->setFocus();
    }
    // Types a product key into a new row of the dialog's grid and leaves the cell.
    static void agregaProducto(OpModifPaq* d, const QString& clave)
    {
        teclaEnGrid(d->sprProductos, Qt::Key_Insert);
        const int fila = d->sprProductos->rowCount();
        escribeCelda(d->sprProductos, fila, 1, clave);
        teclaEnGrid(d->sprProductos, Qt::Key_Right);
    }
    QStringList guardadas() { return filas(QStringLiteral("SELECT * FROM Secciones_Paquete ORDER BY 1")); }
    QStringList ofrecidos() { return filas(QStringLiteral("SELECT * FROM ProductosXSeccion ORDER BY 1, 2")); }
    QStringList lista() const
    {
        QStringList out;
        for (int i = 0; i < lstSecciones->count(); ++i)
            out << lstSecciones->item(i)->text();
        return out;
    }
    bool temporalQueda()
    {
        adodb::Recordset rs = g_ClsAdo().conexion().execute(
            QStringLiteral("SELECT COUNT(*) FROM sqlite_temp_master WHERE name='#Tmp_Paquetes'"));
        return rs.field(0).value().toInt() > 0;
    }

    QLineEdit* lblId = nullptr;
    QListWidget* lstSecciones = nullptr;
    grid::Grid* productos = nullptr;
    bool abierto = false;
};

TEST_F(PaqueteTest, BrowsesThePackagesAndANewSectionIsStoredUnderTheKeyItWasGiven)
{
    ASSERT_TRUE(abreVentana());
    EXPECT_EQ(ventanaAbierta->windowTitle(), QStringLiteral("Paquetes"));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
    EXPECT_EQ(lblId->text(), QStringLiteral("12"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("lblproducto"))->text(), QStringLiteral("COMBO"));
    EXPECT_TRUE(lista().isEmpty());
    const auto etiquetas = [](QWidget* w) {
        QStringList out;
        for (QLabel* l : w->findChildren<QLabel*>())
            out << l->text() + QLatin1Char('>') + forms::tag(l);
        return out;
    };
    EXPECT_TRUE(etiquetas(ventanaAbierta).contains(QStringLiteral("ID Paquete:>lblid")));
    EXPECT_TRUE(etiquetas(ventanaAbierta).contains(QStringLiteral("Nombre:>lblproducto")));
    // Neither Aceptar nor Cancelar is ever offered.
    EXPECT_FALSE(main->toolbarButton(5)->isEnabled());
    EXPECT_FALSE(main->toolbarButton(6)->isEnabled());

    enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Alta Sección"));
        EXPECT_TRUE(d->lblId->text().isEmpty());
        EXPECT_EQ(forms::tag(d->txtOrdenados), QStringLiteral("NumericoNoSignosNoVacio"));
        EXPECT_EQ(d->TxtNombre->maxLength(), 25);
        EXPECT_EQ(d->sprProductos->toolTip(), QStringLiteral("Ins=Insertar registro Del=Borrar registro"));
        for (const char* texto : {"ID Sección:>", "Nombre:>", "Permitir:>", "arículos de esta sección>"})
            EXPECT_TRUE(etiquetas(d).contains(QString::fromUtf8(texto))) << texto;
        teclea(d->TxtNombre, QStringLiteral("bebida's"));
        teclea(d->txtOrdenados, QStringLiteral("2"));
        agregaProducto(d, QStringLiteral("10"));
        agregaProducto(d, QStringLiteral("11"));
        EXPECT_EQ(columna(d->sprProductos, 2), (QStringList{QStringLiteral("SOPA"), QStringLiteral("ARROZ")}));
        d->cmdAceptar->click();
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_TRUE(abierto);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
    EXPECT_EQ(guardadas(), QStringList{QStringLiteral("1|BEBIDA'S|12|2")});
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11")}));
    EXPECT_EQ(lista(), QStringList{QStringLiteral("BEBIDA'S")});
    EXPECT_EQ(lstSecciones->currentRow(), 0);
    EXPECT_EQ(columna(productos, 2), (QStringList{QStringLiteral("SOPA"), QStringLiteral("ARROZ")}));
    EXPECT_FALSE(main->toolbarButton(5)->isEnabled());

    // The next package, found by name; its first section takes the next key.
    control<QLineEdit>(QStringLiteral("lblproducto"))->setFocus();
    pulsa(Qt::Key_F3);
    ASSERT_NE(FrmBusqueda::instancia(), nullptr);
    FrmBusqueda::instancia()->TxtCondicion()->setText(QStringLiteral("fiesta"));
    FrmBusqueda::instancia()->CmdBuscarPrimero()->click();
    FrmBusqueda::instancia()->Cierra();
    EXPECT_EQ(lblId->text(), QStringLiteral("13"));
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(productos->rowCount(), 0);
    enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
        teclea(d->TxtNombre, QStringLiteral("postre"));
        teclea(d->txtOrdenados, QStringLiteral("1"));
        agregaProducto(d, QStringLiteral("10"));
        d->cmdAceptar->click();
    });
    ASSERT_TRUE(abierto);
    EXPECT_EQ(guardadas(), (QStringList{QStringLiteral("1|BEBIDA'S|12|2"), QStringLiteral("2|POSTRE|13|1")}));
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11"), QStringLiteral("2|10")}));

    // Moving back shows the first package's sections again.
    pulsa(Qt::Key_Home);
    EXPECT_EQ(lista(), QStringList{QStringLiteral("BEBIDA'S")});
    EXPECT_EQ(productos->rowCount(), 2);
}

TEST_F(PaqueteTest, TheDialogRefusesAMissingNameOrNumberAndCancelWritesNothing)
{
    ASSERT_TRUE(abreVentana());
    struct Caso {
        QString nombre;
        QString numero;
        QString mensaje;
        const char* foco;
    };
    const Caso casos[] = {
        {QString(), QStringLiteral("2"), QStringLiteral("Falta el campo  de Nombre"), "TxtNombre"},
        {QStringLiteral("  "), QStringLiteral("2"), QStringLiteral("Falta el campo  de Nombre"), "TxtNombre"},
        {QStringLiteral("sopas"), QString(), QStringLiteral("Indique el número de artículos de esta sección"),
         "txtOrdenados"},
        {QStringLiteral("sopas"), QStringLiteral("1.5"), QStringLiteral("Indique el número de artículos de esta sección"),
         "txtOrdenados"},
        {QStringLiteral("sopas"), QStringLiteral("."), QStringLiteral("Indique el número de artículos de esta sección"),
         "txtOrdenados"},
    };
    for (const Caso& c : casos) {
        boxes.clear();
        enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
            d->TxtNombre->setText(c.nombre);
            d->txtOrdenados->setText(c.numero);
            agregaProducto(d, QStringLiteral("10"));
            d->cmdAceptar->click();
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), d->findChild<QWidget*>(QLatin1String(c.foco)));
        });
        ASSERT_TRUE(abierto);
        ASSERT_EQ(boxes.texts(), QStringList{c.mensaje}) << c.numero.toStdString();
        EXPECT_EQ(boxes.boxes().first().icon(), ui::Exclamation);
        EXPECT_TRUE(guardadas().isEmpty());
        EXPECT_TRUE(ofrecidos().isEmpty());
    }

    // A section cancelled after everything was filled in is not written either.
    boxes.clear();
    enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
        teclea(d->TxtNombre, QStringLiteral("sopas"));
        teclea(d->txtOrdenados, QStringLiteral("1"));
        agregaProducto(d, QStringLiteral("11"));
    });
    ASSERT_TRUE(abierto);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_TRUE(guardadas().isEmpty());
    EXPECT_TRUE(ofrecidos().isEmpty());
}

TEST_F(PaqueteTest, AChangeReplacesTheProductsOfTheChosenSection)
{
    secciones();
    ASSERT_TRUE(abreVentana());
    ASSERT_EQ(lista(), QStringList{QStringLiteral("BEBIDAS")});
    enSeccion(Qt::Key_F6, [&](OpModifPaq* d) {
        EXPECT_EQ(d->lblId->text(), QStringLiteral("1"));
        EXPECT_EQ(d->TxtNombre->text(), QStringLiteral("BEBIDAS"));
        EXPECT_EQ(d->txtOrdenados->text(), QStringLiteral("2"));
        ASSERT_EQ(columna(d->sprProductos, 1), (QStringList{QStringLiteral("10"), QStringLiteral("11")}));
        d->sprProductos->setActiveCell(1, 1);
        teclaEnGrid(d->sprProductos, Qt::Key_Delete);
        agregaProducto(d, QStringLiteral("13"));
        agregaProducto(d, QStringLiteral("11"));
        d->TxtNombre->setText(QStringLiteral("REFRESCO'S"));
        d->txtOrdenados->setText(QStringLiteral("3"));
        d->cmdAceptar->click();
    });
    ASSERT_TRUE(abierto);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(guardadas(), (QStringList{QStringLiteral("1|REFRESCO'S|12|3"), QStringLiteral("2|POSTRE|13|1")}));
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|11"), QStringLiteral("1|13"), QStringLiteral("2|10")}));
    EXPECT_EQ(lista(), QStringList{QStringLiteral("REFRESCO'S")});

    // A change refused by the database leaves the section and its products as they were.
    db.execute(QStringLiteral("CREATE TRIGGER niega BEFORE INSERT ON ProductosXSeccion BEGIN "
                              "SELECT RAISE(ABORT, 'no'); END"));
    enSeccion(Qt::Key_F6, [&](OpModifPaq* d) {
        d->TxtNombre->setText(QStringLiteral("JUGOS"));
        d->cmdAceptar->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->lblId->text(), QStringLiteral("1"));
    });
    ASSERT_TRUE(abierto);
    ASSERT_EQ(boxes.texts(), QStringList{kRechazo});
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Alta Sección"));
    EXPECT_EQ(guardadas(), (QStringList{QStringLiteral("1|REFRESCO'S|12|3"), QStringLiteral("2|POSTRE|13|1")}));
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|11"), QStringLiteral("1|13"), QStringLiteral("2|10")}));
    EXPECT_FALSE(g_ClsAdo().conexion().inTransaction());
}

TEST_F(PaqueteTest, ARefusedNewSectionWritesNothingAndStaysOpen)
{
    secciones();
    db.execute(QStringLiteral("CREATE TRIGGER niega BEFORE INSERT ON ProductosXSeccion WHEN NEW.ID_Producto=11 BEGIN "
                              "SELECT RAISE(ABORT, 'no'); END"));
    ASSERT_TRUE(abreVentana());
    enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
        teclea(d->TxtNombre, QStringLiteral("extra"));
        teclea(d->txtOrdenados, QStringLiteral("1"));
        agregaProducto(d, QStringLiteral("10"));
        agregaProducto(d, QStringLiteral("11"));
        d->cmdAceptar->click();
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->lblId->text().isEmpty());
        // Corrected, the same dialog stores the section.
        d->sprProductos->setActiveCell(2, 1);
        teclaEnGrid(d->sprProductos, Qt::Key_Delete);
        d->cmdAceptar->click();
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_TRUE(abierto);
    ASSERT_EQ(boxes.texts(), QStringList{kRechazo});
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Alta Sección"));
    EXPECT_EQ(guardadas(), (QStringList{QStringLiteral("1|BEBIDAS|12|2"), QStringLiteral("2|POSTRE|13|1"),
                                        QStringLiteral("3|EXTRA|12|1")}));
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11"), QStringLiteral("2|10"),
                                        QStringLiteral("3|10")}));
}

TEST_F(PaqueteTest, DeletingASectionTakesItsProductsAndItsKeyIsNeverGivenAgain)
{
    secciones();
    ASSERT_TRUE(abreVentana());
    lblId->setFocus();
    pulsa(Qt::Key_End);
    ASSERT_EQ(lblId->text(), QStringLiteral("13"));
    ASSERT_EQ(lista(), QStringList{QStringLiteral("POSTRE")});
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar el registro?")});
    EXPECT_EQ(guardadas(), QStringList{QStringLiteral("1|BEBIDAS|12|2")});
    EXPECT_EQ(ofrecidos(), (QStringList{QStringLiteral("1|10"), QStringLiteral("1|11")}));
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 2"));
    EXPECT_EQ(cuenta(QStringLiteral("Producto")), 4);

    // Without sections: modify opens nothing, delete asks and deletes nothing.
    boxes.clear();
    pulsa(Qt::Key_F6);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    pulsa(Qt::Key_Delete);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("¿Esta seguro de borrar el registro?")});
    EXPECT_EQ(guardadas().size(), 1);

    enSeccion(Qt::Key_Insert, [&](OpModifPaq* d) {
        EXPECT_EQ(d->sprProductos->rowCount(), 0);
        teclea(d->TxtNombre, QStringLiteral("helado"));
        teclea(d->txtOrdenados, QStringLiteral("0"));
        d->cmdAceptar->click();
    });
    ASSERT_TRUE(abierto);
    EXPECT_EQ(guardadas(), (QStringList{QStringLiteral("1|BEBIDAS|12|2"), QStringLiteral("3|HELADO|13|0")}));
    EXPECT_EQ(lista(), QStringList{QStringLiteral("HELADO")});
    EXPECT_EQ(productos->rowCount(), 0);
}

TEST_F(PaqueteTest, TheFilterListsEveryPackageOnceAndLeavesNoTemporaryTable)
{
    secciones();
    db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, Paquete) VALUES (14, 'BODA', 1)"));
    // A section of no package must not hide the packages without sections.
    db.execute(QStringLiteral("INSERT INTO Secciones_Paquete VALUES (3, 'VINOS', 13, 1), (4, 'SUELTA', NULL, 1)"));
    ASSERT_TRUE(abreVentana());
    QStringList columnas;
    QStringList resultado;
    const auto consulta = [&](FrmCatFiltro* filtro) {
        columnas = textos(filtro->LstCampos);
        filtro->CmdSelecciionarTodos->click();
        filtro->CmdEjecutar->click();
        resultado.clear();
        for (adodb::Recordset r = filtro->resultado(); !r.eof(); r.moveNext()) {
            QStringList valores;
            for (int i = 0; i < r.fieldCount(); ++i)
                valores << (r.field(i).isNull() ? QStringLiteral("-") : r.field(i).text());
            resultado << valores.join(QLatin1Char('|'));
        }
        resultado.sort();
    };
    alAbrirFiltro(consulta);
    click(18);
    EXPECT_EQ(columnas, (QStringList{QStringLiteral("Id Paquete"), QStringLiteral("Nombre"), QStringLiteral("ID Seccion"),
                                     QStringLiteral("Nombre seccion"), QStringLiteral("ID Producto"),
                                     QStringLiteral("Producto")}));
    EXPECT_EQ(resultado, (QStringList{QStringLiteral("12|COMBO|1|BEBIDAS|10|SOPA"),
                                      QStringLiteral("12|COMBO|1|BEBIDAS|11|ARROZ"),
                                      QStringLiteral("13|FIESTA|2|POSTRE|10|SOPA"),
                                      QStringLiteral("13|FIESTA|3|VINOS|-|-"), QStringLiteral("14|BODA|-|-|-|-")}));
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(temporalQueda());

    // A condition on a section's product.
    alAbrirFiltro([&](FrmCatFiltro* filtro) {
        filtro->CmdSelecciionarTodos->click();
        filtro->CmbCampos->setCurrentText(QStringLiteral("ID Producto"));
        filtro->TxtCondicion->setText(QStringLiteral("11"));
        filtro->CmdEjecutar->click();
        EXPECT_EQ(filtro->resultado().recordCount(), 1);
    });
    click(18);
    EXPECT_FALSE(temporalQueda());

    // A step that fails says what the database said and leaves nothing behind.
    db.execute(QStringLiteral("ALTER TABLE ProductosXSeccion RENAME TO Otra"));
    click(18);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts().first().contains(QStringLiteral("ProductosXSeccion"))) << boxes.texts().first().toStdString();
    EXPECT_EQ(boxes.boxes().first().icon(), ui::Critical);
    EXPECT_FALSE(temporalQueda());
    db.execute(QStringLiteral("ALTER TABLE Otra RENAME TO ProductosXSeccion"));
    resultado.clear();
    alAbrirFiltro(consulta);
    click(18);
    EXPECT_EQ(resultado.size(), 5);
    EXPECT_FALSE(temporalQueda());
}

} // namespace
