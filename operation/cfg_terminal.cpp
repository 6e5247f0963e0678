#include "operation/cfg_terminal.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/clstxt_valida.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/routines/nombre_terminal.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

const QList<Codigo>& CfgTerminal::estados()
{
    static const QList<Codigo> lista = CodePair::primeraLetra(
        {QStringLiteral("Activo"), QStringLiteral("Descompuesta"), QStringLiteral("Reparación")});
    return lista;
}

CfgTerminal::CfgTerminal(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("CfgTerminal"));
    setWindowTitle(QStringLiteral("Terminales"));
    setCatalogo(QStringLiteral("Terminal"), QStringLiteral("ID_Terminal"), KeyForm::C,
                QStringLiteral("Ya existe la terminal"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Terminal"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    // The longest dotted address: four groups of three digits.
    MskIP = forms::textBox(Frame1, QStringLiteral("MskIP"), QStringLiteral("Direccion_IP"), QStringLiteral("IP"), 15);
    CmbMenu = new QComboBox(Frame1);
    CmbMenu->setObjectName(QStringLiteral("CmbMenu"));
    cmbEstado = new QComboBox(Frame1);
    cmbEstado->setObjectName(QStringLiteral("cmbEstado"));
    chkServidor = forms::checkBox(Frame1, QStringLiteral("chkServidor"), QStringLiteral("Vereduda"),
                                  QStringLiteral("Vereduda"));
    chkServidorBack = forms::checkBox(Frame1, QStringLiteral("chkServidorBack"), QStringLiteral("Puede ser servidor"),
                                      QStringLiteral("Servidor_Backup"));
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Terminal"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador de la terminal"));
    TxtMenu = forms::textBox(Frame1, QStringLiteral("TxtMenu"), QStringLiteral("ID_Menu"));
    TxtMenu->hide();
    txtEstado = forms::textBox(Frame1, QStringLiteral("txtEstado"), QStringLiteral("Estado_Terminal"));
    txtEstado->hide();

    auto* Label2 = forms::label(Frame1, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre);
    forms::setTag(Label2, QStringLiteral("txtNombre"));
    // Captions without a tag: find searches only the key and the name.
    const auto sinEtiqueta = [Frame1](const QString& nombre, const QString& texto, QWidget* control) {
        auto* l = new QLabel(texto, Frame1);
        l->setObjectName(nombre);
        l->setBuddy(control);
        return l;
    };
    auto* filas = new QFormLayout(Frame1);
    filas->addRow(forms::label(Frame1, QStringLiteral("Label1"), QStringLiteral("Id Terminal:"), txtId), txtId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(sinEtiqueta(QStringLiteral("Label3"), QStringLiteral("I.P."), MskIP), MskIP);
    filas->addRow(sinEtiqueta(QStringLiteral("Label4"), QStringLiteral("Menú:"), CmbMenu), CmbMenu);
    filas->addRow(sinEtiqueta(QStringLiteral("Label5"), QStringLiteral("Estado:"), cmbEstado), cmbEstado);
    filas->addRow(QString(), chkServidor);
    filas->addRow(QString(), chkServidorBack);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, MskIP);
    setTabOrder(MskIP, CmbMenu);
    setTabOrder(CmbMenu, cmbEstado);
    setTabOrder(cmbEstado, chkServidor);
    setTabOrder(chkServidor, chkServidorBack);
    setTabOrder(chkServidorBack, txtId);
    setPrimerCampo(TxtNombre);

    agregaParBusqueda(CmbMenu, TxtMenu, QStringLiteral("SELECT Nombre_Menu,ID_Menu FROM Menu ORDER BY Nombre_Menu"));
    agregaParCodigo(cmbEstado, txtEstado, estados());
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaRequerido(CmbMenu, QStringLiteral("Menu"));

    agregaColumnaFiltro(QStringLiteral("Id Terminal"), QStringLiteral("ID_Terminal"), QStringLiteral("ID_Terminal"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Terminal"), QStringLiteral("Nombre_Terminal"));
    agregaColumnaFiltro(QStringLiteral("IP"), QStringLiteral("Direccion_IP"), QStringLiteral("Direccion_IP"));
    agregaColumnaFiltro(QStringLiteral("Estado"), QStringLiteral("Estado_Terminal"), QStringLiteral("Estado_Terminal"));

    Form_Load();
}

bool CfgTerminal::direccionValida(const QString& direccion)
{
    if (direccion.isEmpty())
        return true;
    // Only the digits 0 to 9: other scripts' digits (a pasted "１.２.３.４") name no address.
    for (const QChar c : direccion)
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('.'))
            return false;
    return Clstxt_valida::direccionIpValida(direccion);
}

// A new terminal is active, with no address, no menu and no server marks.
void CfgTerminal::Valores_Nuevos()
{
    txtEstado->setText(QStringLiteral("A"));
}

bool CfgTerminal::Campos_Completos()
{
    // The name goes into the paths of the terminal's shares: it is checked right after it is found
    // filled, before anything else.
    if (const QString motivo = MotivoNombreTerminal(TxtNombre->text());
        !TxtNombre->text().trimmed().isEmpty() && !motivo.isEmpty()) {
        ui::msgBox(motivo, ui::Exclamation);
        TxtNombre->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (!CatalogWindow::Campos_Completos())
        return false;
    if (!direccionValida(MskIP->text())) {
        ui::msgBox(QStringLiteral("La dirección IP es incorrecta"), ui::Exclamation);
        MskIP->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// One server at most: marking this terminal asks, before the save begins, whether to take the mark
// from the other one; the unmark is then part of the save, so that a refused save leaves the old
// server marked.
bool CfgTerminal::confirmSave(bool isNew)
{
    m_quitaServidor = false;
    if (!chkServidor->isChecked())
        return true;
    adodb::Recordset servidor;
    g_ClsAdo().Establece_consulta(
        servidor, QStringLiteral("SELECT ID_Terminal,Nombre_Terminal FROM Terminal WHERE ") + otrosServidores(isNew)
                      + QStringLiteral(" ORDER BY ID_Terminal"), 3, 3, 1);
    if (!servidor.isOpen() || servidor.eof())
        return true;
    m_servidorAnterior = servidor.value(QStringLiteral("Nombre_Terminal")).toString();
    servidor.close();
    if (ui::msgBox(m_servidorAnterior + QStringLiteral(" esta marcado como servidor,¿Desea cambiar el servidor?"),
                   ui::YesNo | ui::Question) != ui::Yes)
        chkServidor->setChecked(false);
    else
        m_quitaServidor = true;
    return true;
}

QString CfgTerminal::otrosServidores(bool isNew) const
{
    QString otros = QStringLiteral("Vereduda=1");
    if (!isNew && DetailGrid::isKey(llave()))
        otros += QStringLiteral(" AND ID_Terminal<>") + llave();
    return otros;
}

bool CfgTerminal::beforeSave(bool isNew)
{
    if (!m_quitaServidor)
        return true;
    adodb::Recordset ninguno;
    if (g_ClsAdo().Modificar(ninguno, QStringLiteral("Terminal"), QStringLiteral("Vereduda=0"), otrosServidores(isNew),
                             false))
        return true;
    ui::msgBox(QStringLiteral("No se pudo quitar la marca de servidor a ") + m_servidorAnterior, ui::Critical,
               windowTitle());
    return false;
}
