-- The end of day records which terminal each collected order came from, so that two terminals'
-- orders of one number are never taken for one sale, and the digest of each database it sends, so
-- that a run stopped right after a push knows the share holds it, with why the last push failed.
ALTER TABLE Comanda ADD COLUMN ID_Terminal_Origen INTEGER;
ALTER TABLE EndOfDayTerminal ADD COLUMN PushDigest VARCHAR(64);
ALTER TABLE EndOfDayTerminal ADD COLUMN PushError TEXT;
