#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Impresora": the printers, each attached to a terminal, with its port, command set and state, the
// printer that prints its jobs and a backup printer.
class CfgImpresora : public CatalogWindow {
    Q_OBJECT
public:
    explicit CfgImpresora(QWidget* parent = nullptr);

    static const QList<Codigo>& estados();
    static const QList<Codigo>& modos();

protected:
    bool afterSave(bool isNew) override;

private:
    QComboBox* cmbModo;
    QComboBox* cmbTerminal;
    QLineEdit* TxtNombre;
    QComboBox* cmbEstado;
    QComboBox* cmbPuerto;
    QComboBox* cmbRedirigido;
    QComboBox* cmbRespaldo;
    QCheckBox* chkEsDeCheques;
    QLineEdit* txtComentario;
    QLineEdit* txtId;
    QLineEdit* txtEstado;
    QLineEdit* txtModo;
    QLineEdit* txtTerminal;
    QLineEdit* txtRedirigido;
    QLineEdit* txtRespaldo;
    QLineEdit* txtPuerto;
};
