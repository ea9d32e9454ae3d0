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
    Rak         TEXT,
    Jenis       TEXT
);
-- Item codes are unique, except for the visit tariffs, which all carry "KUNJUNG".
CREATE UNIQUE INDEX IF NOT EXISTS ItemPerpus_Id_unique ON ItemPerpus(Id) WHERE Id <> 'KUNJUNG';
CREATE INDEX IF NOT EXISTS ItemPerpus_Id_Pengarang ON ItemPerpus(Id, Pengarang);
-- The item form's shelf list (the distinct shelves) without sorting every item.
CREATE INDEX IF NOT EXISTS ItemPerpus_Rak ON ItemPerpus(Rak);
-- An item's name beside its code, for the lists that show the names of many
-- movements (reports, history): one index read per name instead of two. Partial,
-- so that SQLite takes it only for a statement that rules out a missing name, as
-- those lookups do: the other statements keep their plans and their order of rows.
CREATE INDEX IF NOT EXISTS ItemPerpus_Id_NamaItem ON ItemPerpus(Id, NamaItem) WHERE NamaItem IS NOT NULL;

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
-- A member's name beside the code, for the same lists and on the same terms.
CREATE INDEX IF NOT EXISTS Member_Id_Nama ON Member(Id, Nama) WHERE Nama IS NOT NULL;

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
-- The open loans and rentals by due date, with what the overdue list reads of
-- them: it reads this index alone, never the table, and no visit (most open
-- movements are visits, which are never late).
CREATE INDEX IF NOT EXISTS TransPerpus_Overdue ON TransPerpus(TglKembali, IdMember, IdItemPerpus, KodeTrans, Id) WHERE Status<1 AND KodeTrans<>'KUNJUNG';
-- The member and item columns the overdue list shows, so that it reads one index
-- per member and per item and never their tables. Partial on a condition true of
-- every stored code (all are texts) that no other statement states: no other
-- statement takes them, and every other list keeps its plan and its order of rows.
CREATE INDEX IF NOT EXISTS Member_Overdue ON Member(Id, Nama, Kategori, Alamat) WHERE Id>='';
CREATE INDEX IF NOT EXISTS ItemPerpus_Overdue ON ItemPerpus(Id, NamaItem, Denda, Jenis) WHERE Id>='';

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
-- The journal's running balance sums Masuk-Keluar over every line before it by
-- date, then Id, and a month's lines are found by date: both read these indexes
-- alone, never the table, so a month of a large journal lists in milliseconds.
CREATE INDEX IF NOT EXISTS Kas_Id_Saldo ON Kas(Id, Masuk, Keluar);
CREATE INDEX IF NOT EXISTS Kas_Tanggal_Saldo ON Kas(Tanggal, Id, Masuk, Keluar);

-- The balance before a month, by day: for each date of Tanggal the lines, those
-- whose Masuk-Keluar is a number, the sum of the whole numbers among them, and
-- the lines a day cannot stand for (a real amount: those days are summed line
-- by line). A line counts in the balances after it in date order, then Id:
-- lines without an Id or a date count in no balance and are kept under an empty
-- blob, which sorts after every text; a date stored as a number sorts before
-- every text and is kept under ''. So Baris counts every line of Kas. The
-- triggers keep it; the journal checks it against Kas before trusting it, and a
-- library whose days no longer match its lines gets them afresh when it is opened.
-- A whole number counts in Jumlah only below 2^40 (amounts have at most 12
-- digits); a larger one, written outside the program, counts in Lain as a real
-- does. A day's Jumlah so stays an exact sum of that day's lines, far inside the
-- 64-bit range, and is never turned into a rounded real and back.
-- Recursive triggers let a REPLACE into Kas tell the delete trigger what it removed.
PRAGMA recursive_triggers = ON;
CREATE TABLE IF NOT EXISTS KasBlok (
    Blok   TEXT NOT NULL PRIMARY KEY,
    Baris  INTEGER NOT NULL,
    Angka  INTEGER NOT NULL,
    Jumlah INTEGER NOT NULL,
    Lain   INTEGER NOT NULL
);
-- A line counted in (Arah 1) or out (Arah -1) of its day: the one place that
-- knows how, for the three triggers of Kas below.
CREATE VIEW IF NOT EXISTS KasBlokUbah AS
    SELECT NULL AS Id, NULL AS Tanggal, NULL AS Masuk, NULL AS Keluar, NULL AS Arah WHERE 0;
