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
#include "foundation/forms/multiline_text_box.h"
#include "tests/catalog/diseno.h"
#include "tests/foundation/forms/typing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>

void CatalogDb::SetUp()
{
    MainWindowDb::SetUp();
    addEmployee(1, QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), QStringLiteral("A"), 0, true);
    join(1, addGroup(QStringLiteral("CATALOGOS"), true, permisos()));
    registraVentanas();
    registraFiltroCatalogos();
    openMain(1);
    ASSERT_TRUE(muestraActiva(main));
}

QStringList CatalogDb::permisos() const
{
    return {QStringLiteral("OPERACION"), QStringLiteral("CATEGORIAS"), QStringLiteral("MENU"),
            QStringLiteral("MODIFICADORES"), QStringLiteral("GRUPOSMODIFICADORES")};
}

void CatalogDb::registraVentanas()
{
    registraVentanasCatalogo();
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

namespace {

// A long name of the catalogs, in the capitals they are typed in.
const QString kNombreLargo = QStringLiteral("OSTRES D'ANTAÑO Y CAFÉ");

// The width in which a one-line box shows its text without scrolling it.
int anchoVisible(QLineEdit* caja)
{
    QStyleOptionFrame opcion;
    opcion.initFrom(caja);
    opcion.rect = caja->rect();
    opcion.lineWidth = caja->hasFrame() ? caja->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opcion, caja) : 0;
    const QRect texto = caja->style()->subElementRect(QStyle::SE_LineEditContents, &opcion, caja)
                            .marginsRemoved(caja->textMargins());
    return texto.width() - 4;  // the box's own margin of two pixels on each side
}

} // namespace

void CatalogDb::revisaDiseno(const Diseno& d)
{
    ASSERT_NE(abre(QLatin1String(d.item), QLatin1String(d.ventana)), nullptr);
    EXPECT_EQ(ventanaAbierta->windowTitle(), QString::fromUtf8(d.titulo));
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QString::fromUtf8(d.titulo));

    QStringList etiquetas;
    for (QLabel* l : ventanaAbierta->findChildren<QLabel*>())
        etiquetas << l->text() + QLatin1Char('>') + forms::tag(l);
    for (const auto& [caption, tag] : d.etiquetas)
        EXPECT_TRUE(etiquetas.contains(QString::fromUtf8(caption) + QLatin1Char('>') + QLatin1String(tag)))
            << caption << " in " << etiquetas.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(etiquetas.size(), d.etiquetas.size()) << etiquetas.join(QLatin1Char(',')).toStdString();
    for (const auto& [nombre, ayuda] : d.ayudas) {
        ASSERT_NE(control(QLatin1String(nombre)), nullptr) << nombre;
        EXPECT_EQ(control(QLatin1String(nombre))->toolTip(), QString::fromUtf8(ayuda)) << nombre;
    }
    for (const auto& [nombre, largo] : d.largos) {
        QWidget* c = control(QLatin1String(nombre));
        ASSERT_NE(c, nullptr) << nombre;
        const int maximo = qobject_cast<QLineEdit*>(c) ? qobject_cast<QLineEdit*>(c)->maxLength()
                                                       : qobject_cast<MultiLineTextBox*>(c)->maxLength();
        EXPECT_EQ(maximo, largo) << nombre;
        if (auto* caja = qobject_cast<QLineEdit*>(c); caja && largo >= 22) {
            EXPECT_GE(anchoVisible(caja), caja->fontMetrics().horizontalAdvance(kNombreLargo)) << nombre;
        }
    }
    for (const auto& [nombre, regla] : d.reglas)
        EXPECT_EQ(forms::tag(control(QLatin1String(nombre))), QLatin1String(regla)) << nombre;
    for (const QString& oculto : d.ocultos) {
        ASSERT_NE(control(oculto), nullptr) << oculto.toStdString();
        EXPECT_FALSE(control(oculto)->isVisible()) << oculto.toStdString();
    }
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("txtId"))->font().bold());

    // Browse state: nothing can be typed, the count in panel 1.
    EXPECT_TRUE(forms::isLocked(control(d.tabulador.first())));
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 0"));

    pulsa(Qt::Key_Insert);
    ASSERT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("txtId"))->isReadOnly());
    EXPECT_EQ(ordenTab(d.tabulador.size()), d.tabulador);

    QStringList filtro;
    for (const ColumnaFiltro& c : ventanaAbierta->columnasFiltro())
        filtro << c.titulo + QLatin1Char('|') + c.columnaLista + QLatin1Char('|') + c.columnaCondicion;
    EXPECT_EQ(filtro, d.filtro);
    EXPECT_EQ(ventanaAbierta->tablaFiltro(), ventanaAbierta->tabla() + QStringLiteral(" WHERE"));
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
        // The control that holds the focus: an editable combo or a grid gives it to a part of its own.
        QWidget* foco = QApplication::focusWidget();
        const QWidgetList controles = forms::controls(forms::windowOf(foco));
        while (foco->parentWidget() && !controles.contains(foco))
            foco = foco->parentWidget();
        orden << foco->objectName();
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
