#pragma once

#include "catalog/catalog_window.h"

#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace grid {
class Grid;
}

// "Productos": what the terminals sell, with its names for reports, buttons and tickets, stock,
// state, category, printer group and modifier group; on a second tab its price on each menu and
// the tax types that apply to it.
//
// The button name is typed as two lines of up to 10 characters and stored as one text, the lines
// joined by the two characters "\n" (backslash, n), which the terminals turn into a line break.
class OpProductos : public CatalogWindow {
    Q_OBJECT
public:
    explicit OpProductos(QWidget* parent = nullptr);

    void BotonBuscar() override;
    void BotonFiltro() override;

    static const QList<Codigo>& estados();
    // The two lines of a stored button name: split at the first "\n", either case.
    static std::pair<QString, QString> partesBoton(const QString& nombre);
    // The stored button name of two lines: line 1 alone when line 2 is empty.
    static QString nombreBoton(const QString& linea1, const QString& linea2);

protected:
    void Valores_Nuevos() override;
    bool Campos_Completos() override;
    bool beforeSave(bool isNew) override;

private:
    void construyeGenerales(QWidget* pagina);
    void construyeRejillas(QWidget* pagina);
    void configuraImpuestos();
    void configuraPrecios();
    void declaraFiltro();
    void txtBoton_Change();
    void txtBotonU_Change();

    QTabWidget* TabProductos;
    QLineEdit* txtId;
    QLineEdit* TxtCompleto;
    QLineEdit* txtBoton;
    QLineEdit* txtBotonU[2];
    QPushButton* cmdBoton;
    QLineEdit* txtCuenta;
    QLineEdit* txtExistencia;
    QCheckBox* chkAbierto;
    QCheckBox* chkEspecial;
    QCheckBox* chkPaquete;
    QComboBox* CmbEstado;
    QLineEdit* TxtEstado;
    QComboBox* cmbCategoria;
    QLineEdit* txtCategoria;
    QComboBox* cmbImpresoras;
    QLineEdit* txtImpresoras;
    QComboBox* cmbModificadores;
    QLineEdit* txtModificador;
    grid::Grid* sprMenus;
    grid::Grid* sprImpuestos;
    // Set while the lines are written from the stored name, so that they do not write it back.
    bool m_partiendo = false;
};
