#pragma once

#include "foundation/forms/child_commands.h"
#include "foundation/forms/cls_formas.h"
#include "foundation/forms/field_binder.h"

#include <QWidget>

class ListaBloqueable;
class TransactionGuard;
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
class FrmUsuarios : public QWidget, public ChildCommands {
    Q_OBJECT
public:
    explicit FrmUsuarios(QWidget* parent = nullptr);
    ~FrmUsuarios() override;

    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonAceptar() override;
    void BotonCancelar() override;
    void BotonBorrar() override;
    void BotonBuscar() override;
    void BotonPrimerRegistro() override;
    void BotonRegistroAnterior() override;
    void BotonRegistroSiguiente() override;
    void BotonUltimoRegistro() override;
    adodb::Recordset Recordset_de_Busqueda() override;

    ClsFormas& Formas() { return m_formas; }
    // True while the edit in progress is a new employee.
    bool bNuevo() const { return m_bNuevo; }

    // Opens little wider than its least width: the four grids would ask for much more.
    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The record (frm_usuarios.cpp).
    void CreaControles();
    void CreaGrids();
    void Acomoda();
    void OrdenTabulador();
    void Form_Load();
    void Ligar_Campos(bool PbLigar);
    void filaMostrada();
    void txtStatus_Change();
    void cmbEstado_Click();
    void EstadoNavegacion();
    void desplaza(const QString& direccion);
    // Binds the controls and reloads the grids even when the shown employee stays the same.
    void MuestraRegistro();
    void Posiciona(qlonglong id);

    // The save and the delete (frm_usuarios_guardar.cpp).
    bool Campos_Completos();
    bool CostosValidos();
    bool PideContrasena(QString& contrasena);
    bool GuardaNuevo(const QString& contrasena, qlonglong* id);
    bool GuardaCambio(qlonglong* id);
    QString ValoresNuevos(const QString& id, const QString& cifrada) const;
    QString Asignaciones() const;
    // Results of the steps inside the save's transaction; a refusal is noted for Deshace.
    bool Alta(const QString& tabla, const QString& campos, const QString& valores, bool filaEmpleado = false);
    bool Modifica(const QString& asignaciones, const QString& condicion);
    bool Rechazado(bool filaEmpleado);
    bool Confirma(TransactionGuard& transaccion);
    // Rolls the save back and says why; always false.
    bool Deshace(TransactionGuard& transaccion);
    bool EnSesion(const QString& usuario, bool* comprobado);
    bool BorraEmpleado(const QString& id);
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

    adodb::Recordset m_consulta;
    ClsFormas m_formas;
    FieldBinder m_enlace;
    bool m_bNuevo = false;
    // What the rolled-back save tells the user: nothing (the gateway told already), the repeated
    // user name, or that nothing was saved.
    bool m_avisar = false;
    bool m_duplicado = false;

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
