#pragma once

#include "platform/adodb/adodb.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The find dialog " Buscar ...": the first, next or previous row of a data-entry window's recordset
// whose field equals or contains a value. It is a modeless child of the main window with a single
// instance, which serves whichever window asked for it last; it moves that window's recordset, and
// the window's bound controls follow.
class FrmBusqueda : public QWidget {
    Q_OBJECT
public:
    // Loads the dialog: the open instance, or a new one (choice "Igual a:", empty value).
    static FrmBusqueda* Carga();
    // The open instance, or null.
    static FrmBusqueda* instancia();

    // The name of the recordset field searched.
    QString psCampo;

    QLabel* lblCampo() const { return m_lblCampo; }
    QComboBox* CmbCondicion() const { return m_cmbCondicion; }
    QLineEdit* TxtCondicion() const { return m_txtCondicion; }
    QPushButton* CmdBuscarAnterior() const { return m_cmdBuscarAnterior; }
    QPushButton* CmdBuscarSiguiente() const { return m_cmdBuscarSiguiente; }
    QPushButton* CmdBuscarPrimero() const { return m_cmdBuscarPrimero; }
    QPushButton* cmdCerrar() const { return m_cmdCerrar; }

    // The recordset to search and the window it belongs to, replacing those of an earlier call.
    void Buscar_en(const adodb::Recordset& PrdrConsulta, QWidget* PfrmForma);
    // Shows the dialog without blocking the window.
    void Muestra();
    // Unloads the dialog.
    void Cierra();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Boton { Primero, Siguiente, Anterior };
    explicit FrmBusqueda(QWidget* parent = nullptr);
    void creaControles();
    void busca(Boton boton);
    QString criterio(Boton boton) const;

    QLabel* m_lblCampo = nullptr;
    QComboBox* m_cmbCondicion = nullptr;
    QLineEdit* m_txtCondicion = nullptr;
    QPushButton* m_cmdBuscarAnterior = nullptr;
    QPushButton* m_cmdBuscarSiguiente = nullptr;
    QPushButton* m_cmdBuscarPrimero = nullptr;
    QPushButton* m_cmdCerrar = nullptr;

    adodb::Recordset m_consulta;
    QPointer<QWidget> m_forma;
};
