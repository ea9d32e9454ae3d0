-- The library database. Every column is TEXT: values are kept exactly as they
-- were typed ("007" stays "007"), and SQLite converts where a statement computes.
-- Identifiers compare as texts, so the running balance of Kas orders by Id as text.

CREATE TABLE IF NOT EXISTS ItemPerpus (
    Id          TEXT NOT NULL,
    NamaItem    TEXT,
    Pengarang   TEXT,
    HakCipta    TEXT,
    Penerbit    TEXT,
    ISBN        TEXT,
    Denda       TEXT,
    JmlStock    TEXT,
    Rental      TEXT,
    HargaRental TEXT,
    Rak         TEXT
);
-- Item codes are unique, except for the visit tariffs, which all carry "KUNJUNG".
CREATE UNIQUE INDEX IF NOT EXISTS ItemPerpus_Id_unique ON ItemPerpus(Id) WHERE Id <> 'KUNJUNG';
CREATE INDEX IF NOT EXISTS ItemPerpus_Id_Pengarang ON ItemPerpus(Id, Pengarang);

CREATE TABLE IF NOT EXISTS Member (
    Id           TEXT NOT NULL PRIMARY KEY,
    Nama         TEXT,
    LP           TEXT,
    TmpLahir     TEXT,
    TglLahir     TEXT,
    Alamat       TEXT,
    Kategori     TEXT,
    DurasiPinjam TEXT,
    Status       TEXT
);
CREATE INDEX IF NOT EXISTS Member_Kategori ON Member(Kategori);

CREATE TABLE IF NOT EXISTS TransPerpus (
    Id           TEXT NOT NULL PRIMARY KEY,
    TglPinjam    TEXT,
    IdMember     TEXT,
    KodeTrans    TEXT,
    IdItemPerpus TEXT,
    TglKembali   TEXT,
    Status       TEXT,
    Ops          TEXT,
    TglReturn    TEXT
);
-- A member's open movements (the return list), an item's open movements
-- (catalogue stock), movements of a month (reports, history).
CREATE INDEX IF NOT EXISTS TransPerpus_Member_Status ON TransPerpus(IdMember, Status);
CREATE INDEX IF NOT EXISTS TransPerpus_Item_Status ON TransPerpus(IdItemPerpus, Status);
CREATE INDEX IF NOT EXISTS TransPerpus_TglPinjam ON TransPerpus(TglPinjam);
CREATE INDEX IF NOT EXISTS TransPerpus_TglReturn ON TransPerpus(TglReturn);
-- The open movements alone, by item (the report of items not yet returned): a
-- tenth of all movements, and of use only where a statement asks for Status<1.
CREATE INDEX IF NOT EXISTS TransPerpus_Open_Item ON TransPerpus(IdItemPerpus, Status) WHERE Status<1;

CREATE TABLE IF NOT EXISTS ItemHilang (
    Id           TEXT NOT NULL PRIMARY KEY,
    Tgl          TEXT,
    IdItemPerpus TEXT,
    Jumlah       TEXT,
    Pelapor      TEXT,
    Keterangan   TEXT,
    Ops          TEXT
);
-- The lost items of a year (report).
CREATE INDEX IF NOT EXISTS ItemHilang_Tgl ON ItemHilang(Tgl);

CREATE TABLE IF NOT EXISTS Kas (
    Id       TEXT NOT NULL PRIMARY KEY,
    Tanggal  TEXT,
    Kategori TEXT,
    Uraian   TEXT,
    Masuk    TEXT,
    Keluar   TEXT,
    Ops      TEXT
);
CREATE INDEX IF NOT EXISTS Kas_Tanggal ON Kas(Tanggal);

CREATE TABLE IF NOT EXISTS useradmin (
    User     TEXT NOT NULL PRIMARY KEY,
    Password TEXT
);
