#pragma once

#include "catalog/code_pair.h"
#include "catalog/detail_grid.h"
#include "catalog/next_key.h"
#include "foundation/forms/data_entry_window.h"

#include <QList>
#include <QPointer>
#include <QString>

class QComboBox;
class QLineEdit;
class LookupPair;

namespace grid {
class Grid;
}

// A record window of the product and operation catalogs: a data-entry window on one catalog table
// that also knows how its new rows get their key, which fields it checks itself, the codes and
// foreign keys its combos choose, and the detail grids and detail tables that belong to each record.
//
// A window builds its controls, declares its catalog (setCatalogo), its required fields, code and
// lookup pairs, detail grids and filter columns, and calls Form_Load() at the end of its
// constructor. From then on:
//  - a new row's key is computed just before it is stored (key forms A and B) or left to the
//    database (form C);
//  - the required fields are checked in the order declared ("Falta el campo de Nombre", the focus
//    moved there); a window that declares none uses the labels' "NoVacio" check;
//  - the detail grids always show the rows of the current record, follow the edit mode, are
//    written with the record in its transaction (never after a refused record) and filled again
//    when the edit ends;
//  - a refused detail row refuses the whole save, the record included;
//  - a delete removes the detail tables' and grids' rows and then the record in one transaction,
//    rolled back when the database refuses the record.
class CatalogWindow : public DataEntryWindow {
    Q_OBJECT
public:
    ~CatalogWindow() override;

    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonAceptar() override;
    void BotonCancelar() override;
    // The grid pop-up menu's "&Nuevo" and "&Borrar": Insert and Delete on the grid that has the menu.
    void SpreadNuevo() override;
    void SpreadBorrar() override;

    KeyForm formaLlave() const { return m_formaLlave; }
    // The key of the record shown, as its key box shows it; empty for none.
    QString llave() const;
    const QList<DetailGrid*>& detalles() const { return m_detalles; }

protected:
    explicit CatalogWindow(QWidget* parent = nullptr);

    void setCatalogo(const QString& tabla, const QString& columnaLlave, KeyForm forma,
                     const QString& mensajeLlaveRepetida);
    // A field the window checks itself before saving, in the order added: when empty (or only
    // blanks), "Falta el campo de " and the word, and the focus goes there. Text boxes and combos.
    void agregaRequerido(QWidget* control, const QString& palabra);
    CodePair* agregaParCodigo(QComboBox* combo, QLineEdit* caja, const QList<Codigo>& codigos);
    // consulta: the text shown and the key, in the order listed. ninguno, when given ("NINGUNO"),
    // ends the list and stands for no row (NULL).
    LookupPair* agregaParBusqueda(QComboBox* combo, QLineEdit* caja, const QString& consulta,
                                  const QString& ninguno = QString());
    // A grid of the record's rows; the window configures the DetailGrid returned.
    DetailGrid* agregaDetalle(grid::Grid* grid);
    // A table whose rows of the record are deleted before the record, in the order added, by the
    // column holding the record's key (the window's key column when empty). The detail grids'
    // tables need no such line.
    void agregaTablaDetalle(const QString& tabla, const QString& columna = QString());
    // Opens the table and binds the controls (the data-entry window's load), with the detail grids
    // showing the first record.
    void Form_Load();

    bool Campos_Completos() override;
    void refreshLists() override;
    void Llave_Nueva() override;
    bool Guarda_Detalle() override;
    bool Borra_Detalle() override;

private:
    struct Requerido {
        QWidget* control;
        QString palabra;
    };
    struct TablaDetalle {
        QString tabla;
        QString columna;
    };

    void llenaDetalles();
    void modoDetalles(DetailGrid::Mode modo);
    DetailGrid* detalleConMenu() const;

    KeyForm m_formaLlave = KeyForm::C;
    QList<Requerido> m_requeridos;
    QList<DetailGrid*> m_detalles;
    QList<TablaDetalle> m_tablasDetalle;
    QList<QPointer<LookupPair>> m_pares;
    bool m_guardando = false;
};
