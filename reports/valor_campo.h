#pragma once

#include "platform/adodb/adodb.h"

// A field's number, 0 for NULL: the reports count an empty sum or price as 0.
double numeroCampo(const adodb::Recordset& rs, const QString& campo);
