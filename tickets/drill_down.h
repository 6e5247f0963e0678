#pragma once

#include <QString>

#include <optional>

class QWidget;

// What the account windows' drill-downs share.
namespace drilldown {

// A whole number read from a cell's or a label's text (" 101" -> 101); none when the text is not
// one or does not fit 32 bits. Only numbers read this way reach the drill-down queries.
std::optional<qint32> entero(const QString& texto);

// Shows a window opened by a drill-down: a new child of the main window's document area each time.
void abre(QWidget* ventana);

// A drill-down whose query failed opens nothing and says why.
void fallo(const QString& descripcion);

} // namespace drilldown
