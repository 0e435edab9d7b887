#include "string_grid.h"

#include <QKeyEvent>
#include <QPalette>

namespace vektoria {

namespace {
// The frame around the cells: a sunken edge two pixels wide.
constexpr int kFrameWidth = 2;
}  // namespace

GridCell::GridCell(StringGrid& grid, int col, int row)
    : QLineEdit(&grid), grid_(grid), col_(col), row_(row) {
    setFrame(false);
    setTextMargins(1, 0, 1, 0);
    setMaxLength(StringGrid::kEditLimit);
    // Every keystroke is in the cell at once.
    connect(this, &QLineEdit::textEdited, this, [this] { grid_.Edited(*this); });
    setGeometry(kFrameWidth + col * (StringGrid::kCellWidth + StringGrid::kLineWidth),
                kFrameWidth + row * (StringGrid::kCellHeight + StringGrid::kLineWidth),
                StringGrid::kCellWidth, StringGrid::kCellHeight);
}

// With the whole text selected, the editor stands at both ends at once; with
// only part of it selected, at neither.
bool GridCell::WholeTextSelected() const {
    return selectionStart() == 0 && selectedText().size() == text().size();
}

bool GridCell::AtTextStart() const {
    return hasSelectedText() ? WholeTextSelected() : cursorPosition() == 0;
}

bool GridCell::AtTextEnd() const {
    return hasSelectedText() ? WholeTextSelected() : cursorPosition() == text().size();
}

void GridCell::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~(Qt::KeypadModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Up:
            grid_.Move(0, -1);
            return;
        case Qt::Key_Down:
            grid_.Move(0, 1);
            return;
        case Qt::Key_Left:
            if (AtTextStart()) {
                grid_.Move(-1, 0);
                return;
            }
            break;
        case Qt::Key_Right:
            if (AtTextEnd()) {
                grid_.Move(1, 0);
                return;
            }
            break;
        default:
            break;
    }
    QLineEdit::keyPressEvent(event);
}

void GridCell::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    grid_.Became(*this);
    // Typing replaces the text of a cell just entered.
    if (event->reason() != Qt::MouseFocusReason) selectAll();
}

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent)
    : QFrame(parent), colCount_(colCount), rowCount_(rowCount) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kFrameWidth / 2);
    // The grid lines are the background showing between the cells.
    setAutoFillBackground(true);
    QPalette lines = palette();
    lines.setColor(QPalette::Window, palette().color(QPalette::Mid));
    setPalette(lines);
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < colCount_; ++c) editors_.push_back(new GridCell(*this, c, r));
    current_ = editors_.front();
    setFocusProxy(current_);
    setFocusPolicy(Qt::StrongFocus);
}

GridCell* StringGrid::CellEditor(int col, int row) const {
    if (col < 0 || row < 0 || !Shown(col, row)) return nullptr;
    return editors_[static_cast<size_t>(row * colCount_ + col)];
}

QString StringGrid::Cell(int col, int row) const {
    if (!Addressable(col, row)) return {};
    return texts_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void StringGrid::SetCell(int col, int row, const QString& text) {
    if (!Addressable(col, row)) return;
    texts_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    if (GridCell* editor = CellEditor(col, row)) {
        const bool tooLong = text.size() > kEditLimit;
        editor->setReadOnly(tooLong);
        editor->setText(tooLong ? text.left(kEditLimit) : text);
        if (editor->hasFocus()) editor->selectAll();
    }
}

void StringGrid::Edited(const GridCell& cell) {
    texts_[static_cast<size_t>(cell.Row())][static_cast<size_t>(cell.Col())] = cell.text();
}

void StringGrid::Became(GridCell& cell) {
    current_ = &cell;
    setFocusProxy(current_);
}

void StringGrid::Move(int dCol, int dRow) {
    const int col = CurrentCol() + dCol;
    const int row = CurrentRow() + dRow;
    if (col < 0 || row < 0 || !Shown(col, row)) return;  // no wrap at the edges
    CellEditor(col, row)->setFocus(Qt::OtherFocusReason);
}

// Tab and Shift+Tab run through the cells row by row and wrap inside the grid.
bool StringGrid::focusNextPrevChild(bool next) {
    const int count = colCount_ * rowCount_;
    const int index = CurrentRow() * colCount_ + CurrentCol();
    const int target = (index + (next ? 1 : count - 1)) % count;
    editors_[static_cast<size_t>(target)]->setFocus(next ? Qt::TabFocusReason
                                                         : Qt::BacktabFocusReason);
    return true;
}

}  // namespace vektoria
