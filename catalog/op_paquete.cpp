#include "catalog/op_paquete.h"
#include "catalog/detail_grid.h"
#include "catalog/grid_width.h"
#include "catalog/op_modif_paq.h"
#include "foundation/database/cls_ado.h"
#include "foundation/database/temp_table.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

using grid::CellFormat;

OpPaquete::OpPaquete(QWidget* parent) : DataEntryWindow(parent)
{
    setObjectName(QStringLiteral("OpPaquete"));
    setWindowTitle(QStringLiteral("Paquetes"));
    setTabla(QStringLiteral("Producto"), QStringLiteral("ID_Producto"), QString());
    setConsulta(QStringLiteral("SELECT ID_Producto,Nombre_Completo FROM Producto WHERE Paquete=1"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lblId = forms::textBox(Frame1, QStringLiteral("lblId"), QStringLiteral("ID_Producto"));
    forms::keyBoxStyle(lblId);
    lblId->setMinimumWidth(lblId->fontMetrics().averageCharWidth() * 10 + 12);
    lblproducto = forms::textBox(Frame1, QStringLiteral("lblproducto"), QStringLiteral("Nombre_Completo"));
    forms::setWidthInLetters(lblproducto, 25);
    auto* Label1 = forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("ID Paquete:"), lblId);
    forms::setTag(Label1, QStringLiteral("lblid"));
    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), lblproducto);

    lstSecciones = new QListWidget(Frame1);
    lstSecciones->setObjectName(QStringLiteral("lstSecciones"));
    sprProductos = new grid::Grid(Frame1);
    sprProductos->setObjectName(QStringLiteral("sprProductos"));
    sprProductos->setColumnCount(2);
    sprProductos->setText(0, 1, QStringLiteral("ID"));
    sprProductos->setText(0, 2, QStringLiteral("Producto"));
    sprProductos->setColumnFormat(1, CellFormat::integer());
    sprProductos->setColumnWidth(1, 10);
    sprProductos->setColumnWidth(2, 25);
    anchoParaColumnas(sprProductos);

    auto* filas = new QFormLayout;
    filas->addRow(Label1, lblId);
    filas->addRow(Label2, lblproducto);
    auto* listas = new QHBoxLayout;
    listas->addWidget(lstSecciones, 2);
    listas->addWidget(sprProductos, 3);
    auto* marco = new QVBoxLayout(Frame1);
    marco->addLayout(filas);
    marco->addLayout(listas, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);
    setTabOrder(lblId, lblproducto);
    setTabOrder(lblproducto, lstSecciones);
    setTabOrder(lstSecciones, sprProductos);

    m_productos = new DetailGrid(sprProductos, this);
    m_productos->setFillQuery(QStringLiteral(
        "SELECT ProductosXSeccion.ID_Producto,Nombre_Completo FROM Producto,ProductosXSeccion "
        "WHERE Producto.ID_Producto=ProductosXSeccion.ID_Producto AND ID_Seccion_Paquete="));

    connect(lstSecciones, &QListWidget::currentRowChanged, this, &OpPaquete::lstSecciones_Click);
    connect(&Enlace(), &FieldBinder::rowShown, this, &OpPaquete::lblId_Change);
    connect(&Formas(), &ClsFormas::activada, this, &OpPaquete::lstSecciones_Click);

    Form_Load();
    // The window never edits: its list and grid are always there to look through.
    lstSecciones->setEnabled(true);
    sprProductos->setEnabled(true);
    lblId_Change();
}

void OpPaquete::lblId_Change()
{
    {
        const QSignalBlocker quieta(lstSecciones);
        lstSecciones->clear();
    }
    m_productos->fill(QString());
    if (!hayRegistro())
        return;
    const QString paquete = forms::text(lblId).trimmed();
    if (!DetailGrid::isKey(paquete))
        return;
    adodb::Recordset secciones;
    if (g_ClsAdo().Establece_consulta(secciones,
                                      QStringLiteral("SELECT ID_Seccion_Paquete,Nombre_Seccion FROM Secciones_Paquete "
                                                     "WHERE ID_Producto=") + paquete,
                                      3, 3, 1)) {
        const QSignalBlocker quieta(lstSecciones);
        for (int r = 0; r < secciones.recordCount(); ++r) {
            auto* item = new QListWidgetItem(secciones.cell(r, 1).toString(), lstSecciones);
            item->setData(Qt::UserRole, secciones.cell(r, 0));
        }
    }
    if (lstSecciones->count() > 0)
        lstSecciones->setCurrentRow(0);
}

