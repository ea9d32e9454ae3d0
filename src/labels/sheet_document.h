#pragma once
// A document of A4 sheets drawn in millimetres, and the ways it reaches paper:
// straight to a queue, or through Qt's print preview first.
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace zelkor {

// Millimetres on the paper to device units of the painter's device; the painter
// draws on the whole sheet, from the paper's corner.
class MmScale {
  public:
    explicit MmScale(double dotsPerInch) : k_(dotsPerInch / 25.4) {}
    double operator()(double mm) const { return mm * k_; }

  private:
    double k_;
};

struct SheetDocument {
    QString name;  // the job's name in the queue
    int pages = 0;
    // Draws one sheet; the painter is already on that page.
    std::function<void(QPainter&, const MmScale&, int page)> paintPage;
    bool duplex = false;  // pages come as front and back of the same sheet
};

// Draws every page onto a printer already set up (A4, whole page).
bool PaintSheets(QPrinter& printer, const SheetDocument& doc, QString* why);

// Where sheets go: one implementation prints straight to a queue (the tests, the
// benchmark), the other shows the preview first (the program).
class SheetOutput {
  public:
    virtual ~SheetOutput() = default;
    // False with the reason in `why` when nothing was printed; a cancelled
    // preview is false with `why` empty.
    virtual bool print(const SheetDocument& doc, QString* why) = 0;
};

// The queue by name; an empty name is the system's default printer.
class DirectSheetOutput : public SheetOutput {
  public:
    explicit DirectSheetOutput(QString printerName = {}) : printerName_(std::move(printerName)) {}
    bool print(const SheetDocument& doc, QString* why) override;

  private:
    QString printerName_;
};

class PreviewSheetOutput : public SheetOutput {
  public:
    PreviewSheetOutput(QWidget* parent, QString printerName)
        : parent_(parent), printerName_(std::move(printerName)) {}
    bool print(const SheetDocument& doc, QString* why) override;

  private:
    QWidget* parent_;
    QString printerName_;
};

}  // namespace zelkor
