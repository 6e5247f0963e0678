#pragma once

#include <QString>

class DetailGrid;
class QDateEdit;
class QGroupBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace grid {
class Grid;
}

// Pieces of design that several operation windows share.
namespace disenos {

// The window's tab control sstFolder, with its first tab "Datos Generales" holding the frame of
// the record's fields, returned.
QGroupBox* datosGenerales(QTabWidget* sstFolder);

// A caption without a tag: find does not search the control's column.
QLabel* etiquetaSinTag(QWidget* parent, const QString& nombre, const QString& texto, QWidget* control);

// A date picker with its calendar, bound to a date column, showing day/month/year.
QDateEdit* selectorFecha(QWidget* parent, const QString& nombre, const QString& columna);
// The same for a column where no date means no end: a row without one shows an empty picker and
// keeps its NULL; the picker's first day (its empty value) stores NULL again.
QDateEdit* selectorFechaOpcional(QWidget* parent, const QString& nombre, const QString& columna);
// Whether an optional picker shows no date.
bool sinFecha(const QDateEdit* fecha);

// The grid of a record's products: "ID" typed or picked, "Producto" shown, and the picker's button.
grid::Grid* rejillaProductos(QWidget* parent);

// The grid's behaviour: the rows of `fillQuery` followed by the record's key, a typed key looked
// up in Producto, the product picker on the button.
void configuraProductos(DetailGrid* productos, const QString& fillQuery);

} // namespace disenos
