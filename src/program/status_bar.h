#pragma once
// The main window's status bar: eight parts of fixed widths from the left.
//   0 "User:" (raised, operator icon)  1 the operator (CurrentOperator)
//   2 "Hak Pakai :"  3 the library's name  4 the date (clock icon)  5 the time
//   6, 7 empty
#include <QDateTime>
#include <QFrame>
#include <QStatusBar>
#include <array>

class QLabel;

namespace zelkor {

class StatusPart : public QFrame {
    Q_OBJECT
  public:
    StatusPart(const QString& text, const QString& icon, QWidget* parent);
    QString text() const;
    void setText(const QString& text);

  private:
    QLabel* text_;
};

class MainStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    static constexpr int kParts = 8;
    static constexpr std::array<int, kParts> kWidths96 = {50, 100, 75, 250, 100, 80, 200, 300};

    explicit MainStatusBar(QWidget* parent);

    StatusPart* part(int i) const { return parts_.at(i); }
    QString partText(int i) const { return parts_.at(i)->text(); }
    void setPartText(int i, const QString& text) { parts_.at(i)->setText(text); }

    // Rewrites parts 4 and 5 from the time of day.
    void showClock(const QDateTime& now);

    // The widths of the parts in pixels at `dpi` dots per inch.
    static std::array<int, kParts> PartWidths(int dpi);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void applyWidths();
    std::array<StatusPart*, kParts> parts_{};
};

// The date part: "07 Des 2026", in Indonesian on every machine.
QString StatusDateText(const QDate& date);
// Part 5: "HH:mm:ss".
QString StatusTimeText(const QTime& time);

}  // namespace zelkor