CREATE TRIGGER IF NOT EXISTS KasBlokUbah_Insert INSTEAD OF INSERT ON KasBlokUbah BEGIN
    INSERT INTO KasBlok
        SELECT b, new.Arah, new.Arah * (d IS NOT NULL),
               new.Arah * CASE WHEN typeof(d) = 'integer' AND d BETWEEN -1099511627775 AND 1099511627775 THEN d ELSE 0 END,
               new.Arah * (typeof(d) = 'real' OR (typeof(d) = 'integer' AND NOT d BETWEEN -1099511627775 AND 1099511627775))
        FROM (SELECT CASE WHEN new.Id IS NULL THEN x'' WHEN typeof(new.Tanggal) = 'text' THEN new.Tanggal
                          WHEN typeof(new.Tanggal) IN ('integer', 'real') THEN '' ELSE x'' END AS b,
                     new.Masuk - new.Keluar AS d)
        WHERE 1
        ON CONFLICT (Blok) DO UPDATE SET Baris = Baris + excluded.Baris, Angka = Angka + excluded.Angka,
            Jumlah = Jumlah + excluded.Jumlah, Lain = Lain + excluded.Lain;
    DELETE FROM KasBlok WHERE Baris = 0
        AND Blok = CASE WHEN new.Id IS NULL THEN x'' WHEN typeof(new.Tanggal) = 'text' THEN new.Tanggal
                        WHEN typeof(new.Tanggal) IN ('integer', 'real') THEN '' ELSE x'' END;
END;
CREATE TRIGGER IF NOT EXISTS Kas_Blok_Insert AFTER INSERT ON Kas BEGIN
    INSERT INTO KasBlokUbah VALUES (new.Id, new.Tanggal, new.Masuk, new.Keluar, 1);
END;
CREATE TRIGGER IF NOT EXISTS Kas_Blok_Delete AFTER DELETE ON Kas BEGIN
    INSERT INTO KasBlokUbah VALUES (old.Id, old.Tanggal, old.Masuk, old.Keluar, -1);
END;
CREATE TRIGGER IF NOT EXISTS Kas_Blok_Update AFTER UPDATE OF Id, Tanggal, Masuk, Keluar ON Kas BEGIN
    INSERT INTO KasBlokUbah VALUES (old.Id, old.Tanggal, old.Masuk, old.Keluar, -1);
    INSERT INTO KasBlokUbah VALUES (new.Id, new.Tanggal, new.Masuk, new.Keluar, 1);
END;
DELETE FROM KasBlok WHERE (SELECT count(*) FROM Kas) <> (SELECT coalesce(sum(Baris), 0) FROM KasBlok);
INSERT INTO KasBlok
    SELECT b, count(*), count(d), sum(CASE WHEN typeof(d) = 'integer' AND d BETWEEN -1099511627775 AND 1099511627775 THEN d ELSE 0 END),
           sum(typeof(d) = 'real' OR (typeof(d) = 'integer' AND NOT d BETWEEN -1099511627775 AND 1099511627775))
    FROM (SELECT CASE WHEN Id IS NULL THEN x'' WHEN typeof(Tanggal) = 'text' THEN Tanggal
                      WHEN typeof(Tanggal) IN ('integer', 'real') THEN '' ELSE x'' END AS b,
                 Masuk - Keluar AS d
          FROM Kas WHERE NOT EXISTS (SELECT 1 FROM KasBlok))
    GROUP BY b;

CREATE TABLE IF NOT EXISTS useradmin (
    User     TEXT NOT NULL PRIMARY KEY,
    Password TEXT
);

