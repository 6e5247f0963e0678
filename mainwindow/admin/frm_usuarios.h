#pragma once

#include "foundation/forms/data_entry_window.h"

class ListaBloqueable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace grid {
class Grid;
}

// "Empleados": the employees, who are at the same time the users of this program and of the
// terminals, with their work groups (which grant the rights) and the departments they work in at
// an hourly cost. A user without the user-administration right sees neither administrators nor the
// groups named "ADMIN", and cannot grant either.
//
// A record window of table Empleado on the data-entry protocol, keyed by the label lblId: a new
// employee gets the key after the largest, asks for the password before the save begins, and is
// stored with his groups and costs in one transaction; every save of an employee clears his
// failed logins; a delete asks its own question and refuses an employee in session before it
// begins, and drops his database login once it is done.
class FrmUsuarios : public DataEntryWindow {
    Q_OBJECT
public:
    explicit FrmUsuarios(QWidget* parent = nullptr);
    ~FrmUsuarios() override;

    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonAceptar() override;
    void BotonCancelar() override;
    // The window has no filter.
    void BotonFiltro() override {}

    // Opens little wider than its least width: the four grids would ask for much more.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    void Valores_Nuevos() override;
    bool Campos_Completos() override;
    bool confirmSave(bool isNew) override;
    bool beforeSave(bool isNew) override;
    QString Texto_Actualizacion() override;
    bool Guarda_Detalle() override;
    bool confirmDelete() override;
    bool Borra_Detalle() override;
    void afterDelete() override;
    // The window never counts its records in the status bar.
    void muestraCuenta() override {}

private:
    // The record (frm_usuarios.cpp).
    void CreaControles();
    void CreaGrids();
    void Acomoda();
    void OrdenTabulador();
    void filaMostrada();
    void txtStatus_Change();
    void cmbEstado_Click();
    void EstadoNavegacion();

    // The save and the delete (frm_usuarios_guardar.cpp).
    bool CostosValidos();
    bool PideContrasena(QString& contrasena);
    // A row of the employee's groups or costs; a refusal is said, and gives false.
    bool Alta(const QString& tabla, const QString& campos, const QString& valores);
    bool EnSesion(const QString& usuario, bool* comprobado);
    void BorraAccesos(const QString& usuario);

    // Groups, departments, password and card (frm_usuarios_grupos.cpp).
    void lblId_Change();
    void LlenaGrid(grid::Grid* spr, const QString& consulta);
    void PreparaGridsNuevo();
    void Mueve(grid::Grid* origen, grid::Grid* destino, bool conCosto);
    void cmdAgregar_Click();
    void cmdQuitar_Click();
    void cmdAgregarDep_Click();
    void cmdRetDep_Click();
    void cmdCambiar_Click();
    void cmdBorrarTarjeta_Click();
    bool EscribeGrupos(const QString& id);
    bool EscribeCostos(const QString& id);
    QString FiltroAdmin() const;
    static QString GruposAdmin();
    void ConfirmaCeldas();

    // The employee whose groups the grids show; empty for none.
    QString m_idMostrado;
    // While a save runs, the row shown changes under it: the grids keep what is being saved.
    bool m_guardando = false;
    // The new employee's password, enciphered, asked before the save.
    QString m_cifrada;
    // The employee being deleted: his login goes once he is gone, and the next one is shown.
    QString m_usuarioBorrado;
    int m_posicionBorrada = 0;

    QLineEdit* txtUsuario;
    QLineEdit* TxtNombre;
    QLineEdit* txtPaterno;
    QLineEdit* txtMaterno;
    QLineEdit* txtDomicilio;
    QLineEdit* txtColonia;
    QLineEdit* txtCiudad;
    QLineEdit* txtEstado;
    QLineEdit* txtCP;
    QLineEdit* txtRFC;
    QLineEdit* txtSeguro;
    ListaBloqueable* cmbEstado;
    QCheckBox* chkTarjeta;
    QCheckBox* chkUsuarios;
    QLineEdit* txtStatus;
    QLabel* lblId;
    QLabel* lblCaptions[13];

    QLabel* lblGrupos[4];
    grid::Grid* sprGrupos;
    grid::Grid* sprGruposXUsuario;
    grid::Grid* sprDepartamentos;
    grid::Grid* sprDepartamentosXUsuario;
    QPushButton* cmdAgregar;
    QPushButton* cmdQuitar;
    QPushButton* cmdAgregarDep;
    QPushButton* cmdRetDep;
    QPushButton* cmdCambiar;
    QPushButton* cmdBorrarTarjeta;
};
