#pragma once
// "Cetak Label": which items (the one chosen or all found), a label per item or
// per copy, barcode or spine labels, the sheet (a common one or a custom one) and
// the place on the first sheet to start from. Then the print preview.
#include <QDialog>
#include <vector>

#include "labels/item_labels.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

namespace zelkor {

class AppContext;

class LabelDialog : public QDialog {
    Q_OBJECT
  public:
    // Without `copiesKnown` a label per copy is not offered.
    LabelDialog(int chosen, int found, QWidget* parent = nullptr, bool copiesKnown = true);

    bool allFound() const;
    // The run as chosen, without items or the library's name.
    LabelRun run() const;

  private:
    void done(int result) override;
    void sheetChosen();
    SheetLayout sheet() const;
    QDoubleSpinBox* mmField(const char* name, const QString& accessibleName, double value, double max);

    QRadioButton* chosen_ = nullptr;
    QRadioButton* found_ = nullptr;
    QComboBox* kind_ = nullptr;
    QCheckBox* perCopy_ = nullptr;
    QComboBox* sheet_ = nullptr;
    QSpinBox* columns_ = nullptr;
    QSpinBox* rows_ = nullptr;
    QDoubleSpinBox *width_ = nullptr, *height_ = nullptr, *left_ = nullptr, *top_ = nullptr, *gapX_ = nullptr,
                   *gapY_ = nullptr;
    QWidget* custom_ = nullptr;
    QSpinBox* start_ = nullptr;
};

// The whole command: refuses an empty choice, asks, previews, prints on the A4
// printer, then names the codes that printed without bars.
void PrintItemLabels(AppContext& ctx, QWidget* parent, const std::vector<ItemLabel>& chosen,
                     const std::vector<ItemLabel>& found, bool copiesKnown = true);

}  // namespace zelkor
