// The designs of the operation and configuration windows, opened from their menu items.
#include "tests/catalog/diseno.h"
#include "tests/operation/operation_fixture.h"

namespace {

const Diseno kTiposPago{
    "mnuOpTipoPago", "OpTipoPago", "Tipos de Pago",
    {{"Id Tipo:", "txtId"}, {"Nombre:", "txtNombre"}, {"Clase", ""}},
    {{"CmbClase", "Indica la clase del pago"}, {"chkAbrir", "Indica si se debe mandar la señal de abrir gaveta"},
     {"txtId", "Identificador del tipo de pago"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "CmbClase", "chkAbrir", "txtId"},
    {"Id Tipo|ID_Tipo_Pago|ID_Tipo_Pago", "Nombre|Nombre_Tipo_Pago|Nombre_Tipo_Pago",
     "Clase|CASE Clase WHEN 'E' THEN 'Efectivo' WHEN 'T' THEN 'Tarjeta Crédito' WHEN 'D' THEN 'Débito' WHEN 'C' THEN "
     "'Cheque' ELSE 'Otro' END AS Clase|Clase",
     "Abrir Gaveta|Abrir_Gaveta|Abrir_Gaveta"},
    {"TxtClase"}};

const Diseno kAnulaciones{
    "mnuOpTiposAnulacion", "OpTiposAnulacion", "Tipos de Anulación",
    {{"Id Tipo:", "txtId"}, {"Nombre:", "txtNombre"}},
    {{"TxtNombre", "Nombre de la anulación"},
     {"chkRegresar", "Indica que si se aplica esta anulación se regresa la existencia utilizada"},
     {"txtId", "Identificador del tipo de anulación"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "chkRegresar", "txtId"},
    {"Id Tipo|ID_Tipo_Anulacion|ID_Tipo_Anulacion", "Nombre|Nombre_Tipos_Anulacion|Nombre_Tipos_Anulacion",
     "Regresa Existencia|Regresa_Existencia|Regresa_Existencia"}};

const Diseno kMensajes{
    "mnuUtlMensajes", "UtlMensajes", "Mensajes",
    {{"Id Mensaje:", "txtId"}, {"Mensaje:", "txtMensaje"}},
    {{"TxtMensaje", "Mensaje"}, {"chkActivo", "Indica si el mensaje esta activo"},
     {"txtId", "Identificador del mensaje"}},
    {{"TxtMensaje", 255}},
    {{"TxtMensaje", "NoVacioMayusculas"}},
    {"TxtMensaje", "chkActivo", "txtId"},
    {"Id Mensaje|ID_Mensaje|ID_Mensaje", "Mensaje|Mensaje|Mensaje", "Activo|Mensaje_Activo|Mensaje_Activo"}};

const Diseno kTerminales{
    "mnuTerminal", "CfgTerminal", "Terminales",
    {{"Id Terminal:", "txtId"}, {"Nombre:", "txtNombre"}, {"I.P.", ""}, {"Menú:", ""}, {"Estado:", ""}},
    {{"txtId", "Identificador de la terminal"}},
    {{"TxtNombre", 25}, {"MskIP", 15}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"MskIP", "IP"}},
    {"TxtNombre", "MskIP", "CmbMenu", "cmbEstado", "chkServidor", "chkServidorBack", "txtId"},
    {"Id Terminal|ID_Terminal|ID_Terminal", "Nombre|Nombre_Terminal|Nombre_Terminal", "IP|Direccion_IP|Direccion_IP",
     "Estado|Estado_Terminal|Estado_Terminal"},
    {"TxtMenu", "txtEstado"}};

const Diseno kImpresoras{
    "mnuUtlConfImpresoras", "CfgImpresora", "Impresora",
    {{"Id Impresora:", "txtId"}, {"Nombre:", "TxtNombre"}, {"Terminal:", "cmbTerminal"}, {"Puerto:", "txtPuerto"},
     {"Modo:", "cmbModo"}, {"Comentario:", "txtComentario"}, {"Estado:", ""}, {"Redirigido:", ""}, {"Respaldo:", ""}},
    {{"TxtNombre", "Nombre de la impresora"}, {"cmbEstado", "Indica el estado de la impresora"},
     {"txtId", "Identificador de la impresora"}},
    {{"TxtNombre", 25}, {"txtComentario", 255}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"cmbEstado", "NoVacio"}, {"cmbTerminal", "NoVacio"}, {"cmbModo", "NoVacio"},
     {"cmbRedirigido", "NoVacio"}, {"cmbRespaldo", "NoVacio"}, {"txtTerminal", "Numerico"},
     {"txtRedirigido", "Numerico"}, {"txtRespaldo", "Numerico"}},
    {"TxtNombre", "cmbEstado", "cmbTerminal", "cmbPuerto", "cmbModo", "cmbRedirigido", "cmbRespaldo", "chkEsDeCheques",
     "txtComentario", "txtId"},
    {"Id Impresora|ID_Impresora|ID_Impresora", "Nombre|Nombre_Impresora|Nombre_Impresora", "Puerto|Puerto|Puerto",
     "Modo|CASE Modo WHEN 'E' THEN 'Epson' WHEN 'C' THEN 'Citizen' WHEN 'S' THEN 'Star' END AS Modo|Modo",
     "Estado|CASE Estado_Impresora WHEN 'A' THEN 'Activa' WHEN 'R' THEN 'Reparación' WHEN 'D' THEN 'Descompuesta' WHEN "
     "'V' THEN 'Virtual' WHEN 'P' THEN 'Sin Papel' WHEN 'F' THEN 'Fuera de linea' WHEN 'N' THEN 'No activa' WHEN 'L' "
     "THEN 'Virtual' END AS Estado_Impresora|Estado_Impresora",
     "Comentario|Comentario|Comentario", "ID_Terminal|ID_Terminal|ID_Terminal", "Redirigido|Redirigido|Redirigido"},
    {"txtEstado", "txtModo", "txtTerminal", "txtRedirigido", "txtRespaldo", "txtPuerto"}};

const Diseno kGrupos{
    "mnuUtlConfGposImpresoras", "OpGpoImpresoras", "Grupos de Impresoras",
    {{"Id grupo:", "txtId"}, {"Nombre:", "txtNombre"}},
    {{"txtId", "Identificador del grupo de impresoras"}, {"TxtNombre", "Nombre del grupo de impresoras"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "sprImpresoras", "txtId"},
    {"Id Grupo|ID_Grupo_Impresoras|ID_Grupo_Impresoras", "Nombre|Nombre_Grupo_Impresoras|Nombre_Grupo_Impresoras"}};

const Diseno kCortesias{
    "mnuOpCortesias", "OpCortesia", "Cortesias",
    {{"Id Cortesía:", "txtId"}, {"Nombre:", "TxtNombre"}, {"Tipo:", ""}, {"Cantidad:", "txtCantidad"},
     {"Cantidad Max.:", "txtMaximo"}, {"Inicio:", ""}, {"Final:", ""}},
    {{"sprProductos", "Ins=Insertar registro Del=Borrar registro"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"txtCantidad", "NumericoNoVacio"}, {"txtMaximo", "Numerico"}},
    // Tab walks a date picker's day, month and year, as every Qt date box does.
    {"TxtNombre", "cmbTipo", "txtCantidad", "txtMaximo", "dtpInicio", "dtpInicio", "dtpInicio", "dtpFinal", "dtpFinal",
     "dtpFinal", "chkSeleccionar", "chkActivo", "txtId"},
    {"Id Cortesia|ID_Tipo_Cortesia|ID_Tipo_Cortesia", "Nombre|Nombre_Tipo_Cortesia|Nombre_Tipo_Cortesia"},
    {"TxtTipo"}};

const Diseno kGpoPromocional{
    "mnuOpGpoPromocional", "OpGpoPromocional", "Grupos Promocionales",
    {{"Id Grupo:", "txtId"}, {"Nombre:", "TxtNombre"}},
    {{"sprProductos", "Ins=Insertar registro Del=Borrar registro"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "sprProductos", "txtId"},
    {"Id Grupo|ID_Grupo_Promocional|ID_Grupo_Promocional", "Nombre|Nombre_Gpo_Promocional|Nombre_Gpo_Promocional"}};

const Diseno kGpoObsequios{
    "mnuOpGpoObsequios", "OpGpoObsequios", "Grupo Obsequios",
    {{"Id Grupo:", "txtId"}, {"Nombre:", "TxtNombre"}},
    {{"sprProductos", "Ins=Insertar registro Del=Borrar registro"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtNombre", "sprProductos", "txtId"},
    {"Id Grupo|ID_Grupo_Obsequio|ID_Grupo_Obsequio", "Nombre|Nombre_Gpo_Obsequio|Nombre_Gpo_Obsequio"}};

const Diseno kPromociones{
    "mnuOpPromociones", "OpPromociones", "Promociones",
    {{"Id Promocion:", "txtId"}, {"Nombre:", "TxtNombre"}, {"Tipo:", ""}, {"Cant. X Mesa:", "txtCantidadXMesa"},
     {"Inicio:", ""}, {"Final:", ""}},
    {},
    {{"TxtNombre", 25}, {"txtCantidadXMesa", 4}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"txtCantidadXMesa", "NumericoNoSignos"}},
    {"TxtNombre", "cmbTipo", "txtCantidadXMesa", "dtpInicio", "dtpInicio", "dtpInicio", "dtpFinal", "dtpFinal",
     "dtpFinal", "chkActivo", "txtId"},
    {"Id Promocion|ID_Promocion|ID_Promocion", "Nombre|Nombre_Promocion|Nombre_Promocion", "Cant X Mesa|CantMesa|CantMesa",
     "Tipo|CASE Tipo_Promocion WHEN 'M' THEN 'Minimo' WHEN 'P' THEN 'Porcentaje' WHEN 'R' THEN 'Rango' END AS "
     "Tipo|Tipo_Promocion"},
    {"TxtTipo"}};

class DisenoTest : public OperationDb, public ::testing::WithParamInterface<Diseno> {};

TEST_P(DisenoTest, CaptionsTagsTabOrderAndFilterColumns)
{
    revisaDiseno(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Ventanas, DisenoTest,
                         ::testing::Values(kTiposPago, kAnulaciones, kMensajes, kTerminales, kImpresoras, kGrupos,
                                           kCortesias, kGpoPromocional, kGpoObsequios, kPromociones),
                         [](const ::testing::TestParamInfo<Diseno>& info) { return std::string(info.param.ventana); });

} // namespace
