#pragma once

#include "foundation/dialogs/frm_cat_filtro.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// The filter dialog is modal: the steps run inside its own loop once it shows, then it is closed.
// Call this before the command that opens it.
inline void alAbrirFiltro(std::function<void(FrmCatFiltro*)> pasos)
{
    QTimer::singleShot(0, [pasos = std::move(pasos)] {
        auto* filtro = qobject_cast<FrmCatFiltro*>(QApplication::activeModalWidget());
        if (!filtro) {
            ADD_FAILURE() << "no filter dialog";
            return;
        }
        pasos(filtro);
        filtro->CmdCerrar->click();
    });
}

// The captions of a list, in order.
inline QStringList textos(const QListWidget* lista)
{
    QStringList out;
    for (int i = 0; i < lista->count(); ++i)
        out << lista->item(i)->text();
    return out;
}
