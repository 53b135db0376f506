#include "frozen_column.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace {

class FrozenColumn final : public QTableView {
public:
    explicit FrozenColumn(QTableView* table) : QTableView(table), table_(table) {
        setModel(table->model());
        setSelectionModel(table->selectionModel());
        setFocusPolicy(Qt::NoFocus);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setWordWrap(false);
        setFrameShape(QFrame::NoFrame);
        verticalHeader()->hide();
        verticalHeader()->setDefaultSectionSize(table->verticalHeader()->defaultSectionSize());
        horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        horizontalHeader()->setMinimumSectionSize(table->horizontalHeader()->minimumSectionSize());
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Pixel scrolling keeps both views on the same rows when a row is cut at the edge.
        table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
        setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        table->viewport()->stackUnder(this);

        connect(table->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
                &QScrollBar::setValue);
        connect(verticalScrollBar(), &QScrollBar::valueChanged, table->verticalScrollBar(),
                &QScrollBar::setValue);
        connect(table->horizontalHeader(), &QHeaderView::sectionResized, this,
                [this](int column) {
                    if (column == 0)
                        Follow();
                });
        connect(table->model(), &QAbstractItemModel::columnsInserted, this, &FrozenColumn::Follow);
        connect(table->model(), &QAbstractItemModel::columnsRemoved, this, &FrozenColumn::Follow);
        table->installEventFilter(this);
        Follow();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == table_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            Follow();
        return false;
    }

private:
    // Only column 0, as wide as the table's, over the table's own.
    void Follow() {
        for (int column = 1; column < model()->columnCount(); ++column)
            setColumnHidden(column, true);
        setColumnWidth(0, table_->columnWidth(0));
        const int frame = table_->frameWidth();
        setGeometry(frame, frame, table_->columnWidth(0),
                    table_->viewport()->height() + table_->horizontalHeader()->height());
    }

    QTableView* table_;
};

} // namespace

void FreezeFirstColumn(QTableView* table) {
    new FrozenColumn(table);
}
