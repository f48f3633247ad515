#pragma once

#include <QImage>

// Splits a picture into rows x columns cells, numbered from 0 row by row; each
// cell is (width / columns) x (height / rows) pixels of the source.
class PictureClip {
  public:
    void setPicture(const QImage& picture) { picture_ = picture; }
    const QImage& picture() const { return picture_; }
    void setRows(int rows) { rows_ = rows; }
    void setColumns(int columns) { columns_ = columns; }
    int rows() const { return rows_; }
    int columns() const { return columns_; }

    QRect cellRect(int index) const;
    // The cell's pixels. The cell reads them in place in the source picture,
    // which it keeps alive; painting into the cell gives it pixels of its own
    // and leaves the source as it was.
    QImage cell(int index) const;

  private:
    QImage picture_;
    int rows_ = 1;
    int columns_ = 1;
};
