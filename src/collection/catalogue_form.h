#pragma once
// "Katalog": anyone at the desk looks items up and sees how many copies are still on
// the shelf. Read-only. A search (Enter in "Cari"; empty lists every item) shows each
// matching item as a block of label/value lines, so long titles stay readable:
//
//     1.  Id           BP000001
//         NamaItem     Bahasa Sunda untuk SMA/MA Kelas VII
//         ...
//         Stock        5        (held less those not yet returned; may be negative)
//         Rak          A4
//     (empty line)
//
// The blocks go to the spreadsheet or the browser like every list, and the items
// found (or the one under the selection) to "Cetak Label".
#include <QWidget>

#include "collection/catalogue_blocks.h"
#include "ui/grid_data.h"

namespace zelkor {

class AppContext;
class RecordList;

class CatalogueForm : public QWidget {
    Q_OBJECT
  public:
    explicit CatalogueForm(AppContext& ctx, QWidget* parent = nullptr);
    ~CatalogueForm() override;

    // The window class: the command brings an open catalogue forward by it.
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM9_CLASS";

    // The lines shown (the selection is kept there); their text is items().cell().
    GridData& grid();
    const CatalogueItems& items() const { return items_; }

  public slots:
    void search();  // Enter in the search field
    // The shown search run again (after a restore, for example); an empty grid stays empty.
    void load();
    void exportSpreadsheet();
    void exportBrowser();
    void printLabels();

  protected:
    void focusInEvent(QFocusEvent* event) override;

  private:
    void createLayout();

    AppContext& ctx_;
    RecordList* list_ = nullptr;
    CatalogueItems items_;
    GridData blocks_;  // every block with its text, made for an export
};

}  // namespace zelkor
