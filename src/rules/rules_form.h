#pragma once
// "Aturan Peminjaman": the loan rules as a list, edited in the fields below it and
// written at once by Simpan; a preview shows, before anything is saved, the rule a
// member and an item get, the due date for today and the fine of a late return.
#include <QDialog>
#include <vector>

#include "rules/loan_rule.h"
#include "ui/grid_data.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zelkor {

class AppContext;
class GridView;

class RulesForm : public QDialog {
    Q_OBJECT
  public:
    explicit RulesForm(AppContext& ctx, QWidget* parent = nullptr);

    const GridData& rulesGrid() const { return grid_; }
    QString previewText() const;

  public slots:
    void showRow();  // a rule chosen in the list fills the fields
    void add();      // Tambah
    void change();   // Ubah
    void remove();   // Hapus
    void save();     // Simpan
    void preview();  // Lihat

  private:
    void createControls();
    void load();
    void showRules();
    bool readFields(LoanRule& out, int leaveOut);

    AppContext& ctx_;
    std::vector<LoanRule> rules_;
    GridData grid_;
    GridView* view_ = nullptr;
    QComboBox* kategori_ = nullptr;
    QComboBox* jenis_ = nullptr;
    std::vector<QLineEdit*> numbers_;  // in the order of RuleTexts
    QCheckBox* notLent_ = nullptr;
    QLineEdit* previewMember_ = nullptr;
    QLineEdit* previewItem_ = nullptr;
    QLineEdit* previewLate_ = nullptr;
    QLabel* previewResult_ = nullptr;
};

}  // namespace zelkor
