#include "mainwindow/admin/catalogo_fijo.h"

#include "foundation/forms/main_window_services.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

namespace catalogo_fijo {

void DeshabilitaNuevoYBorrar()
{
    MainWindowServices* main = mainWindow();
    if (!main)
        return;
    for (int boton : {1, 3})
        if (QAction* a = main->toolbarButton(boton))
            a->setEnabled(false);
    for (int item : {8, 10})
        if (QAction* a = main->editRecordItem(item))
            a->setEnabled(false);
}

void FuncionNoDisponible()
{
    ui::msgBox(QStringLiteral("Función no disponible en este catálogo"), ui::Information);
    DeshabilitaNuevoYBorrar();
}

void TamanoMinimo(grid::Grid* rejilla, int filas)
{
    QTableWidget* t = rejilla->table();
    const int ancho = t->horizontalHeader()->length() + t->fontMetrics().horizontalAdvance(QStringLiteral("00000"))
                      + t->verticalScrollBar()->sizeHint().width() + 2 * t->frameWidth();
    const int alto = t->horizontalHeader()->sizeHint().height() + filas * t->verticalHeader()->defaultSectionSize()
                     + 2 * t->frameWidth();
    rejilla->setMinimumSize(ancho, alto);
}

} // namespace catalogo_fijo
