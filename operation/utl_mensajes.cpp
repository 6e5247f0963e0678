#include "operation/utl_mensajes.h"

namespace {

FlaggedTextDesign diseno()
{
    FlaggedTextDesign d;
    d.ventana = QStringLiteral("UtlMensajes");
    d.titulo = QStringLiteral("Mensajes");
    d.tabla = QStringLiteral("Mensajes");
    d.columnaLlave = QStringLiteral("ID_Mensaje");
    d.columnaTexto = QStringLiteral("Mensaje");
    d.columnaBandera = QStringLiteral("Mensaje_Activo");
    d.cajaTexto = QStringLiteral("TxtMensaje");
    d.etiquetaLlave = QStringLiteral("Id Mensaje:");
    d.etiquetaTexto = QStringLiteral("Mensaje:");
    d.ayudaLlave = QStringLiteral("Identificador del mensaje");
    d.ayudaTexto = QStringLiteral("Mensaje");
    d.palabraTexto = QStringLiteral("Mensaje");
    d.largoTexto = 255;
    d.multiLinea = true;
    d.bandera = QStringLiteral("chkActivo");
    d.captionBandera = QStringLiteral("Activo");
    d.ayudaBandera = QStringLiteral("Indica si el mensaje esta activo");
    d.mensajeLlaveRepetida = QStringLiteral("Ya existe el mensaje");
    d.tituloFiltroLlave = QStringLiteral("Id Mensaje");
    d.tituloFiltroTexto = QStringLiteral("Mensaje");
    d.tituloFiltroBandera = QStringLiteral("Activo");
    return d;
}

} // namespace

UtlMensajes::UtlMensajes(QWidget* parent) : FlaggedTextWindow(diseno(), parent) {}