-- The start page counts a year of movements by month: loans, rentals and visits
-- by their date, returns by the date returned, and the open movements with their
-- due date. Each count reads one of these indexes alone, never the table. Each is
-- partial on a condition only those counts state (a range on the date, or the
-- visits left out), so that no other statement takes it instead of the index it
-- reads today, in the order it reads its rows.
CREATE INDEX IF NOT EXISTS TransPerpus_Kode_TglPinjam ON TransPerpus(KodeTrans, TglPinjam) WHERE TglPinjam IS NOT NULL;
CREATE INDEX IF NOT EXISTS TransPerpus_Returned ON TransPerpus(TglReturn, Status) WHERE Status>0 AND TglReturn IS NOT NULL;
CREATE INDEX IF NOT EXISTS TransPerpus_Open_Due ON TransPerpus(IdItemPerpus, TglKembali, Status) WHERE Status<1 AND IdItemPerpus<>'KUNJUNG';

-- What members owe. A transaction paid short at the desk leaves a debt of the
-- shortfall (Jumlah) on its member; Sisa is what is still open. Payments and
-- waivers lower Sisa by an update that names the amount they take, so a debt is
-- never paid or waived beyond what is open, whichever copy of the program comes
-- second. Amounts are whole numbers of at most 12 digits.
CREATE TABLE IF NOT EXISTS Tanggungan (
    Id       TEXT NOT NULL PRIMARY KEY,
    Tanggal  TEXT NOT NULL,
    IdMember TEXT NOT NULL,
    Jumlah   INTEGER NOT NULL CHECK (typeof(Jumlah) = 'integer' AND Jumlah BETWEEN 1 AND 999999999999),
    Sisa     INTEGER NOT NULL CHECK (typeof(Sisa) = 'integer' AND Sisa BETWEEN 0 AND Jumlah),
    Ops      TEXT
);
-- A member's open debts when the member is chosen at the desk.
CREATE INDEX IF NOT EXISTS Tanggungan_Member_Open ON Tanggungan(IdMember, Tanggal, Id, Sisa) WHERE Sisa > 0;
CREATE INDEX IF NOT EXISTS Tanggungan_Tanggal ON Tanggungan(Tanggal);
-- The movements a debt came from (the rows of the transaction paid short).
CREATE TABLE IF NOT EXISTS TanggunganAsal (
    IdTanggungan TEXT NOT NULL,
    IdTrans      TEXT NOT NULL,
    PRIMARY KEY (IdTanggungan, IdTrans)
);
-- Payments on a debt; Id is the journal line that booked the money.
CREATE TABLE IF NOT EXISTS TanggunganBayar (
    Id           TEXT NOT NULL PRIMARY KEY,
    IdTanggungan TEXT NOT NULL,
    Tanggal      TEXT NOT NULL,
    Jumlah       INTEGER NOT NULL CHECK (typeof(Jumlah) = 'integer' AND Jumlah BETWEEN 1 AND 999999999999),
    Ops          TEXT
);
CREATE INDEX IF NOT EXISTS TanggunganBayar_Tanggungan ON TanggunganBayar(IdTanggungan, Tanggal);
-- Fines and debts waived by the administrator ("Hapus Denda"): nothing came in,
-- so the journal is not touched; the reason, the operator and the time are kept.
-- A waiver names the debt it lowered, or the movement whose fine it took off.
CREATE TABLE IF NOT EXISTS HapusDenda (
    Id           TEXT NOT NULL PRIMARY KEY,
    Waktu        TEXT NOT NULL,
    IdTanggungan TEXT,
    IdTrans      TEXT,
    Jumlah       INTEGER NOT NULL CHECK (typeof(Jumlah) = 'integer' AND Jumlah BETWEEN 1 AND 999999999999),
    Alasan       TEXT NOT NULL CHECK (trim(Alasan) <> ''),
    Ops          TEXT NOT NULL,
    CHECK (IdTanggungan IS NOT NULL OR IdTrans IS NOT NULL)
);
CREATE INDEX IF NOT EXISTS HapusDenda_Tanggungan ON HapusDenda(IdTanggungan);
-- The till closed by one operator for one day: what the journal says came in
-- (Dicatat), what was counted in the drawer (Dihitung, with the count per
-- banknote and coin in Rincian), and the difference, booked as a journal line
-- of its own (IdKas; empty when the drawer matched).
CREATE TABLE IF NOT EXISTS TutupKas (
    Id       TEXT NOT NULL PRIMARY KEY,
    Tanggal  TEXT NOT NULL,
    Ops      TEXT NOT NULL,
    Waktu    TEXT NOT NULL,
    Dicatat  INTEGER NOT NULL,
    Dihitung INTEGER NOT NULL CHECK (typeof(Dihitung) = 'integer' AND Dihitung BETWEEN 0 AND 999999999999),
    Selisih  INTEGER NOT NULL,
    Rincian  TEXT,
    Catatan  TEXT,
    IdKas    TEXT
);
CREATE INDEX IF NOT EXISTS TutupKas_Tanggal ON TutupKas(Tanggal, Ops);
-- The journal lines each close covered: a line belongs to one close at most, and
-- lines saved after a close belong to the next.
CREATE TABLE IF NOT EXISTS TutupKasBaris (
    IdKas   TEXT NOT NULL PRIMARY KEY,
    IdTutup TEXT NOT NULL
);

