-- Reports: the courtesy views give the working date as "yyyy.mm.dd" (FechaTrabajo); this index
-- serves a period of it, so that a day's courtesies or gold cards read that day's checks only.
CREATE INDEX IX_Comanda_FechaTrabajo_Vistas
    ON Comanda ((substr(Fecha_Trabajo,5,4)||'.'||substr(Fecha_Trabajo,3,2)||'.'||substr(Fecha_Trabajo,1,2)));
