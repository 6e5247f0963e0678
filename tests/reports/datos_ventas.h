#pragma once

#include "platform/adodb/adodb.h"

// The shared sales data set of the report tests, written into a central database built from the
// schema (working date 15/03/2024):
//
// Catalog: categories 1 BEBIDAS, 2 COMIDA; products 10 CAFE, 30 REFRESCO, 50 TE (Estado 'I') in
// BEBIDAS, 20 HAMBURGUESA (Especial 1), 40 PASTEL in COMIDA; menu 1 GENERAL with 20, 25, 15, 100
// and 30.00; tax types 1 IVA (0.16 from 2020, no end: CAFE, HAMBURGUESA) and 2 IEPS (HAMBURGUESA:
// 0.08 from 2020 to 15/03/2024, its last day, then 0.09 from 16/03/2024, no end); payment types
// 1 EFECTIVO ('E'), 2 TARJETA ('T'); courtesy 1 GERENCIA; promotion 1 2X1; void type 1 ERROR;
// modifiers 1 EXTRA QUESO, 2 SIN CEBOLLA; employees 1 ANA LOPEZ DIAZ, 2 BETO RUIZ SOTO, 3 CARLOS
// GOMEZ PEREZ; the day parts of a new database.
//
// Sales (Control 1, one account per check):
//  - 101 (15032024, ANA, 15/03 13:10, 3 guests, total 135.60): 1001 HAMBURGUESA 100.00 with IVA
//    16.00, IEPS 8.00, EXTRA QUESO 11.60 (tax 1.60), SIN CEBOLLA 0.00; 1002 CAFE 0.00 (list 20.00)
//    with courtesy GERENCIA 20.00; TARJETA 100.00 tip 15.00 "VISA 1234", EFECTIVO 35.60 tip NULL.
//  - 102 (15032024, BETO, opened 16/03 00:00:00, 2 guests, total 12.00): 1003 REFRESCO 12.00
//    (list 25.00, 2X1); 1004 HAMBURGUESA 100.00 voided by CARLOS at 00:05:00 with IVA 16.00, IEPS
//    8.00, EXTRA QUESO 11.60 (1.60); 1005 as 1003, voided by ANA at 00:02:00; EFECTIVO 12.00 tip 2.00.
//  - 103 (14032024, ANA, 14/03 20:00, 4 guests, total 23.20): 1006 CAFE 20.00 with IVA 3.20;
//    EFECTIVO 23.20 tip 1.00.
//  - ClientesXCuenta: 101 MARIA TORRES and 102 JUAN PEREZ of type 2 (gold card), 103 LUIS ORTIZ of
//    type 1.
namespace datosventas {

void carga(adodb::Connection& db);

} // namespace datosventas
