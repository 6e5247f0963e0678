-- Indexes of the day's sales and the end-of-day journal.

-- The end of day and the reports select a day's sales by its orders, and an order's rows by it.
CREATE INDEX IX_Comanda_Fecha_Trabajo ON Comanda (Fecha_Trabajo);
CREATE INDEX IX_ProductosXCuenta_ID_Comanda ON ProductosXCuenta (ID_Comanda);
CREATE INDEX IX_Pago_ID_Comanda ON Pago (ID_Comanda);

-- Journal of the end of day, so that a run stopped at any point is finished by the next start and
-- never repeated. A run is started, then collected (working date and folios written), then
-- finished. Its terminals are fixed when it starts; each is pending, then absent (no database on
-- its share), skipped (refused name, ignored or locked file), fetched (Digest: SHA-256 of the copy
-- taken), collected, and pushed.
CREATE TABLE EndOfDayRun (
    RunId              INTEGER PRIMARY KEY AUTOINCREMENT,
    OldDate            CHAR(8) NOT NULL,
    NewDate            CHAR(8) NOT NULL,
    State              VARCHAR(10) NOT NULL DEFAULT 'started'
                       CHECK (State IN ('started', 'collected', 'finished')),
    StartedAt          DATETIME TEXT,
    FinishedAt         DATETIME TEXT,
    UserName           VARCHAR(50)
);

CREATE TABLE EndOfDayTerminal (
    RunId              INTEGER NOT NULL REFERENCES EndOfDayRun (RunId),
    TerminalId         INTEGER NOT NULL,
    TerminalName       VARCHAR(25),
    MenuId             INTEGER,
    State              VARCHAR(10) NOT NULL DEFAULT 'pending'
                       CHECK (State IN ('pending', 'absent', 'skipped', 'fetched', 'collected', 'pushed')),
    Digest             VARCHAR(64),
    Measures           TEXT,
    RowsInserted       INTEGER DEFAULT 0,
    RowsUpdated        INTEGER DEFAULT 0,
    RowsRefused        INTEGER DEFAULT 0,
    ItemFolioSent      INTEGER,
    ErrorText          TEXT,
    PRIMARY KEY (RunId, TerminalId)
);
