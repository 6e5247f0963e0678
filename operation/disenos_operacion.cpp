#include "operation/disenos_operacion.h"
#include "catalog/detail_grid.h"
#include "foundation/forms/controls.h"
#include "platform/grid/grid.h"
#include "platform/ui/date_typing.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace disenos {

QGroupBox* datosGenerales(QTabWidget* sstFolder)
{
    sstFolder->setObjectName(QStringLiteral("sstFolder"));
    auto* Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    sstFolder->addTab(Frame1, QStringLiteral("Datos Generales"));
    return Frame1;
}

QLabel* etiquetaSinTag(QWidget* parent, const QString& nombre, const QString& texto, QWidget* control)
{
    auto* l = new QLabel(texto, parent);
    l->setObjectName(nombre);
    l->setBuddy(control);
    return l;
}

QDateEdit* selectorFecha(QWidget* parent, const QString& nombre, const QString& columna)
{
    auto* fecha = new QDateEdit(parent);
    fecha->setObjectName(nombre);
    fecha->setCalendarPopup(true);
    fecha->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    ui::typeDatesWhole(fecha);
    forms::setDataField(fecha, columna);
    return fecha;
}

QDateEdit* selectorFechaOpcional(QWidget* parent, const QString& nombre, const QString& columna)
{
    QDateEdit* fecha = selectorFecha(parent, nombre, columna);
    fecha->setProperty("Opcional", true);
    fecha->setMinimumDate(QDate(1990, 1, 1));
    fecha->setSpecialValueText(QStringLiteral(" "));
    return fecha;
}

bool sinFecha(const QDateEdit* fecha)
{
    return fecha->property("Opcional").toBool() && fecha->date() == fecha->minimumDate();
}

grid::Grid* rejillaProductos(QWidget* parent)
{
    auto* productos = new grid::Grid(parent);
    productos->setObjectName(QStringLiteral("sprProductos"));
    productos->setToolTip(QStringLiteral("Ins=Insertar registro Del=Borrar registro"));
    productos->setColumnCount(3);
    productos->setText(0, 1, QStringLiteral("ID"));
    productos->setText(0, 2, QStringLiteral("Producto"));
    productos->setText(0, 3, QStringLiteral(" "));
    productos->setColumnFormat(1, grid::CellFormat::integer(0, 99999999));
    productos->setColumnFormat(2, grid::CellFormat::staticText());
    productos->setColumnFormat(3, grid::CellFormat::button(QStringLiteral("...")));
    productos->setRowHeaderVisible(false);
    // A key of eight digits, a product's full name and the picker's button.
    productos->setColumnWidth(1, 9);
    productos->setColumnWidth(2, 30);
    productos->setColumnWidth(3, 3);
    return productos;
}

void configuraProductos(DetailGrid* productos, const QString& fillQuery)
{
    productos->setFillQuery(fillQuery);
    productos->setKeyColumn(1);
    productos->setNameColumn(2);
    productos->setLookup({QStringLiteral("Producto"), QStringLiteral("Nombre_Completo"), QStringLiteral("ID_Producto"),
                          QStringLiteral("La clave del producto no existe")});
    productos->setPicker(3, DetailPicker::Products);
    productos->sizeToColumns(8);
}

} // namespace disenos
