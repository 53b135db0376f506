#pragma once

#include "cell_overview_data.h"

#include <QWidget>

#include <functional>

class QLabel;
struct RegisterImage;

// A heat map of one quantity of every cell, in cell order, row by row: the colour tells where the
// cell lies between the lowest and the highest cell; the lowest and the highest are framed, a red
// corner marks an alarm and an orange one a warning, a white dot balancing. Hovering tells the
// cell's values, a click reports its number. Only cells whose look changed are redrawn.
class CellMap final : public QWidget {
    Q_OBJECT
public:
    enum class Quantity { Volts, Degrees };
    CellMap(const char* name, Quantity quantity, std::function<void(int)> clicked);

    void Show(const CellOverviewData& data);
    // The cell at a point of the map (1-based), 0 where there is none.
    int CellAt(QPoint point) const;
    QRect CellRect(int cell) const;

    QSize sizeHint() const override { return {360, 60}; }
    QSize minimumSizeHint() const override { return {160, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What a cell is drawn as; a cell is redrawn when this changes.
    struct Look {
        QRgb fill = 0;
        quint8 marks = 0;
        friend bool operator==(const Look&, const Look&) = default;
    };
    Look LookOf(const OverviewCell& cell) const;
    void LayOutCells();
    void DrawCell(QPainter& painter, int index) const;

    Quantity quantity_;
    std::function<void(int)> clicked_;
    CellOverviewData data_;
    QList<Look> looks_;
    int columns_ = 1;
    int rows_ = 1;
};

// Every cell at once, beside the cell chart: the voltage and the temperature maps, each under its
// spread and extreme cells, whose names follow a square of their colour. Refreshed from the register image only while shown; hidden, it
// catches up when it is shown again.
class CellOverview final : public QWidget {
    Q_OBJECT
public:
    // clicked gets the number of a cell clicked in either map. image must outlive the overview.
    CellOverview(const RegisterImage& image, std::function<void(int)> clicked);

    void Refresh();
    // What the maps show since the last refresh while shown.
    const CellOverviewData& Data() const { return data_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    const RegisterImage& image_;
    CellOverviewData data_;
    bool pending_ = true;
    QLabel* voltText_;
    QLabel* degreeText_;
    CellMap* volts_;
    CellMap* degrees_;
};
