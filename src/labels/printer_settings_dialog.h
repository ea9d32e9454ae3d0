#pragma once
// "Pengaturan Printer" (File menu): the receipt printer with its paper width and
// the A4 printer for letters, labels and cards, each from the system's printers
// or the default printer.
#include <QDialog>

class QComboBox;

namespace zelkor {

class AppContext;

class PrinterSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    PrinterSettingsDialog(AppContext& ctx, QWidget* parent = nullptr);

  private:
    void save();
    QComboBox* printerList(const QString& chosen, const char* name, const QString& accessibleName);

    AppContext& ctx_;
    QComboBox* receipt_ = nullptr;
    QComboBox* width_ = nullptr;
    QComboBox* sheets_ = nullptr;
};

}  // namespace zelkor
