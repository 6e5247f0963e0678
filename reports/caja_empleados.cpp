#include "reports/caja_empleados.h"

#include "platform/ui/msgbox.h"
#include "reports/guarda_busqueda.h"
#include "reports/lista_ids.h"

#include <QKeyEvent>

CajaEmpleados::CajaEmpleados(QWidget* parent) : QLineEdit(parent)
{
}

void CajaEmpleados::keyPressEvent(QKeyEvent* event)
{
    const QString texto = event->text();
    // Keys without a printable character (Backspace, Delete, arrows) and shortcuts (Ctrl+V) pass.
    const bool atajo = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool imprimible = !atajo && !texto.isEmpty() && texto.at(0).isPrint();
    if (imprimible && !(texto.size() == 1 && ((texto.at(0) >= QLatin1Char('0') && texto.at(0) <= QLatin1Char('9')) || texto.at(0) == QLatin1Char(',')))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QString condicionEmpleados(const QLineEdit* caja, const QString& prefijo)
{
    const ListaIds lista = parseaListaIds(caja->text());
    if (!lista.valida()) {
        ui::msgBox(QStringLiteral("\"%1\" no es un número de empleado. Escriba los números de empleado separados por "
                                  "comas.")
                       .arg(lista.invalido),
                   ui::Exclamation);
        throw BusquedaInterrumpida();
    }
    if (lista.ids.isEmpty())
        return QString();
    return prefijo + lista.texto() + QLatin1Char(')');
}
