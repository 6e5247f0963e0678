#pragma once

#include "catalog/catalog_window.h"

class QLineEdit;

// "Modos de Preparación": how a dish is to be prepared, with the mark that kitchen printouts show.
class OpModoPreparacion : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpModoPreparacion(QWidget* parent = nullptr);

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QLineEdit* txtIndicador;
};
