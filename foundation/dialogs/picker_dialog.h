#pragma once

#include "platform/adodb/adodb.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

namespace grid {
class Grid;
}

// What the two multi-select pickers share: a criterion, a search that fills the grid sprProductos
// (identifier in column 1, name in column 2), several rows picked by click or Enter, accept and
// cancel that hide the dialog and leave the grid and its selection for the caller to read until it
// destroys the dialog. While the dialog exists, status-bar panel 2 says how to pick.
class PickerDialog : public QDialog {
    Q_OBJECT
public:
    ~PickerDialog() override;

    // True after cancel (button, Esc or close box); false after load.
    bool bCancelado = false;

    // The identifier of the next selected row at or below the read-back position, moving the
    // position below that row; -1 when no selected row remains (again until Reiniciar_Seleccionados).
    int Dar_Siguiente();
    // The name of the row that Dar_Siguiente returned last.
    QString Dar_Nombre() const;
    // Dar_Siguiente starts again at the top.
    void Reiniciar_Seleccionados();

    // The identifiers of every selected row, in the order the user selected them.
    QStringList selectedIds() const;

    QGroupBox* fraCriterio;
    QLabel* lblCriterio;
    QLineEdit* txtCriterio;
    QPushButton* cmdBuscar;
    grid::Grid* sprProductos;
    QPushButton* CmdSeleccionar;
    QPushButton* CmdDeseleccionar;
    QPushButton* cmdAceptar;
    QPushButton* cmdCancelar;

public slots:
    void accept() override;
    void reject() override;

protected:
    explicit PickerDialog(QWidget* parent);

    // The user types the criterion first: it has the focus whenever the dialog opens.
    void showEvent(QShowEvent* event) override;

    // The search statement for the criterion as typed.
    virtual QString searchStatement() const = 0;
    // Puts the rows found into the grid (emptied before).
    virtual void showResult(const adodb::Recordset& found);
    virtual void onAccept() {}
    virtual void onCancel() {}

    // Where a picker adds its own search-field controls, before the criterion label.
    QHBoxLayout* criterionRow() const { return m_criterionRow; }
    // The criterion box's place, which a picker may share with another control.
    QStackedWidget* criterionPlace() const { return m_criterionPlace; }

private:
    void cmdBuscar_Click();
    void sprProductos_KeyDown(int key);

    QHBoxLayout* m_criterionRow;
    QStackedWidget* m_criterionPlace;
    int m_posicion = 1;  // read-back position, a grid row
};
