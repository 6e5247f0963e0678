#include "endofday/miembros_ventas.h"

namespace findia {

const QList<Miembro>& MiembrosVentas()
{
    using C = Clase;
    static const QList<Miembro> lista = {
        // An order is the same sale when its working date and opening time match, and it came from
        // the same terminal; orders collected before the terminal was recorded match on the first
        // two alone.
        {"Comanda", {"ID_Comanda"}, nullptr, nullptr,
         "c.Fecha_Trabajo IS :Fecha_Trabajo AND datetime(c.Fecha_Apertura) IS datetime(:Fecha_Apertura)"
         " AND (c.ID_Terminal_Origen IS NULL OR c.ID_Terminal_Origen = :ID_Terminal_Origen)",
         "ID_Terminal_Origen",
         {{"ID_Comanda", C::Clave}, {"ID_Empleado", C::Entero}, {"Num_Mesa", C::Entero}, {"Abierta", C::Bandera},
          {"Fecha_Apertura", C::Fecha}, {"Fecha_Cierre", C::Fecha}, {"Tipo", C::Texto, 20}, {"Fecha_Trabajo", C::FechaTrabajo}},
         {"ID_Empleado", "Num_Mesa", "Abierta", "Fecha_Cierre", "Tipo"}},
        {"Cuenta", {"ID_Comanda", "Num_Cuenta"}, "Comanda", "ID_Comanda", nullptr, nullptr,
         {{"ID_Comanda", C::Clave}, {"Num_Cuenta", C::Clave}, {"Pagada", C::Bandera}, {"Num_Impresiones", C::Entero},
          {"Total", C::Monto}},
         {"Pagada", "Num_Impresiones", "Total"}},
        {"ProductosXCuenta", {"ID_ProductosXCuenta"}, "Comanda", "ID_Comanda", "c.ID_Comanda IS :ID_Comanda", nullptr,
         {{"ID_ProductosXCuenta", C::Clave}, {"ID_Comanda", C::Entero}, {"Num_Cuenta", C::Entero}, {"ID_Producto", C::Entero},
          {"Comentario", C::Texto, 255}, {"Preparado", C::Bandera}, {"Precio_Venta", C::Monto}, {"Precio_Original", C::Monto},
          {"ID_Tipo_Anulacion", C::Entero}, {"ID_Modo_Preparacion", C::Entero}, {"ID_Promocion", C::Entero},
          {"ID_Paquete", C::Entero}, {"Empleado_Anulacion", C::Entero}, {"Hora_Anulacion", C::Fecha}},
         {"Comentario", "Preparado", "Precio_Venta", "Precio_Original", "ID_Tipo_Anulacion", "ID_Modo_Preparacion",
          "ID_Promocion", "Empleado_Anulacion", "Hora_Anulacion"}},
        {"Cortesia", {"ID_ProductosXCuenta", "ID_Tipo_Cortesia"}, "ProductosXCuenta", "ID_ProductosXCuenta", nullptr, nullptr,
         {{"ID_ProductosXCuenta", C::Clave}, {"ID_Tipo_Cortesia", C::Clave}, {"Monto", C::Monto}},
         {"Monto"}},
        {"ImpuestosXCuenta", {"ID_ProductosXCuenta", "ID_Tipo_Impuesto"}, "ProductosXCuenta", "ID_ProductosXCuenta",
         nullptr, nullptr,
         {{"ID_ProductosXCuenta", C::Clave}, {"ID_Tipo_Impuesto", C::Clave}, {"Monto_ImpuestosXCuenta", C::Monto}},
         {"Monto_ImpuestosXCuenta"}},
        {"Modificador", {"ID_ProductosXCuenta", "ID_Tipo_Modificador"}, "ProductosXCuenta", "ID_ProductosXCuenta",
         nullptr, nullptr,
         {{"ID_ProductosXCuenta", C::Clave}, {"ID_Tipo_Modificador", C::Clave}, {"Precio_Modificador", C::Monto}},
         {"Precio_Modificador"}},
        {"Pago", {"ID_Pago"}, "Comanda", "ID_Comanda", "c.ID_Comanda IS :ID_Comanda", nullptr,
         {{"ID_Pago", C::Clave}, {"ID_Comanda", C::Entero}, {"Num_Cuenta", C::Entero}, {"ID_Tipo_Pago", C::Entero},
          {"Monto_Pago", C::Monto}, {"Propina", C::Monto}},
         {"ID_Tipo_Pago", "Monto_Pago", "Propina"}},
    };
    return lista;
}

} // namespace findia
