#include "tests/catalog/catalog_fixture.h"
#include "catalog/ventanas_catalogo.h"
#include "foundation/dialogs/filtro_catalogos.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/data_entry_window.h"
#include "foundation/forms/filtro.h"
#include "foundation/forms/frm_busqueda.h"
#include "foundation/forms/window_registry.h"
#include "mainwindow/mdi_principal.h"
#include "platform/grid/grid.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

void CatalogDb::SetUp()
{
    MainWindowDb::SetUp();
    addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
    join(1, addGroup(QStringLiteral("CATALOGOS"), true,
                     {QStringLiteral("OPERACION"), QStringLiteral("CATEGORIAS"), QStringLiteral("MENU"),
                      QStringLiteral("MODIFICADORES"), QStringLiteral("GRUPOSMODIFICADORES")}));
    registraVentanasCatalogo();
    registraFiltroCatalogos();
    openMain(1);
    ASSERT_TRUE(muestraActiva(main));
}

void CatalogDb::TearDown()
{
    if (FrmBusqueda* abierta = FrmBusqueda::instancia())
        abierta->Cierra();
    setAbridorFiltro({});
    MainWindowDb::TearDown();
}

DataEntryWindow* CatalogDb::abre(const QString& item, const QString& ventana)
{
    QAction* accion = main->menuItem(item);
    if (!accion || !accion->isVisible())
        return nullptr;
    accion->trigger();
    ventanaAbierta = qobject_cast<DataEntryWindow*>(WindowRegistry::find(ventana));
    return ventanaAbierta;
}

bool CatalogDb::click(int boton)
{
    QAction* accion = main->toolbarButton(boton);
    if (!accion->isVisible() || !accion->isEnabled())
        return false;
    accion->trigger();
    return true;
}

QString CatalogDb::panel(int i) const
{
    return main->statusPanel(i);
}

void CatalogDb::reemplaza(QWidget* box, const QString& text)
{
    box->setFocus();
    forms::selectAll(box);
    QTest::keyClick(box, Qt::Key_Delete);
    teclea(box, text);
}

QStringList CatalogDb::ordenTab(int n)
{
    QStringList orden;
    for (int i = 0; i < n; ++i) {
        orden << QApplication::focusWidget()->objectName();
        pulsa(Qt::Key_Tab);
    }
    return orden;
}

void CatalogDb::escribeCelda(grid::Grid* g, int row, int column, const QString& text)
{
    g->table()->setFocus();
    g->setActiveCell(row, column);
    const QModelIndex celda = g->table()->model()->index(row - 1, column - 1);
    g->table()->edit(celda);
    // The editor of this cell; a closed one may still be waiting for its deletion.
    auto* editor = qobject_cast<QLineEdit*>(g->table()->indexWidget(celda));
    if (!editor)
        return;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
}

void CatalogDb::eligeCombo(grid::Grid* g, int row, int column, int entry)
{
    g->table()->setFocus();
    g->setActiveCell(row, column);
    const QModelIndex celda = g->table()->model()->index(row - 1, column - 1);
    g->table()->edit(celda);
    auto* combo = qobject_cast<QComboBox*>(g->table()->indexWidget(celda));
    if (!combo)
        return;
    combo->hidePopup();
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
    QApplication::processEvents();
}

void CatalogDb::teclaEnGrid(grid::Grid* g, Qt::Key key)
{
    g->table()->setFocus();
    QTest::keyClick(g->table(), key);
}

int CatalogDb::cuenta(const QString& tabla)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).toInt();
}

QStringList CatalogDb::filas(const QString& sql)
{
    QStringList out;
    adodb::Recordset rs = db.execute(sql);
    for (; !rs.isNull() && !rs.eof(); rs.moveNext()) {
        QStringList valores;
        for (int i = 0; i < rs.fieldCount(); ++i)
            valores << (rs.field(i).isNull()                                      ? QStringLiteral("NULL")
                        : rs.field(i).value().typeId() == QMetaType::Bool ? QString::number(rs.field(i).value().toInt())
                                                                            : rs.field(i).text());
        out << valores.join(QLatin1Char('|'));
    }
    return out;
}
