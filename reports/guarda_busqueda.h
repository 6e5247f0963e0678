#pragma once

#include "platform/ui/wait_cursor.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// Ends a search where it stands once the user has been told why (the gateway's own message, or a
// refused input); the search guard shows nothing more.
struct BusquedaInterrumpida {};

// What a report search holds while it runs: its button disabled (a second search cannot start
// inside the first, as the gateway lets clicks through while a procedure runs), the hourglass, and
// its temporary tables, dropped before the search creates them and again however it ends, so that
// a failed search never leaves one behind to break the next.
class GuardaBusqueda {
public:
    GuardaBusqueda(QWidget* boton, const QStringList& tablasTemporales);
    ~GuardaBusqueda();
    GuardaBusqueda(const GuardaBusqueda&) = delete;
    GuardaBusqueda& operator=(const GuardaBusqueda&) = delete;

    // Drops the tables ("#Name") that exist on the gateway's connection; never raises.
    static void borraTablas(const QStringList& tablas);

private:
    QPointer<QWidget> m_boton;
    QStringList m_tablas;
    ui::WaitCursor m_reloj;
};
