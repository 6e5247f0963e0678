#pragma once

#include "catalog/catalog_window.h"

class QLineEdit;

namespace grid {
class Grid;
}

// What tells the promotional groups from the gift groups: their tables, columns and words.
struct GrupoProductos {
    QString objeto;
    QString titulo;
    QString tabla;
    QString llave;
    QString nombre;
    QString miembros;
    QString llaveMiembros;
    QString llaveRepetida;
};

// A named list of products that promotion rules refer to; the promotional and the gift groups are
// this one window on their own tables.
//
// Its products are rewritten on every save: every row is tried, and when any is refused (a product
// listed twice, an empty row) "ERROR TRANSACCIÓN TERMINADA" is said once and the rows that could be
// stored stay stored, with the group.
class OpGpoProductos : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpGpoProductos(const GrupoProductos& grupo, QWidget* parent = nullptr);

protected:
    bool Guarda_Detalle() override;

private:
    GrupoProductos m_grupo;
    QLineEdit* txtId;
    QLineEdit* TxtNombre;
    grid::Grid* sprProductos;
};

// "Grupos Promocionales": the products a promotion rule counts.
class OpGpoPromocional : public OpGpoProductos {
    Q_OBJECT
public:
    explicit OpGpoPromocional(QWidget* parent = nullptr);
};

// "Grupo Obsequios": the products a promotion rule gives away.
class OpGpoObsequios : public OpGpoProductos {
    Q_OBJECT
public:
    explicit OpGpoObsequios(QWidget* parent = nullptr);
};
