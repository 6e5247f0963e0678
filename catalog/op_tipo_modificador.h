#pragma once

#include "catalog/catalog_window.h"

class QComboBox;
class QLineEdit;
class MskPrecio;

// "Modificadores": the additions or changes that can be applied to an ordered product, each with its
// state (active, suspended, discontinued) and its flat price.
class OpTipoModificador : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpTipoModificador(QWidget* parent = nullptr);

    static const QList<Codigo>& estados();

protected:
    bool Campos_Completos() override;

private:
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    QComboBox* CmbEstado;
    QLineEdit* TxtEstado;
    MskPrecio* mskPrecio;
};
