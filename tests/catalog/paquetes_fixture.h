#pragma once

#include "tests/catalog/catalog_fixture.h"
#include "tests/foundation/forms/typing.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"

#include "foundation/dialogs/frm_busca_prod.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

// The catalog fixture for a user who may also open submenus and packages, over menus COMIDA (1)
// and CENA (2) and products 10 SOPA, 11 ARROZ, 12 COMBO and 13 FIESTA (12 and 13 packages).
class SubmenusPaquetesDb : public CatalogDb {
protected:
    void SetUp() override
    {
        CatalogDb::SetUp();
        db.execute(QStringLiteral("INSERT INTO PermisosXGrupo_Trabajo (ID_Grupo_Trabajo, ID_Permiso) "
                                  "SELECT ID_Grupo_Trabajo, ID_Permiso FROM Grupo_Trabajo, Permisos "
                                  "WHERE Nombre_Grupo_Trabajo='CATALOGOS' AND Nombre_Permiso IN ('SUBMENU','PAQUETES')"));
        // The menus follow the rights read when the main window opens.
        delete main.data();
        openMain(1);
        ASSERT_TRUE(muestraActiva(main));
        db.execute(QStringLiteral("INSERT INTO Menu (ID_Menu, Nombre_Menu) VALUES (1, 'COMIDA'), (2, 'CENA')"));
        db.execute(QStringLiteral("INSERT INTO Producto (ID_Producto, Nombre_Completo, Paquete) VALUES "
                                  "(10, 'SOPA', 0), (11, 'ARROZ', 0), (12, 'COMBO', 1), (13, 'FIESTA', 1)"));
    }

    static QStringList columna(grid::Grid* g, int column)
    {
        QStringList out;
        for (int r = 1; r <= g->rowCount(); ++r)
            out << g->text(r, column);
        return out;
    }
    static void clickCelda(grid::Grid* g, int row, int column)
    {
        const QRect celda = g->table()->visualRect(g->table()->model()->index(row - 1, column - 1));
        QTest::mouseClick(g->table()->viewport(), Qt::LeftButton, {}, celda.center());
    }
    // When the product picker opens next: everything searched, the rows named picked, accepted.
    static void alAbrirBuscador(const QStringList& nombres)
    {
        QTimer::singleShot(0, [nombres] {
            auto* busca = qobject_cast<frmBusca_Prod*>(QApplication::activeModalWidget());
            if (!busca) {
                ADD_FAILURE() << "no picker";
                return;
            }
            busca->cmdBuscar->click();
            for (int r = 1; r <= busca->sprProductos->rowCount(); ++r)
                busca->sprProductos->setRowSelected(r, nombres.contains(busca->sprProductos->text(r, 2)));
            busca->cmdAceptar->click();
        });
    }
    // Whether any cell of the grid takes typing.
    static bool algunaEditable(grid::Grid* g)
    {
        for (int r = 1; r <= g->rowCount(); ++r)
            for (int c = 1; c <= g->columnCount(); ++c)
                if (g->isCellEditable(r, c))
                    return true;
        return false;
    }
};
