#pragma once
// xlstodb: the spreadsheet reader module behind the import dialog's "Browse File
// Excel". A shared library loaded by name for one read and released after it.
//
//   const char* sdata1(const char* path, const char* sheetQuery, const char* headerLine);
//
// path        the workbook, UTF-8: .xls, .xlsx, .ods, Excel 2003 XML or .csv, told
//             apart by their contents (workbook.h)
// sheetQuery  "Select * FROM [Sheet1$]": the sheet to read is the one named between
//             "[" and "$]"; a workbook without a sheet of that name is read from its
//             first sheet
// headerLine  the names of the fields to deliver, in order, separated by ";"
//             ("Id;Nama_Member;Jenis_Kelamin;Tmp_Lahir;Tgl_Lahir;Alamat;Durasi")
//
// The reply is one UTF-8 text. Records: one per row below the sheet's header row,
// each field followed by ";" and each record by "|" ("x1;x2;|y1;y2;|"); the
// header names are matched to the sheet's header row whatever their order, case,
// spaces and underscores (sheet_records.h). No field holds ";" or "|": a ";"
// typed in a cell arrives as "," and a "|" as "/". Values arrive as they were
// typed (cell_text.h): 1500.0 as "1500", an ISBN with all its digits, a date as
// "yyyy-mm-dd". A "Tgl" field whose cell holds no readable date arrives as typed.
//
// When the workbook cannot be read, the reply is instead a message for the
// operator, in Indonesian, that names the reason (not a workbook, damaged, too
// large, no header row...). A message never ends with "|", while a text of records
// always does: that is how the two are told apart.
//
// The workbook is read in a child process (child_process.h): a file that would
// crash or hang a reader costs the child, and the reply is a message.
//
// The reply belongs to the module: it stays valid until the next call or until
// the module is released, and the caller copies it and frees nothing.
