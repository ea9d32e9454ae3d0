#pragma once
// A grid as the forms, the export and the tests see it: plain data, no widgets.
// GridView shows one of these. The cell texts of all rows share a few large
// blocks of UTF-16 text instead of one QString each, which takes a 100,000-row
// list of ten columns from about 85 MB to about 30.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace zelkor {

enum class Align { Left, Right, Center };

struct GridColumn {
    QString header;
    int width = 100;  // pixels at 96 dpi
    Align align = Align::Left;
};

// Told about every change so a view can follow. Appends inside a Batch arrive as
// one reset at the end of the batch.
class GridListener {
  public:
    virtual ~GridListener() = default;
    virtual void gridReset() = 0;
    virtual void gridRowsAppended(int first, int last) = 0;
    // Before and after a row goes (a model must announce a removal before it).
    virtual void gridRowAboutToBeRemoved(int /*row*/) {}
    virtual void gridRowRemoved(int row) = 0;
    virtual void gridCellChanged(int row, int column) = 0;
    virtual void gridSelectionChanged(int row) = 0;
    // The grid is being destroyed: stop reading it.
    virtual void gridDestroyed() {}
};

class GridData {
  public:
    GridData() = default;
    ~GridData();
    GridData(const GridData&) = delete;
    GridData& operator=(const GridData&) = delete;

    // Columns
    void addColumn(const QString& header, int width, Align align = Align::Left);
    void setColumns(std::vector<GridColumn> columns);
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const GridColumn& column(int c) const { return columns_.at(c); }
    const std::vector<GridColumn>& columns() const { return columns_; }

    // Rows. A row shorter than the column count reads empty cells.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    void appendRow(const QStringList& cells);
    void reserve(int rows);

    // One new row, its cells given one by one and copied straight into the grid's
    // storage: a long list fills without a QString per cell. The row is appended
    // (and announced) when the NewRow goes; nothing else may change the grid
    // while it lives.
    class NewRow {
      public:
        explicit NewRow(GridData& grid)
            : grid_(grid), first_(static_cast<std::uint32_t>(grid.cells_.size())) {}
        ~NewRow() { grid_.appendStoredRow(first_); }
        NewRow(const NewRow&) = delete;
        NewRow& operator=(const NewRow&) = delete;
        void add(QStringView text) { grid_.cells_.push_back(grid_.store(text)); }
        // The same cell as add(QString::fromUtf8(utf8)).
        void addUtf8(QByteArrayView utf8) { grid_.cells_.push_back(grid_.storeUtf8(utf8)); }

      private:
        GridData& grid_;
        std::uint32_t first_;
    };

    QStringList row(int r) const;  // the row's cells as stored (r must be a row)
    QString cell(int r, int c) const;
    void setCell(int r, int c, const QString& text);
    void removeRow(int r);
    void clearRows();  // keeps the columns
    void clear();      // columns and rows

    // Check boxes in front of every row (a list with check boxes).
    void setCheckable(bool on);
    bool checkable() const { return checkable_; }
    bool isChecked(int r) const { return checkable_ && r >= 0 && r < rowCount() && checked_[r]; }
    void setChecked(int r, bool on);

    // The selection mark: the one selected row, -1 for none.
    int selectedRow() const { return selected_; }
    void select(int r);
    QString selectedCell(int c) const { return selected_ >= 0 ? cell(selected_, c) : QString(); }

    // While a Batch lives, appends are collected and reported as one reset.
    class Batch {
      public:
        explicit Batch(GridData& grid) : grid_(grid) { ++grid_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        GridData& grid_;
    };

    void addListener(GridListener* l);
    void removeListener(GridListener* l);

  private:
    // Where a cell's text is: `len` characters from `pos` (block << kBlockBits |
    // offset), or, for a text too long for a block, longTexts_[pos] (len kLong).
    struct CellRef {
        std::uint32_t pos = 0;
        std::uint32_t len = 0;
    };
    struct RowRef {
        std::uint32_t first;  // its cells are cells_[first, first + count)
        std::uint32_t count;
    };
    static constexpr int kBlockBits = 16;
    static constexpr std::uint32_t kBlockSize = 1u << kBlockBits;
    static constexpr std::uint32_t kLong = 0xffffffffu;

    void notifyReset();
    void appendStoredRow(std::uint32_t first);
    char16_t* room(std::uint32_t len);
    CellRef store(QStringView text);
    CellRef storeUtf8(QByteArrayView utf8);
    QString text(const CellRef& ref) const;
    void forget(const CellRef& ref);
    void compactIfWasteful();

    std::vector<GridColumn> columns_;
    std::vector<RowRef> rows_;
    std::vector<CellRef> cells_;
    std::vector<std::unique_ptr<char16_t[]>> blocks_;
    std::uint32_t blockUsed_ = kBlockSize;  // characters used in the last block
    std::vector<QString> longTexts_;
    // Texts and cell places no longer used (changed or removed), freed by compacting.
    std::size_t storedChars_ = 0, wastedChars_ = 0, wastedCells_ = 0;
    std::vector<char> checked_;
    bool checkable_ = false;
    int selected_ = -1;
    int batchDepth_ = 0;
    bool batchDirty_ = false;
    std::vector<GridListener*> listeners_;
};

}  // namespace zelkor
