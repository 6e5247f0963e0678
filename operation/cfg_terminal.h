#pragma once

#include "catalog/catalog_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Terminales": the point-of-sale stations, each named as its computer on the network, with its
// address, the menu it sells from and its state; at most one of them is the server.
class CfgTerminal : public CatalogWindow {
    Q_OBJECT
public:
    explicit CfgTerminal(QWidget* parent = nullptr);

    static const QList<Codigo>& estados();
    // Whether an address is four groups of the digits 0 to 9 separated by points, each at most 255; an
    // empty address is none and passes.
    static bool direccionValida(const QString& direccion);

protected:
    void Valores_Nuevos() override;
    bool Campos_Completos() override;
    bool confirmSave(bool isNew) override;
    bool beforeSave(bool isNew) override;

private:
    // The condition of the other terminals marked as server.
    QString otrosServidores(bool isNew) const;

    QLineEdit* TxtNombre;
    QLineEdit* MskIP;
    QComboBox* CmbMenu;
    QComboBox* cmbEstado;
    QCheckBox* chkServidor;
    QCheckBox* chkServidorBack;
    QLineEdit* txtId;
    QLineEdit* TxtMenu;
    QLineEdit* txtEstado;
    // The user agreed to take the server mark from m_servidorAnterior.
    bool m_quitaServidor = false;
    QString m_servidorAnterior;
};
