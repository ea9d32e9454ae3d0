#pragma once
// "Impor Data": items or members read from a workbook through the reader module,
// shown in a grid, saved into the database, each row's outcome in its "Status".
// Modal over the record form that opened it, which reads its records again when
// the dialog closes ("Tutup", or Esc: there is no close box).
#include <QDialog>
#include <QPointer>
#include <functional>

#include "collection/import_records.h"
#include "ui/grid_data.h"

class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;
class PickList;

class ImportDialog : public QDialog {
    Q_OBJECT
  public:
    // The target is ctx.importTarget, set by the opening form. `closed` runs when
    // the dialog closes (the opener reads its grid and lists again).
    ImportDialog(AppContext& ctx, QWidget* owner, std::function<void()> closed);
    ~ImportDialog() override;

    GridData& grid() { return grid_; }
    ImportKind kind() const { return kind_; }
    // The number of records the last read produced.
    int lastReadCount() const { return lastRead_; }

  public slots:
    void browse();       // "Browse File Excel"
    void save();         // "Simpan Data Ke Database"
    void closeImport();  // "Tutup"

  protected:
    void reject() override;  // Esc acts as "Tutup"

  private:
    void createControls();
    void createLayout();
    void loadCategories();
    // While busy the controls take no input; afterwards the keyboard is where it was.
    void setBusy(bool busy);
    // Calls the reader on a worker thread; a progress dialog shows when it takes
    // longer than half a second.
    QString runReader(const std::function<QString()>& call);

    AppContext& ctx_;
    std::function<void()> closed_;
    ImportKind kind_;
    GridData grid_;
    int lastRead_ = 0;
    bool closing_ = false;

    QWidget* body_ = nullptr;
    QPointer<QWidget> focusBeforeBusy_;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    GridView* view_ = nullptr;
    PickList* category_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace zelkor
