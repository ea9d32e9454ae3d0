#pragma once
// "Hari Libur": the days of the week the library is closed, its dated holidays
// (typed, or read from a .csv or .ics file), whether late days count only the
// days it is open, and where a renewal counts from. Simpan writes it all at once.
#include <QDialog>

#include "ui/grid_data.h"

class QCheckBox;
class QLineEdit;

namespace zelkor {

class AppContext;
class GridView;

class CalendarForm : public QDialog {
    Q_OBJECT
  public:
    explicit CalendarForm(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& holidays() const { return grid_; }

  public slots:
    void add();         // Tambah
    void remove();      // Hapus
    void importFile();  // Impor
    void save();        // Simpan

  private:
    void createControls();
    void load();
    void addHoliday(const QDate& date, const QString& name);

    AppContext& ctx_;
    GridData grid_;
    GridView* view_ = nullptr;
    QCheckBox* closed_[8] = {};  // by ISO weekday, 1..7
    QCheckBox* openDaysOnly_ = nullptr;
    QCheckBox* renewFromDue_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* name_ = nullptr;
};

}  // namespace zelkor
