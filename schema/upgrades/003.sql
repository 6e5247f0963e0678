-- One server terminal at most. A database that marks several keeps the first of them (the lowest
-- key) as the server; the others keep every other value.
UPDATE Terminal SET Vereduda=0
 WHERE Vereduda=1 AND ID_Terminal <> (SELECT MIN(ID_Terminal) FROM Terminal WHERE Vereduda=1);
CREATE UNIQUE INDEX IX_Terminal_Servidor ON Terminal (Vereduda) WHERE Vereduda=1;
