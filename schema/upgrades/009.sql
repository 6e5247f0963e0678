-- The check value of the key file whose cipher key enciphered the employees' passwords (a digest,
-- never the key). The upgrade writes it from the key file present then, in the same transaction;
-- without one, the first accepted login writes it.
CREATE TABLE KeyFileCheck (
    Id                 INTEGER PRIMARY KEY CHECK (Id = 1),
    Digest             VARCHAR(64) NOT NULL
);
