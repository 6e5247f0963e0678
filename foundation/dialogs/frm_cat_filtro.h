#pragma once

#include "platform/adodb/adodb.h"
#include "platform/grid/grid.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;

namespace grid {
class GridPreview;
class GridStack;
}

// The query dialog of every data-entry window: the user picks the columns to show and their order,
// states at most one condition, runs the query, and previews or prints the rows. It never changes
// data.
//
// A window opens it like this:
//     FrmCatFiltro filtro(this);
//     filtro.LsTabla = QStringLiteral("Categoria WHERE");
//     filtro.addColumn(QStringLiteral("Clave"), QStringLiteral("ID_Categoria"), QStringLiteral("ID_Categoria"));
//     ...
//     filtro.exec();
class FrmCatFiltro : public QDialog {
    Q_OBJECT
public:
    explicit FrmCatFiltro(QWidget* parent = nullptr);
    ~FrmCatFiltro() override;

    // The from-clause, used unchanged: "Categoria WHERE", or tables with their join conditions after
    // a WHERE ("A,B WHERE A.x=B.x").
    QString LsTabla;

    // Stores the filter expression of the column registered next.
    void Asigna_Campos(const QString& psCampo);

    // The four calls that register one column: its caption into LstCampos and CmbCampos, its select
    // expression into LstCamposBD, and its filter expression through Asigna_Campos.
    void addColumn(const QString& caption, const QString& selectExpression, const QString& filterExpression);

    // The printer "&Imprimir" prints on without asking; when none is set it asks with the print dialog.
    void setPrinter(QPrinter* printer) { m_printer = printer; }

    // The recordset of the last run (its source() is the statement run); null before the first run.
    adodb::Recordset resultado() const { return m_resultado; }

    // Select expressions of the available and of the chosen columns, position by position with
    // LstCampos and LstCampos_sel.
    QStringList LstCamposBD;
    QStringList LstCampos_selBD;

    QListWidget* LstCampos;
    QListWidget* LstCampos_sel;
    QPushButton* CmdSeleccionaruno;
    QPushButton* CmdSelecciionarTodos;
    QPushButton* CmdDesSeleccionaruno;
    QPushButton* CmdDesSeleccionarTodos;
    QComboBox* CmbCampos;
    QComboBox* CmbCondicion;
    QLineEdit* TxtCondicion;
    QLabel* lblY;
    QLineEdit* TxtCondicion2;
    QPushButton* CmdEjecutar;
    grid::Grid* sprResultados;
    grid::GridPreview* Preview;
    QComboBox* cmbOrientacion;
    QPushButton* cmdPreview;
    QPushButton* CmdImprimir;
    QPushButton* CmdCerrar;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QLayout* buildColumnLists();
    QLayout* buildCondition();
    QLayout* buildPrintButtons();

    void CmdSeleccionaruno_Click();
    void CmdSelecciionarTodos_Click();
    void CmdDesSeleccionaruno_Click();
    void CmdDesSeleccionarTodos_Click();
    void CmbCondicion_Click();
    void CmdEjecutar_Click();
    void cmdPreview_Click();
    void CmdImprimir_Click();

    // Appends the typed condition to the statement; false when the query must not run.
    bool composeCondition(QString& statement);
    bool isIntegerColumn(const QString& column);
    // A column of dates and times, which the result grid shows day first.
    bool isDateColumn(const QString& column);
    void applyPrintSettings();

    QStringList m_filtros;  // entry 0 stays empty: the column at CmbCampos position k is entry k + 1
    grid::GridStack* m_stack;
    adodb::Recordset m_resultado;
    QPrinter* m_printer = nullptr;
    bool m_shown = false;
};
