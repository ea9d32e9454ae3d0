#pragma once
// The month list of the cash journal, the reports and the history: the twelve
// month names ("Nopember" included), each carrying its number 1..12, with a year
// choice beside it so last year's months can still be listed.
#include <QString>
#include <QWidget>

class QListWidget;
class QSpinBox;

namespace zelkor {

// "Januari".."Desember" for 1..12; empty outside that range.
QString MonthName(int month);

// "Y-MM" (for example "2016-03"), the prefix of every date of that month.
QString MonthPrefix(int year, int month);

class MonthList : public QWidget {
    Q_OBJECT
public:
    // The year choice sits above the list; the list keeps the month names only.
    explicit MonthList(QWidget* parent = nullptr);

    // Selects a month and year without announcing a change (the forms open on
    // the current month this way).
    void selectQuietly(int year, int month);

    int month() const;  // 1..12, 0 when none is selected
    int year() const;

    QListWidget* list() const { return list_; }
    QSpinBox* yearBox() const { return year_; }

signals:
    // The month or the year was changed by the operator (mouse or keyboard).
    void changed(int year, int month);

private:
    void announce();

    QSpinBox* year_;
    QListWidget* list_;
    bool quiet_ = false;
};

}  // namespace zelkor
