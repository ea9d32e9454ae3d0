#pragma once
// The toolbar of the record forms: 24-pixel images with tool tips, each command also
// on a shortcut that works anywhere in its form (and only there, so two open forms
// never fight over a key).
#include <QString>
#include <functional>
#include <vector>

class QToolBar;
class QWidget;

namespace zelkor {

enum class RecordCommand { Add, Save, Delete, Spreadsheet, Browser, Import, Labels, Cards };

struct RecordTool {
    RecordCommand command;
    QString toolTip;
};

// The entries in the order given; a separator stands before Import. The image and the
// shortcut of each command are fixed:
//   Add    IMAGE_DATA_ADD     Ctrl+N      Spreadsheet  IMAGE_DOCEXCEL  Ctrl+E
//   Save   IMAGE_DISK_BLUE    Ctrl+S      Browser      IMAGE_PRINTER   Ctrl+P
//   Delete IMAGE_DATA_DELETE  Ctrl+Del    Import       IMAGE_EXCEL     Ctrl+I
//   Labels IMAGE_BARCODE      Ctrl+L      Cards        IMAGE_MEMBER_CARD Ctrl+K
QToolBar* CreateRecordToolbar(QWidget* form, const std::vector<RecordTool>& tools,
                              const std::function<void(RecordCommand)>& run);

// The tool tips of the two export entries, the same on every list form.
inline const QString kSpreadsheetTip = QStringLiteral("Export Ke Excel");
inline const QString kBrowserTip = QStringLiteral("Cetak Ke Broswer");
inline const QString kImportTip = QStringLiteral("Import Data Dari Excel");
inline const QString kLabelsTip = QStringLiteral("Cetak Label");
inline const QString kCardsTip = QStringLiteral("Cetak Kartu");

}  // namespace zelkor
