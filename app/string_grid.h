// A grid of text cells addressed by (column, row).  The editor is always
// open on the current cell; cells beyond the shown rows and columns keep
// their text but are never shown and cannot be reached by the user.
#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QString>
#include <array>
#include <vector>

namespace vektoria {

class StringGrid;

// The editor of one shown cell.
class GridCell : public QLineEdit {
    Q_OBJECT
  public:
    GridCell(StringGrid& grid, int col, int row);
    int Col() const { return col_; }
    int Row() const { return row_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    bool WholeTextSelected() const;
    bool AtTextStart() const;
    bool AtTextEnd() const;

    StringGrid& grid_;
    int col_;
    int row_;
};

class StringGrid : public QFrame {
    Q_OBJECT
  public:
    // Cells can be addressed up to this many columns and rows.
    static constexpr int kCapacity = 10;
    static constexpr int kCellWidth = 64;
    static constexpr int kCellHeight = 24;
    static constexpr int kLineWidth = 1;
    // The editor takes at most this many characters.  A longer text (only a
    // file brings one) is kept whole, shown cut short and not editable, so
    // that it is neither lost nor slows the window down.
    static constexpr int kEditLimit = 32767;

    StringGrid(int colCount, int rowCount, QWidget* parent);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }

    // Reading a cell never written, or beyond the capacity, gives "".
    QString Cell(int col, int row) const;
    // Writes beyond the capacity are ignored.
    void SetCell(int col, int row, const QString& text);

    // The current cell, where the editor stands.
    int CurrentCol() const { return current_->Col(); }
    int CurrentRow() const { return current_->Row(); }
    // The shown editor of a cell, for the window's own tests and tools.
    GridCell* CellEditor(int col, int row) const;

  protected:
    bool focusNextPrevChild(bool next) override;

  private:
    friend class GridCell;
    void Move(int dCol, int dRow);
    void Became(GridCell& cell);
    void Edited(const GridCell& cell);
    bool Shown(int col, int row) const { return col < colCount_ && row < rowCount_; }
    static bool Addressable(int col, int row) {
        return col >= 0 && row >= 0 && col < kCapacity && row < kCapacity;
    }

    int colCount_;
    int rowCount_;
    std::vector<GridCell*> editors_;  // row by row
    GridCell* current_ = nullptr;
    std::array<std::array<QString, kCapacity>, kCapacity> texts_;  // [row][col], every cell
};

}  // namespace vektoria
