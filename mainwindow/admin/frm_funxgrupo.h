#pragma once

#include "foundation/forms/data_entry_window.h"

#include <QHash>

class QLineEdit;
class QPushButton;
namespace grid {
class Grid;
}

// "Permisos X Grupo": which permissions each work group holds. One group at a time; on the left the
// permissions it does not hold, on the right those it holds. In edit mode the user moves them from
// one list to the other; accepting rewrites the group's rows of PermisosXGrupo_Trabajo. Groups are
// neither added nor deleted here.
class FrmFunXGrupo : public DataEntryWindow {
    Q_OBJECT
public:
    explicit FrmFunXGrupo(QWidget* parent = nullptr);

    void BotonAceptar() override;
    void BotonBorrar() override;
    void BotonCancelar() override;
    void BotonNuevoModificar(bool PbNuevo) override;
    void BotonFiltro() override;

    // The rights text of a row of the assigned list ("C" consulta, "M" modificación); never saved.
    QString derechos(int fila) const;

private:
    void Form_Activate();
    void txtGrupoId_Change();
    void cmdAgregar_Click();
    void cmdQuitar_Click();
    void sprFunciones_KeyUp(int KeyCode);
    void sprFuncionesXGrupo_DblClick(int Col, int Row);

    void llenaLista(grid::Grid* lista, const QString& consulta);
    void agregaFila(grid::Grid* lista, const QString& id, const QString& nombre);
    void habilitaListas();
    bool guarda(const QString& grupo);

    QLineEdit* txtGrupoId;
    QLineEdit* txtGrupos;
    grid::Grid* sprFunciones;
    grid::Grid* sprFuncionesXGrupo;
    QPushButton* cmdAgregar;
    QPushButton* cmdQuitar;
    QWidget* Frame1;
    // Rights texts of the assigned rows, by permission id.
    QHash<QString, QString> m_derechos;
};