-- Loan rules, one per member category and item kind ("semua" for any). An empty
-- field keeps the desk's own behaviour for it; a pair has one rule.
CREATE TABLE IF NOT EXISTS AturanPinjam (
    Kategori       TEXT NOT NULL,
    Jenis          TEXT NOT NULL,
    MaksPinjam     TEXT,
    LamaPinjam     TEXT,
    DendaPerHari   TEXT,
    Toleransi      TEXT,
    MaksDenda      TEXT,
    MaksPerpanjang TEXT,
    HariPerpanjang TEXT,
    TidakDipinjam  TEXT
);
CREATE UNIQUE INDEX IF NOT EXISTS AturanPinjam_Pasangan ON AturanPinjam(Kategori COLLATE NOCASE, Jenis COLLATE NOCASE);

-- The library's dated holidays ("yyyy-mm-dd").
CREATE TABLE IF NOT EXISTS HariLibur (
    Tanggal TEXT NOT NULL PRIMARY KEY,
    Nama    TEXT
);

-- The library's loan settings by name: the weekly closed days, whether late days
-- count open days only, where a renewal counts from, the texts of the letters.
CREATE TABLE IF NOT EXISTS PengaturanPinjam (
    Nama  TEXT NOT NULL PRIMARY KEY,
    Nilai TEXT
);

-- How often a loan was renewed, by its movement (TransPerpus.Id); a loan never
-- renewed has no row.
CREATE TABLE IF NOT EXISTS Perpanjangan (
    IdTrans TEXT NOT NULL PRIMARY KEY,
    Kali    TEXT
);

-- A mark of the member and item names: a new random value whenever a code or a
-- name changes (a restored library gets one too), so long lists may keep the names
-- they read while the mark stays the same, in any copy of the program.
CREATE TABLE IF NOT EXISTS UbahNama (
    Id    INTEGER PRIMARY KEY CHECK (Id = 1),
    Versi INTEGER
);
CREATE TRIGGER IF NOT EXISTS Member_UbahNama_Insert AFTER INSERT ON Member BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
CREATE TRIGGER IF NOT EXISTS Member_UbahNama_Delete AFTER DELETE ON Member BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
CREATE TRIGGER IF NOT EXISTS Member_UbahNama_Update AFTER UPDATE OF Id, Nama ON Member BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
CREATE TRIGGER IF NOT EXISTS ItemPerpus_UbahNama_Insert AFTER INSERT ON ItemPerpus BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
CREATE TRIGGER IF NOT EXISTS ItemPerpus_UbahNama_Delete AFTER DELETE ON ItemPerpus BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
CREATE TRIGGER IF NOT EXISTS ItemPerpus_UbahNama_Update AFTER UPDATE OF Id, NamaItem ON ItemPerpus BEGIN INSERT INTO UbahNama (Id, Versi) VALUES (1, random()) ON CONFLICT (Id) DO UPDATE SET Versi = excluded.Versi; END;
INSERT INTO UbahNama (Id, Versi) SELECT 1, random() WHERE NOT EXISTS (SELECT 1 FROM UbahNama);
