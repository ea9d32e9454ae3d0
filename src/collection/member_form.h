#pragma once
// "Form Data Member Perpustakaan": the members (Member), listed, searched, added,
// changed and deleted, with the category list, gender, birth date, loan period and
// whether the member is active.
#include "collection/record_form.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zelkor {

class MemberForm : public RecordForm {
    Q_OBJECT
  public:
    explicit MemberForm(AppContext& ctx, QWidget* parent = nullptr);

    // The window class: the Data menu brings an open form forward by it.
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM8_CLASS";

  protected:
    QString refusal() const override;
    void printOnPaper() override;  // Cetak Kartu

  private:
    void addGenderRow();
    void addBirthDateRow();
    void addDaysRow();
    void addStatusRow();
    void pickBirthDate();  // the calendar under the birth date, Alt+Down

    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
    QLineEdit* birth_ = nullptr;
    // The birth date as the member shown has it stored: kept as it is, date or not,
    // as long as it is not changed.
    QString birthAsStored_;
    QCheckBox* active_ = nullptr;
};

}  // namespace zelkor
