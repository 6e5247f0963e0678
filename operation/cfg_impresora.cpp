#include "operation/cfg_impresora.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QComboBox* lista(QWidget* padre, const QString& nombre, const QString& reglas = QString())
{
    auto* combo = new QComboBox(padre);
    combo->setObjectName(nombre);
    if (!reglas.isEmpty())
        forms::setTag(combo, reglas);
    return combo;
}

QLineEdit* oculta(QWidget* padre, const QString& nombre, const QString& columna, const QString& reglas = QString())
{
    QLineEdit* caja = forms::textBox(padre, nombre, columna, reglas);
    caja->hide();
    return caja;
}

const QString kImpresoras = QStringLiteral("SELECT Nombre_Impresora,ID_Impresora FROM Impresora ORDER BY Nombre_Impresora");

} // namespace

const QList<Codigo>& CfgImpresora::estados()
{
    // "L" is an old code of a virtual printer: it reads "Virtual", and picking "Virtual" stores "V".
    static const QList<Codigo> lista{
        {QStringLiteral("A"), QStringLiteral("Activa")},        {QStringLiteral("R"), QStringLiteral("Reparación")},
        {QStringLiteral("D"), QStringLiteral("Descompuesta")},  {QStringLiteral("V"), QStringLiteral("Virtual")},
        {QStringLiteral("P"), QStringLiteral("Sin Papel")},     {QStringLiteral("F"), QStringLiteral("Fuera de linea")},
        {QStringLiteral("N"), QStringLiteral("Inactiva")},      {QStringLiteral("L"), QStringLiteral("Virtual")}};
    return lista;
}

const QList<Codigo>& CfgImpresora::modos()
{
    static const QList<Codigo> lista =
        CodePair::primeraLetra({QStringLiteral("Citizen"), QStringLiteral("Epson"), QStringLiteral("Star")});
    return lista;
}

