#include "ui/grid_data.h"

#include <algorithm>
#include <cstring>

namespace zelkor {

GridData::~GridData() {
    const std::vector<GridListener*> listeners = listeners_;
    for (auto* l : listeners) l->gridDestroyed();
}

void GridData::addColumn(const QString& header, int width, Align align) {
    columns_.push_back({header, width, align});
    notifyReset();
}

void GridData::setColumns(std::vector<GridColumn> columns) {
    columns_ = std::move(columns);
    notifyReset();
}

namespace {
// Texts longer than this keep their own QString rather than fill a block.
constexpr std::uint32_t kLongText = 1u << 14;
}  // namespace

// Where the next `len` characters (at most kLongText) go: the rest of the last
// block, or a new one. They count as stored once a CellRef names them.
char16_t* GridData::room(std::uint32_t len) {
    if (blockUsed_ + len > kBlockSize) {
        // No zeroing: every character is written before it is read.
        blocks_.emplace_back(new char16_t[kBlockSize]);
        blockUsed_ = 0;
    }
    return blocks_.back().get() + blockUsed_;
}

GridData::CellRef GridData::store(QStringView text) {
    const auto len = static_cast<std::uint32_t>(text.size());
    if (len == 0) return {};
    if (len > kLongText) {
        longTexts_.push_back(text.toString());
        return {static_cast<std::uint32_t>(longTexts_.size() - 1), kLong};
    }
    std::copy(text.utf16(), text.utf16() + len, room(len));
    const auto block = static_cast<std::uint32_t>(blocks_.size() - 1);
    const CellRef ref{block << kBlockBits | blockUsed_, len};
    blockUsed_ += len;
    storedChars_ += len;
    return ref;
}

GridData::CellRef GridData::storeUtf8(QByteArrayView utf8) {
    const auto len = static_cast<std::uint32_t>(utf8.size());
    if (len == 0) return {};
    if (len <= kLongText) {
        // Nearly every cell is ASCII, one character a byte: widen it in place.
        char16_t* out = room(len);
        const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
        // Eight bytes at a time: one test for a byte above 0x7f, then eight copies.
        std::uint64_t high = 0;
        std::uint32_t i = 0;
        for (; i + 8 <= len; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, in + i, 8);
            high |= word;
            for (std::uint32_t k = 0; k < 8; ++k) out[i + k] = in[i + k];
        }
        for (; i < len; ++i) {
            high |= in[i];
            out[i] = in[i];
        }
        if ((high & 0x8080808080808080u) == 0) {
            const auto block = static_cast<std::uint32_t>(blocks_.size() - 1);
            const CellRef ref{block << kBlockBits | blockUsed_, len};
            blockUsed_ += len;
            storedChars_ += len;
            return ref;
        }
        // Not ASCII: what was written is not counted, and Qt decodes the text.
    }
    return store(QString::fromUtf8(utf8));
}

QString GridData::text(const CellRef& ref) const {
    if (ref.len == kLong) return longTexts_[ref.pos];
    if (ref.len == 0) return {};
    const char16_t* p = blocks_[ref.pos >> kBlockBits].get() + (ref.pos & (kBlockSize - 1));
    return QString(reinterpret_cast<const QChar*>(p), static_cast<qsizetype>(ref.len));
}

void GridData::forget(const CellRef& ref) {
    if (ref.len == kLong)
        longTexts_[ref.pos] = QString();
    else
        wastedChars_ += ref.len;
}

void GridData::appendRow(const QStringList& cells) {
    NewRow row(*this);
    for (const QString& c : cells) row.add(c);
}

void GridData::appendStoredRow(std::uint32_t first) {
    rows_.push_back({first, static_cast<std::uint32_t>(cells_.size()) - first});
    if (checkable_) checked_.push_back(0);
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    const int r = rowCount() - 1;
    for (auto* l : listeners_) l->gridRowsAppended(r, r);
}

void GridData::reserve(int rows) {
    rows_.reserve(rows);
    cells_.reserve(static_cast<std::size_t>(rows) * std::max(1, columnCount()));
}

QStringList GridData::row(int r) const {
    const RowRef& row = rows_.at(r);
    QStringList out;
    out.reserve(row.count);
    for (std::uint32_t i = 0; i < row.count; ++i) out.append(text(cells_[row.first + i]));
    return out;
}

QString GridData::cell(int r, int c) const {
    if (r < 0 || r >= rowCount() || c < 0) return {};
    const RowRef& row = rows_[r];
    return static_cast<std::uint32_t>(c) < row.count ? text(cells_[row.first + c]) : QString();
}