void OpPaquete::lstSecciones_Click()
{
    m_productos->fill(seccionElegida());
}

QString OpPaquete::seccionElegida() const
{
    const QListWidgetItem* item = lstSecciones->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void OpPaquete::BotonNuevoModificar(bool PbNuevo)
{
    if (!hayRegistro())
        return;
    const QString seccion = seccionElegida();
    if (!PbNuevo && seccion.isEmpty())
        return;
    {
        OpModifPaq dialogo(forms::text(lblId), window());
        if (!PbNuevo)
            dialogo.cargaSeccion(seccion, lstSecciones->currentItem()->text());
        dialogo.exec();
    }
    lblId_Change();
}

void OpPaquete::BotonBorrar()
{
    if (!hayRegistro())
        return;
    ui::WaitCursor espera;
    if (ui::msgBox(QStringLiteral("¿Esta seguro de borrar el registro?"), ui::YesNo | ui::Question) == ui::Yes) {
        const QString seccion = seccionElegida();
        if (DetailGrid::isKey(seccion)) {
            // The section's products go with it in the same statement (the database cascades).
            adodb::Recordset ninguno;
            g_ClsAdo().Borrar(ninguno, QStringLiteral("Secciones_Paquete"), QVariant(),
                              QStringLiteral("ID_Seccion_Paquete=") + seccion, false);
            lblId_Change();
        }
    }
    muestraCuenta();
}

void OpPaquete::BotonFiltro()
{
    // Every package with its sections and their products: a package without sections, and a
    // section without products, once each with empty columns.
    TemporaryTable tabla(QStringLiteral("#Tmp_Paquetes"));
    const QString nombre = tabla.sqlName();
    const QStringList pasos{
        QStringLiteral("CREATE TEMP TABLE ") + nombre
            + QStringLiteral("(ID_Paquete Integer,Nombre_Paquete Varchar(100),ID_Seccion_Paquete Integer,"
                             "Nombre_seccion Varchar(100),ID_Producto Integer)"),
        QStringLiteral("INSERT INTO ") + nombre
            + QStringLiteral(" SELECT Producto.ID_Producto AS ID_Paquete,Nombre_Completo AS Nombre_Paquete,"
                             "Secciones_Paquete.ID_Seccion_Paquete,Nombre_Seccion,ProductosXSeccion.ID_Producto "
                             "FROM Producto JOIN Secciones_Paquete ON Producto.ID_Producto=Secciones_Paquete.ID_Producto "
                             "LEFT JOIN ProductosXSeccion ON "
                             "Secciones_Paquete.ID_Seccion_Paquete=ProductosXSeccion.ID_Seccion_Paquete "
                             "WHERE Producto.Paquete=1"),
        QStringLiteral("INSERT INTO ") + nombre
            + QStringLiteral(" SELECT Producto.ID_Producto,Nombre_Completo,NULL,NULL,NULL FROM Producto "
                             "WHERE ID_Producto NOT IN (SELECT ID_Producto FROM Secciones_Paquete "
                             "WHERE ID_Producto IS NOT NULL) AND Paquete=1"),
    };
    QString fallo;
    {
        ui::WaitCursor espera;
        for (const QString& paso : pasos) {
            if (!tabla.execute(paso)) {
                fallo = tabla.error();
                break;
            }
        }
    }
    if (!fallo.isEmpty()) {
        ui::msgBox(fallo, ui::Critical, windowTitle());
        return;
    }
    AbreFiltro(this,
               nombre + QStringLiteral(" LEFT JOIN Producto ON ") + nombre
                   + QStringLiteral(".ID_Producto=Producto.ID_Producto WHERE"),
               {{QStringLiteral("Id Paquete"), QStringLiteral("ID_Paquete"), QStringLiteral("ID_Paquete")},
                {QStringLiteral("Nombre"), QStringLiteral("Nombre_Paquete"), QStringLiteral("Nombre_Paquete")},
                {QStringLiteral("ID Seccion"), QStringLiteral("ID_Seccion_Paquete"), QStringLiteral("ID_Seccion_Paquete")},
                {QStringLiteral("Nombre seccion"), QStringLiteral("Nombre_Seccion"), QStringLiteral("Nombre_Seccion")},
                {QStringLiteral("ID Producto"), nombre + QStringLiteral(".ID_Producto"),
                 nombre + QStringLiteral(".ID_Producto")},
                {QStringLiteral("Producto"), QStringLiteral("Nombre_Completo"), QStringLiteral("Nombre_Completo")}});
}