CfgImpresora::CfgImpresora(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("CfgImpresora"));
    setWindowTitle(QStringLiteral("Impresora"));
    setCatalogo(QStringLiteral("Impresora"), QStringLiteral("ID_Impresora"), KeyForm::C,
                QStringLiteral("Ya existe el nombre de la impresora"));

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // The labels' required-field check goes through the controls in the order they are made: the
    // mode, the terminal, then the name.
    cmbModo = lista(Frame1, QStringLiteral("cmbModo"), QStringLiteral("NoVacio"));
    cmbTerminal = lista(Frame1, QStringLiteral("cmbTerminal"), QStringLiteral("NoVacio"));
    TxtNombre = forms::textBox(Frame1, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Impresora"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    TxtNombre->setToolTip(QStringLiteral("Nombre de la impresora"));
    cmbEstado = lista(Frame1, QStringLiteral("cmbEstado"), QStringLiteral("NoVacio"));
    cmbEstado->setToolTip(QStringLiteral("Indica el estado de la impresora"));
    cmbPuerto = lista(Frame1, QStringLiteral("cmbPuerto"));
    cmbPuerto->setEditable(true);
    cmbPuerto->setInsertPolicy(QComboBox::NoInsert);
    cmbPuerto->addItems({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"), QStringLiteral("COM4"),
                         QStringLiteral("LPT1"), QStringLiteral("LPT2")});
    cmbPuerto->setEditText(QStringLiteral("COM1"));
    cmbRedirigido = lista(Frame1, QStringLiteral("cmbRedirigido"), QStringLiteral("NoVacio"));
    cmbRespaldo = lista(Frame1, QStringLiteral("cmbRespaldo"), QStringLiteral("NoVacio"));
    chkEsDeCheques = forms::checkBox(Frame1, QStringLiteral("chkEsDeCheques"), QStringLiteral("Es de cheques"),
                                     QStringLiteral("Esdecheques"));
    txtComentario = forms::textBox(Frame1, QStringLiteral("txtComentario"), QStringLiteral("Comentario"), QString(), 255);
    txtId = forms::textBox(Frame1, QStringLiteral("txtId"), QStringLiteral("ID_Impresora"));
    forms::keyBoxStyle(txtId);
    txtId->setToolTip(QStringLiteral("Identificador de la impresora"));
    txtEstado = oculta(Frame1, QStringLiteral("txtEstado"), QStringLiteral("Estado_Impresora"));
    txtModo = oculta(Frame1, QStringLiteral("txtModo"), QStringLiteral("Modo"));
    txtTerminal = oculta(Frame1, QStringLiteral("txtTerminal"), QStringLiteral("ID_Terminal"), QStringLiteral("Numerico"));
    txtRedirigido = oculta(Frame1, QStringLiteral("txtRedirigido"), QStringLiteral("Redirigido"), QStringLiteral("Numerico"));
    txtRespaldo = oculta(Frame1, QStringLiteral("txtRespaldo"), QStringLiteral("id_impresora_respaldo"),
                         QStringLiteral("Numerico"));
    txtPuerto = oculta(Frame1, QStringLiteral("txtPuerto"), QStringLiteral("Puerto"));

    // Captions: a tag names the control captioned (find, required fields); the state, redirect and
    // backup captions carry none, and the port's names its code box, which never has the focus.
    const auto titulo = [Frame1](const QString& nombre, const QString& texto, QWidget* control, const QString& tag) {
        auto* l = new QLabel(texto, Frame1);
        l->setObjectName(nombre);
        l->setBuddy(control);
        if (!tag.isEmpty())
            forms::setTag(l, tag);
        return l;
    };
    auto* rejilla = new QGridLayout(Frame1);
    const auto fila = [rejilla](int r, int c, QLabel* etiqueta, QWidget* control, int columnas = 1) {
        rejilla->addWidget(etiqueta, r, c);
        rejilla->addWidget(control, r, c + 1, 1, columnas);
    };
    fila(0, 0, titulo(QStringLiteral("Label1"), QStringLiteral("Id Impresora:"), txtId, QStringLiteral("txtId")), txtId);
    fila(1, 0, titulo(QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre, QStringLiteral("TxtNombre")),
         TxtNombre);
    fila(2, 0, titulo(QStringLiteral("Label3"), QStringLiteral("Estado:"), cmbEstado, QString()), cmbEstado);
    fila(3, 0, titulo(QStringLiteral("Label4"), QStringLiteral("Terminal:"), cmbTerminal, QStringLiteral("cmbTerminal")),
         cmbTerminal);
    fila(4, 0, titulo(QStringLiteral("Label5"), QStringLiteral("Puerto:"), cmbPuerto, QStringLiteral("txtPuerto")),
         cmbPuerto);
    fila(1, 2, titulo(QStringLiteral("Label6"), QStringLiteral("Modo:"), cmbModo, QStringLiteral("cmbModo")), cmbModo);
    fila(2, 2, titulo(QStringLiteral("Label7"), QStringLiteral("Redirigido:"), cmbRedirigido, QString()), cmbRedirigido);
    fila(3, 2, titulo(QStringLiteral("Label8"), QStringLiteral("Respaldo:"), cmbRespaldo, QString()), cmbRespaldo);
    rejilla->addWidget(chkEsDeCheques, 4, 3);
    fila(5, 0,
         titulo(QStringLiteral("Label9"), QStringLiteral("Comentario:"), txtComentario, QStringLiteral("txtComentario")),
         txtComentario, 3);
    rejilla->setColumnStretch(1, 1);
    rejilla->setColumnStretch(3, 1);
    (new QVBoxLayout(this))->addWidget(Frame1);

    setTabOrder(TxtNombre, cmbEstado);
    setTabOrder(cmbEstado, cmbTerminal);
    setTabOrder(cmbTerminal, cmbPuerto);
    setTabOrder(cmbPuerto, cmbModo);
    setTabOrder(cmbModo, cmbRedirigido);
    setTabOrder(cmbRedirigido, cmbRespaldo);
    setTabOrder(cmbRespaldo, chkEsDeCheques);
    setTabOrder(chkEsDeCheques, txtComentario);
    setTabOrder(txtComentario, txtId);
    setPrimerCampo(TxtNombre);

    agregaParCodigo(cmbEstado, txtEstado, estados());
    agregaParCodigo(cmbModo, txtModo, modos());
    agregaParBusqueda(cmbTerminal, txtTerminal,
                      QStringLiteral("SELECT Nombre_Terminal,ID_Terminal FROM Terminal ORDER BY Nombre_Terminal"));
    // "NINGUNA" takes a redirect or a backup away again: the printer then prints its own jobs, or has
    // no backup.
    agregaParBusqueda(cmbRedirigido, txtRedirigido, kImpresoras, QStringLiteral("NINGUNA"));
    agregaParBusqueda(cmbRespaldo, txtRespaldo, kImpresoras, QStringLiteral("NINGUNA"));
    // The port is picked from the list; a text typed over it is not a port and is not kept.
    connect(cmbPuerto, &QComboBox::activated, this, [this](int i) {
        if (!cmbPuerto->itemText(i).isEmpty())
            txtPuerto->setText(cmbPuerto->itemText(i));
    });
    connect(txtPuerto, &QLineEdit::textChanged, cmbPuerto, &QComboBox::setEditText);
    connect(&Enlace(), &FieldBinder::rowShown, this, [this] { cmbPuerto->setEditText(txtPuerto->text()); });

    agregaColumnaFiltro(QStringLiteral("Id Impresora"), QStringLiteral("ID_Impresora"), QStringLiteral("ID_Impresora"));
    agregaColumnaFiltro(QStringLiteral("Nombre"), QStringLiteral("Nombre_Impresora"), QStringLiteral("Nombre_Impresora"));
    agregaColumnaFiltro(QStringLiteral("Puerto"), QStringLiteral("Puerto"), QStringLiteral("Puerto"));
    agregaColumnaFiltro(QStringLiteral("Modo"),
                        QStringLiteral("CASE Modo WHEN 'E' THEN 'Epson' WHEN 'C' THEN 'Citizen' WHEN 'S' THEN 'Star' "
                                       "END AS Modo"),
                        QStringLiteral("Modo"));
    agregaColumnaFiltro(QStringLiteral("Estado"),
                        QStringLiteral("CASE Estado_Impresora WHEN 'A' THEN 'Activa' WHEN 'R' THEN 'Reparación' WHEN 'D' "
                                       "THEN 'Descompuesta' WHEN 'V' THEN 'Virtual' WHEN 'P' THEN 'Sin Papel' WHEN 'F' "
                                       "THEN 'Fuera de linea' WHEN 'N' THEN 'No activa' WHEN 'L' THEN 'Virtual' END AS "
                                       "Estado_Impresora"),
                        QStringLiteral("Estado_Impresora"));
    agregaColumnaFiltro(QStringLiteral("Comentario"), QStringLiteral("Comentario"), QStringLiteral("Comentario"));
    agregaColumnaFiltro(QStringLiteral("ID_Terminal"), QStringLiteral("ID_Terminal"), QStringLiteral("ID_Terminal"));
    agregaColumnaFiltro(QStringLiteral("Redirigido"), QStringLiteral("Redirigido"), QStringLiteral("Redirigido"));

    Form_Load();
}

// Every printer without a printer of its own to print its jobs prints them itself: not only the
// one just saved. Part of the save, so a refused save changes no other printer either.
bool CfgImpresora::afterSave(bool isNew)
{
    adodb::Recordset ninguno;
    if (g_ClsAdo().Modificar(ninguno, QStringLiteral("Impresora"), QStringLiteral("Redirigido=ID_Impresora"),
                             QStringLiteral("Redirigido IS NULL"), false))
        return true;
    ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, windowTitle());
    return false;
}