void GridData::setCell(int r, int c, const QString& text) {
    if (r < 0 || r >= rowCount() || c < 0) return;
    // The follow-the-selection timers write the same texts five times a second:
    // an unchanged cell costs neither storage nor a repaint.
    if (static_cast<std::uint32_t>(c) < rows_[r].count && cell(r, c) == text) return;
    RowRef& row = rows_[r];
    if (static_cast<std::uint32_t>(c) >= row.count) {
        // The row grows to c + 1 cells: its cells move to the end.
        const auto first = static_cast<std::uint32_t>(cells_.size());
        for (std::uint32_t i = 0; i < row.count; ++i) cells_.push_back(cells_[row.first + i]);
        cells_.resize(first + c + 1);
        wastedCells_ += row.count;
        row = {first, static_cast<std::uint32_t>(c) + 1};
    }
    CellRef& ref = cells_[row.first + c];
    forget(ref);
    ref = store(text);
    compactIfWasteful();
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridCellChanged(r, c);
}

void GridData::removeRow(int r) {
    if (r < 0 || r >= rowCount()) return;
    if (batchDepth_ == 0)
        for (auto* l : listeners_) l->gridRowAboutToBeRemoved(r);
    const RowRef row = rows_[r];
    for (std::uint32_t i = 0; i < row.count; ++i) forget(cells_[row.first + i]);
    wastedCells_ += row.count;
    rows_.erase(rows_.begin() + r);
    if (checkable_) checked_.erase(checked_.begin() + r);
    if (selected_ == r)
        selected_ = -1;
    else if (selected_ > r)
        --selected_;
    compactIfWasteful();
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridRowRemoved(r);
}

// Changed and removed cells leave their old text behind; once that is more than
// half of what is stored, the rows are copied afresh.
void GridData::compactIfWasteful() {
    const bool chars = wastedChars_ > (1u << 16) && wastedChars_ * 2 > storedChars_;
    const bool cells = wastedCells_ > (1u << 12) && wastedCells_ * 2 > cells_.size();
    if (!chars && !cells) return;
    std::vector<RowRef> rows;
    rows.reserve(rows_.size());
    std::vector<CellRef> oldCells;
    oldCells.swap(cells_);
    std::vector<std::unique_ptr<char16_t[]>> oldBlocks;
    oldBlocks.swap(blocks_);
    std::vector<QString> oldLong;
    oldLong.swap(longTexts_);
    blockUsed_ = kBlockSize;
    storedChars_ = wastedChars_ = wastedCells_ = 0;
    cells_.reserve(oldCells.size());
    for (const RowRef& row : rows_) {
        rows.push_back({static_cast<std::uint32_t>(cells_.size()), row.count});
        for (std::uint32_t i = 0; i < row.count; ++i) {
            const CellRef& ref = oldCells[row.first + i];
            if (ref.len == kLong) {
                longTexts_.push_back(std::move(oldLong[ref.pos]));
                cells_.push_back({static_cast<std::uint32_t>(longTexts_.size() - 1), kLong});
            } else if (ref.len == 0) {
                cells_.push_back({});
            } else {
                const char16_t* p = oldBlocks[ref.pos >> kBlockBits].get() + (ref.pos & (kBlockSize - 1));
                cells_.push_back(store(QStringView(p, ref.len)));
            }
        }
    }
    rows_.swap(rows);
}

void GridData::clearRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    cells_.clear();
    cells_.shrink_to_fit();
    blocks_.clear();
    blocks_.shrink_to_fit();
    longTexts_.clear();
    longTexts_.shrink_to_fit();
    blockUsed_ = kBlockSize;
    storedChars_ = wastedChars_ = wastedCells_ = 0;
    checked_.clear();
    selected_ = -1;
    notifyReset();
}

void GridData::clear() {
    columns_.clear();
    clearRows();
}

void GridData::setCheckable(bool on) {
    checkable_ = on;
    checked_.assign(rows_.size(), 0);
    notifyReset();
}

void GridData::setChecked(int r, bool on) {
    if (!checkable_ || r < 0 || r >= rowCount()) return;
    checked_[r] = on ? 1 : 0;
    for (auto* l : listeners_) l->gridCellChanged(r, 0);
}

void GridData::select(int r) {
    if (r < -1 || r >= rowCount()) r = -1;
    if (selected_ == r) return;
    selected_ = r;
    for (auto* l : listeners_) l->gridSelectionChanged(r);
}

GridData::Batch::~Batch() {
    if (--grid_.batchDepth_ == 0 && grid_.batchDirty_) {
        grid_.batchDirty_ = false;
        for (auto* l : grid_.listeners_) l->gridReset();
    }
}

void GridData::addListener(GridListener* l) {
    if (std::find(listeners_.begin(), listeners_.end(), l) == listeners_.end()) listeners_.push_back(l);
}

void GridData::removeListener(GridListener* l) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), l), listeners_.end());
}

void GridData::notifyReset() {
    if (batchDepth_ > 0) {
        batchDirty_ = true;
        return;
    }
    for (auto* l : listeners_) l->gridReset();
}

}  // namespace zelkor
