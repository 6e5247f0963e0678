#pragma once

// Makes the filter command of every data-entry window open FrmCatFiltro on the window's table and
// columns. The program calls it once at start-up.
void registraFiltroCatalogos();
