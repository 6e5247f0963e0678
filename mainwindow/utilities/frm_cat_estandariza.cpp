#include "mainwindow/utilities/frm_cat_estandariza.h"

#include "foundation/database/cls_ado.h"
#include "platform/grid/grid.h"
#include "platform/grid/recordset_fill.h"
#include "platform/ui/wait_cursor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmCatEstandariza::FrmCatEstandariza(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCatEstandariza"));
    setWindowTitle(QStringLiteral("Ejecutar Script"));
    setModal(true);

    Frame1 = new QGroupBox(QStringLiteral("Consulta:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // Several lines, so that a script file shows as it was written; Enter there starts a new line.
    txtScript = new QPlainTextEdit(Frame1);
    txtScript->setObjectName(QStringLiteral("txtScript"));
    txtScript->setLineWrapMode(QPlainTextEdit::NoWrap);
    CmdEjecutar = new QPushButton(QStringLiteral("&Ejecutar"), Frame1);
    CmdEjecutar->setObjectName(QStringLiteral("CmdEjecutar"));
    CmdEjecutar->setDefault(true);
    CmdCerrar = new QPushButton(QStringLiteral("&Cerrar"), Frame1);
    CmdCerrar->setObjectName(QStringLiteral("CmdCerrar"));
    CmdCerrar->setAutoDefault(false);
    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    txtResult->setReadOnly(true);
    txtResult->setFixedHeight(txtResult->fontMetrics().lineSpacing() * 4 + 2 * txtResult->frameWidth()
                              + int(txtResult->document()->documentMargin() * 2));
    sprResultados = new grid::Grid(this);
    sprResultados->setObjectName(QStringLiteral("sprResultados"));
    sprResultados->setAllLocked(true);

    auto* botones = new QVBoxLayout;
    botones->addWidget(CmdEjecutar);
    botones->addWidget(CmdCerrar);
    botones->addStretch();
    auto* consulta = new QHBoxLayout(Frame1);
    consulta->addWidget(txtScript, 1);
    consulta->addLayout(botones);
    auto* ventana = new QVBoxLayout(this);
    ventana->addWidget(Frame1, 2);
    ventana->addWidget(txtResult);
    ventana->addWidget(sprResultados, 3);
    resize(760, 560);

    setTabOrder(txtScript, CmdEjecutar);
    setTabOrder(CmdEjecutar, CmdCerrar);
    setTabOrder(CmdCerrar, txtResult);
    setTabOrder(txtResult, sprResultados);

    connect(CmdEjecutar, &QPushButton::clicked, this, &FrmCatEstandariza::CmdEjecutar_Click);
    connect(CmdCerrar, &QPushButton::clicked, this, &QDialog::reject);
}

// The text goes to the database as it stands, every statement of it, without a transaction:
// what ran before a failing statement stays done. The outcome is judged by this run alone.
void FrmCatEstandariza::CmdEjecutar_Click()
{
    ui::WaitCursor espera;
    adodb::Connection& conexion = g_ClsAdo().conexion();
    conexion.errors().clear();
    adodb::Recordset filas;
    QString fallo;
    bool corrio = true;
    try {
        filas = conexion.execute(txtScript->toPlainText());
    } catch (const adodb::ComError& e) {
        corrio = false;
        fallo = e.description();
    } catch (const std::exception& e) {
        corrio = false;
        fallo = QString::fromLocal8Bit(e.what());
    }
    txtResult->clear();
    sprResultados->setRowCount(0);
    sprResultados->setColumnCount(0);
    m_resultado = adodb::Recordset();
    if (!corrio) {
        muestraErrores(fallo);
        return;
    }
    txtResult->setPlainText(QStringLiteral("El script se corrio con exito!"));
    if (!filas.isNull() && filas.isOpen()) {
        m_resultado = filas;
        grid::fillFromRecordset(*sprResultados, m_resultado, {.fitColumnWidths = true});
    }
}

// Each error of the run on a line of its own, in the list's order.
void FrmCatEstandariza::muestraErrores(const QString& fallo)
{
    QList<adodb::Error>& errores = g_ClsAdo().conexion().errors();
    QString texto;
    for (const adodb::Error& e : errores)
        texto += QChar(13) + e.Description;
    if (errores.isEmpty())
        texto = QChar(13) + fallo;
    errores.clear();
    txtResult->setPlainText(texto);
}
