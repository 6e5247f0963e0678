// The record protocol in the catalog and operation windows: stored values kept by unrelated
// changes, the tab of the field being edited brought forward, names stored without blanks.
#include "catalog/ventanas_catalogo.h"
#include "mainwindow/mdi_principal.h"
#include "operation/ventanas_operacion.h"
#include "platform/clock/clock.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

#include <functional>

namespace {

class ProtocoloVentanasTest : public OperationDb {
protected:
    void SetUp() override
    {
        appclock::setNow(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
        OperationDb::SetUp();
        db.execute(QStringLiteral(
            "INSERT INTO Categoria VALUES (1, 'POLLO', 'V');"
            "INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA');"
            "INSERT INTO Grupo_Impresoras VALUES (3, 'COCINA');"
            "INSERT INTO Grupo_Modificadores (ID_Grupo_Modificadores, Nombre_Grupo_Modificadores) VALUES (4, 'SALSAS');"
            "INSERT INTO Producto VALUES (1, 'HAMBURGUESA', 'HAMBURGUESA DOBLE', 'HAMB', 5, 0, 0, 0, 'A', 1, 3, 4);"
            "INSERT INTO Terminal VALUES (1, 'CAJA1', '192.168.001.0100', 'A', 1, 0, 0);"
            "INSERT INTO Promocion (ID_Promocion, Nombre_Promocion, Tipo_Promocion, Fecha_Inicio_Promocion, "
            "  Fecha_Fin_Promocion, Activo) VALUES (1, '2X1', 'M', '2024-02-01 00:00:00', NULL, 1);"
            "INSERT INTO Detalle_Promocion VALUES (1, 1, 2, 3, 1, 12.345, NULL, NULL);"
            "INSERT INTO Tipo_Cortesia VALUES (1, 'GERENTE', 'P', 100, NULL, 1, '2024-01-01 00:00:00', NULL, 1);"
            "INSERT INTO Tipos_Impuesto VALUES (1, 'IVA', 1);"
            "INSERT INTO PorcentajeXTipo_Impuesto VALUES (1, '2005-01-01 00:00:00', NULL, 0.16125)"));
    }
    void TearDown() override
    {
        OperationDb::TearDown();
        appclock::reset();
    }
    QStringList permisos() const override
    {
        return OperationDb::permisos()
               + QStringList{QStringLiteral("CATEGORIAS"), QStringLiteral("MENU"), QStringLiteral("PAQUETES")};
    }
    void registraVentanas() override
    {
        registraVentanasCatalogo();
        registraVentanasOperacion();
    }
    grid::Grid* rejilla(const char* nombre) const { return control<grid::Grid>(QLatin1String(nombre)); }
};

TEST_F(ProtocoloVentanasTest, AValueTheWindowCannotShowExactlyIsKeptByAnUnrelatedChange)
{
    struct Caso {
        const char* item;
        const char* ventana;
        // The change of something else, in edit mode.
        std::function<void()> cambia;
        const char* consulta;
        QStringList esperado;
    };
    const auto nombre = [this](const QString& texto) { reemplaza(control(QStringLiteral("TxtNombre")), texto); };
    const QList<Caso> casos{
        {"mnuOpProductos", "OpProductos", [&] { reemplaza(control(QStringLiteral("TxtCompleto")), QStringLiteral("HAMBURGUESA XL")); },
         "SELECT Nombre_Completo, Nombre_Boton FROM Producto", {"HAMBURGUESA XL|HAMBURGUESA DOBLE"}},
        {"mnuTerminal", "CfgTerminal", [&] { nombre(QStringLiteral("CAJA2")); },
         "SELECT Nombre_Terminal, Direccion_IP FROM Terminal", {"CAJA2|192.168.001.0100"}},
        {"mnuOpPromociones", "OpPromociones", [&] { escribeCelda(rejilla("sprDetalle"), 1, 3, QStringLiteral("4")); },
         "SELECT CantMinima, Descuento FROM Detalle_Promocion", {"4|12.345"}},
        {"mnuOpPromociones", "OpPromociones", [&] { nombre(QStringLiteral("3X2")); },
         "SELECT Nombre_Promocion, Fecha_Fin_Promocion FROM Promocion", {"3X2|NULL"}},
        {"mnuOpCortesias", "OpCortesia", [&] { nombre(QStringLiteral("DUENO")); },
         "SELECT Nombre_Tipo_Cortesia, Fecha_Fin_Cortesia FROM Tipo_Cortesia", {"DUENO|NULL"}},
        {"mnuOpTipoImpuesto", "OpTipoImpuestos",
         [&] { escribeCelda(rejilla("sprPorcentajes"), 1, 3, QStringLiteral("31/12/2030")); },
         "SELECT CAST(Fecha_Fin_Impuesto AS TEXT), Porcentaje FROM PorcentajeXTipo_Impuesto",
         {"2030-12-31 00:00:00|0.16125"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.ventana);
        ASSERT_NE(abre(QLatin1String(caso.item), QLatin1String(caso.ventana)), nullptr);
        pulsa(Qt::Key_F6);
        ASSERT_TRUE(ventanaAbierta->Formas().Edicion());
        caso.cambia();
        boxes.clear();
        pulsa(Qt::Key_F5);
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
        EXPECT_FALSE(ventanaAbierta->Formas().Edicion());
        EXPECT_EQ(filas(QLatin1String(caso.consulta)), caso.esperado);
        ventanaAbierta->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// What is stored is what the window shows: the whole text, and no date where there is none.
TEST_F(ProtocoloVentanasTest, AStoredValueIsShownWhole)
{
    ASSERT_NE(abre(QStringLiteral("mnuTerminal"), QStringLiteral("CfgTerminal")), nullptr);
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("MskIP"))->text(), QStringLiteral("192.168.001.0100"));
    for (const char* item : {"mnuOpPromociones", "mnuOpCortesias"}) {
        SCOPED_TRACE(item);
        ASSERT_NE(abre(QLatin1String(item), QLatin1String(item) == QLatin1String("mnuOpPromociones")
                                                  ? QStringLiteral("OpPromociones")
                                                  : QStringLiteral("OpCortesia")),
                  nullptr);
        EXPECT_EQ(control<QDateEdit>(QStringLiteral("dtpFinal"))->text().trimmed(), QString());
    }
}

// A command that puts the focus in a field, or a message about a field, first shows the field's
// tab: nothing is typed into a field the user cannot see.
TEST_F(ProtocoloVentanasTest, TheFieldsTabComesForwardBeforeTheFocusOrAMessage)
{
    const struct {
        const char* item;
        const char* ventana;
        const char* pestanas;
        const char* primero;
    } casos[] = {{"mnuOpProductos", "OpProductos", "TabProductos", "TxtCompleto"},
                 {"mnuOpCortesias", "OpCortesia", "sstFolder", "TxtNombre"},
                 {"mnuOpPromociones", "OpPromociones", "sstFolder", "TxtNombre"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.ventana);
        ASSERT_NE(abre(QLatin1String(c.item), QLatin1String(c.ventana)), nullptr);
        auto* pestanas = control<QTabWidget>(QLatin1String(c.pestanas));
        auto* primero = control<QLineEdit>(QLatin1String(c.primero));
        pestanas->setCurrentIndex(1);
        pulsa(Qt::Key_F6);
        EXPECT_EQ(pestanas->currentIndex(), 0);
        EXPECT_EQ(QApplication::focusWidget(), primero);

        // The user goes to the second tab with the name emptied: the message shows the name.
        reemplaza(primero, QString());
        pestanas->setCurrentIndex(1);
        int visible = -1;
        boxes.setWitness([&](const ui::Box&) { visible = pestanas->currentIndex(); });
        boxes.clear();
        pulsa(Qt::Key_F5);
        boxes.setWitness(nullptr);
        EXPECT_EQ(boxes.texts().size(), 1);
        EXPECT_EQ(visible, 0);
        EXPECT_EQ(QApplication::focusWidget(), primero);
        pulsa(Qt::Key_Escape);
        ventanaAbierta->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Blanks typed around a name are not stored, so they cannot pass a repeated name off as new.
TEST_F(ProtocoloVentanasTest, ANameIsCheckedAndStoredWithoutTheBlanksAroundIt)
{
    ASSERT_NE(abre(QStringLiteral("mnuTerminal"), QStringLiteral("CfgTerminal")), nullptr);
    pulsa(Qt::Key_Insert);
    teclea(control(QStringLiteral("TxtNombre")), QStringLiteral(" caja1 "));
    ASSERT_TRUE(elige(control<QComboBox>(QStringLiteral("CmbMenu")), QStringLiteral("COMIDA")));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Ya existe la terminal")});
    reemplaza(control(QStringLiteral("TxtNombre")), QStringLiteral("  caja3 "));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(filas(QStringLiteral("SELECT Nombre_Terminal FROM Terminal ORDER BY 1")), (QStringList{"CAJA1", "CAJA3"}));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("TxtNombre"))->text(), QStringLiteral("CAJA3"));

    ASSERT_NE(abre(QStringLiteral("mnuOpCategorias"), QStringLiteral("OpCategoria")), nullptr);
    pulsa(Qt::Key_F6);
    reemplaza(control(QStringLiteral("TxtNombre")), QStringLiteral(" aves  "));
    boxes.clear();
    pulsa(Qt::Key_F5);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(filas(QStringLiteral("SELECT Nombre_Categoria FROM Categoria")), QStringList{"AVES"});
}

// A window the user comes back to lists what was stored meanwhile: a new terminal among the
// printer's terminals, a product just made a package among the packages.
TEST_F(ProtocoloVentanasTest, AWindowActivatedAgainListsWhatWasStoredMeanwhile)
{
    ASSERT_NE(abre(QStringLiteral("mnuUtlConfImpresoras"), QStringLiteral("CfgImpresora")), nullptr);
    QWidget* impresoras = ventanaAbierta;
    auto* terminales = control<QComboBox>(QStringLiteral("cmbTerminal"));
    EXPECT_EQ(entradas(terminales), QStringList{QStringLiteral("CAJA1")});
    ASSERT_NE(abre(QStringLiteral("mnuOpPaquete"), QStringLiteral("OpPaquete")), nullptr);
    QWidget* paquetes = ventanaAbierta;
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 0"));

    db.execute(QStringLiteral("INSERT INTO Terminal VALUES (2, 'BARRA', '', 'A', 1, 0, 0);"
                              "UPDATE Producto SET Paquete=1 WHERE ID_Producto=1"));
    const auto activa = [this](QWidget* ventana) {
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            if (sub->widget() == ventana)
                main->mdiArea()->setActiveSubWindow(sub);
        QApplication::processEvents();
    };
    activa(impresoras);
    EXPECT_EQ(entradas(terminales), (QStringList{QStringLiteral("BARRA"), QStringLiteral("CAJA1")}));
    activa(paquetes);
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 1"));
    EXPECT_EQ(paquetes->findChild<QLineEdit*>(QStringLiteral("lblId"))->text(), QStringLiteral("1"));
}

} // namespace
