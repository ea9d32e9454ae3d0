#pragma once
// The machine behind the record forms (items, members): a toolbar of add, save,
// delete, export and import; on the left a group box of entry rows; on the right
// "Cari" and the grid of records. A form declares its table, columns and entry rows;
// the base lists, searches, follows the selected row, saves, deletes and exports.
//
// A form's constructor reads like a table of contents:
//
//     ItemForm::ItemForm(AppContext& ctx, QWidget* parent) : RecordForm(ctx, ItemDesign(), parent) {
//         QLineEdit* code = addTextRow(QStringLiteral("Id Item"), "code");   // grid column 1
//         QLineEdit* name = addTextRow(QStringLiteral("Nama Item"), "name"); // grid column 2
//         ...                                                              // one row per column
//         open(code, name);
//     }
//
// Every row is an Entry that reads and writes one grid column, in the order of the
// design's columns. What is saved is those texts under the columns' names (a form may
// add derived columns in storedRecord), found by RecordKey (the code unless a form
// says otherwise).
//
// The pieces also stand alone, for list forms of another shape: RecordList (a grid
// filled by a statement, searched on Enter, with a row sink of one's own),
// GridFollower (the selected row copied wherever a form shows it), CreateRecordToolbar
// (any of the six entries), PickList (a list ending in "Add Item" beside its field),
// DateField and SearchStatement (a literal search over any columns).
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "collection/record_queries.h"
#include "ui/grid_data.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace zelkor {

class AppContext;
class GridFollower;
class PickList;
class RecordList;
enum class RecordCommand;

// A grid column after "No" and the stored column it shows.
struct RecordColumn {
    QString column;  // "NamaItem"
    QString header;  // "Nama_Item"
    int width;       // pixels at 96 dpi
    Align align;
};

struct RecordFormDesign {
    QString windowClass;  // the object name, "FORM_ZELKOR_FORM6_CLASS"
    QString title;        // the window's title
    QString boxTitle;     // the group box of entry rows
    QString table;        // "ItemPerpus"; also the import target
    QString recordWord;   // "item": how the messages name one record
    // The TransPerpus column naming a record ("IdItemPerpus"): a record with movements
    // still out is never deleted.
    QString movementColumn;
    std::vector<RecordColumn> columns;
    QStringList searched;  // the columns the search looks in
    QString reportTitle;   // "Cetak Ke Broswer"'s title
    QString addTip, saveTip, deleteTip;
    int labelWidth = 81;   // design pixels from a row's label to its control
    int fieldWidth = 198;  // a text row's field
    bool newRecordClearsSearch = false;
    // Labels or Cards: the form's entry for printing its records on paper; none
    // when left at Add.
    RecordCommand paperCommand{};

    QStringList columnNames() const;  // the stored columns, in grid order
};

class RecordForm : public QWidget {
    Q_OBJECT
  public:
    ~RecordForm() override;

    GridData& grid();
    const GridData& grid() const;
    // The grid column (1 on, after "No") that shows a stored column; -1 for none.
    int gridColumnOf(const QString& column) const;
    GridFollower* follower() const { return follower_; }

    // The grid read again (with the search text as it stands) and the lists of
    // values (shelves, categories) with it: after an import, for example.
    void reloadRecords();
    // The search emptied and every record listed: new rows are then in view.
    void showAllRecords();

  public slots:
    void load() { reloadRecords(); }  // after a restore, for example
    void newRecord();                 // toolbar entry 1
    void save();                      // entry 2
    void remove();                    // entry 3
    void exportSpreadsheet();         // entry 4
    void exportBrowser();             // entry 5
    void openImport();                // entry 7
    virtual void printOnPaper() {}    // labels or cards, when the design has the entry

  protected:
    RecordForm(AppContext& ctx, RecordFormDesign design, QWidget* parent);

    // How one entry row reads and writes its grid column.
    struct Entry {
        std::function<QString()> get;
        std::function<void(const QString&)> set;
        std::function<void()> clear;  // for a new record
    };

    // ---- building the entry rows, one per grid column in order ----------------
    QLineEdit* addTextRow(const QString& label, const char* name, int width = 0);
    QLineEdit* addDigitsRow(const QString& label, const char* name, int width = 0);
    // `ownRow`: no grid column shows it; the form reads and saves it itself
    // (showOwnRows, clearOwnRows, storedRecord).
    PickList* addPickRow(const QString& label, const char* listName, const char* fieldName, int listWidth,
                         int fieldWidth, const QString& valuesSql, bool ownRow = false);
    // Any other control: `focus` are its widgets in Tab order.
    void addRow(const QString& label, QWidget* control, Entry entry, std::vector<QWidget*> focus);
    // A field of the design width (the form design's when 0) for a row of one's own.
    QLineEdit* newField(const QString& accessibleName, const char* name, int width, bool digitsOnly = false);
    static Entry textEntry(QLineEdit* field);
    // Ends the building: the code and name fields (both required for a new record),
    // the Tab order, the grid and the lists filled, the follow timer running.
    void open(QLineEdit* code, QLineEdit* name);

    // ---- what a form may change ------------------------------------------------
    struct StoredRecord {
        QStringList columns;
        QStringList values;
    };
    // The columns and values an insert or update writes; by default the grid
    // columns' texts under their names.
    virtual StoredRecord storedRecord(const QStringList& shown) const;
    // The stored row a save with this code updates, and the one a grid row shows.
    virtual RecordKey keyForSave(const QString& code) const;
    virtual RecordKey keyForRow(int row) const;
    // Why the entries as they stand cannot be saved (a message naming the field);
    // empty when they can.
    virtual QString refusal() const { return {}; }
    // The rows of the form's own: a grid row was chosen, or the entries emptied.
    virtual void showOwnRows(int /*row*/) {}
    virtual void clearOwnRows() {}

    void focusInEvent(QFocusEvent* event) override;

    AppContext& ctx() const { return ctx_; }
    // The texts of the entry rows, as grid columns 1 to n.
    QStringList shownValues() const;

  private:
    void createLayout();
    void run(RecordCommand command);
    void showRow(int row);
    void clearEntries();
    void startAfresh();
    void insertRecord(const QString& code);
    void updateRecord(const QString& code);
    bool mayReplace(const QString& code);
    bool deleteRecord(int row);
    int rowShowing(const RecordKey& key) const;
    void rememberPicks();
    QLabel* addLabel(const QString& text, QWidget* buddy);
    void layOutRow(const QString& label, QWidget* control, const std::vector<QWidget*>& focus);

    AppContext& ctx_;
    RecordFormDesign design_;
    RecordList* list_ = nullptr;
    GridFollower* follower_ = nullptr;
    std::vector<Entry> entries_;  // one per grid column after "No"
    std::vector<QWidget*> tabOrder_;
    std::vector<std::pair<PickList*, QString>> picks_;  // each list and the statement of its values
    QGridLayout* rows_ = nullptr;                       // in the group box of entry rows
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
};

}  // namespace zelkor
