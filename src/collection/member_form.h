#pragma once
// "Form Data Member Perpustakaan": the members (Member), listed, searched, added,
// changed and deleted, with the category list, gender, birth date, loan period and
// whether the member is active.
#include "collection/record_form.h"

class QCheckBox;
class QDateEdit;
class QRadioButton;

namespace zelkor {

class MemberForm : public RecordForm {
    Q_OBJECT
  public:
    explicit MemberForm(AppContext& ctx, QWidget* parent = nullptr);

    // The window class: the Data menu brings an open form forward by it.
    static constexpr char kWindowClass[] = "FORM_ZELKOR_FORM8_CLASS";

  private:
    void addGenderRow();
    void addBirthDateRow();
    void addDaysRow();
    void addStatusRow();

    QRadioButton* male_ = nullptr;
    QRadioButton* female_ = nullptr;
    QDateEdit* birth_ = nullptr;
    // A stored birth date the picker cannot show, kept as it was unless a date is picked.
    QString birthAsStored_;
    QCheckBox* active_ = nullptr;
};

}  // namespace zelkor
