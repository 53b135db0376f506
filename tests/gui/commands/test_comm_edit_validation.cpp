#include "command_handlers.h"
#include "register_image.h"
#include "settings_tables.h"
#include "state_tables.h"
#include "string_grid.h"

#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

// The communication table checks rows 1 to 4 whenever the operator finishes editing a cell.
class TestCommEditValidation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { delete page; }
    void typed_value_sets_remark_data();
    void typed_value_sets_remark();
    void fill_does_not_validate();

private:
    void Type(int row, const QString& text);
    QWidget* page = nullptr;
    QTableWidget* grid = nullptr;
    RegisterImage image;
};

void TestCommEditValidation::init() {
    page = new QWidget;
    BuildCommSettingsPage(page);
    SetupTables(page);
    grid = page->findChild<QTableWidget*>(QStringLiteral("StringGrid_SETRS_"));
    QVERIFY(grid);
    image.CommSettingsBlock = {238, 4, 0, 0, 0, 0};
    FillCommSettings(image, page);
    (new CommandHandlers(page, image))->Connect();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
}

// Types into the value cell the way the operator does: open the editor, type, press Enter.
void TestCommEditValidation::Type(int row, const QString& text) {
    QTableWidgetItem* item = grid->item(row - 1, 2);
    grid->setCurrentItem(item);
    grid->editItem(item);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits an editor closed by Enter through a queued call.
    QTRY_VERIFY(grid->viewport()->findChildren<QLineEdit*>().isEmpty());
}

void TestCommEditValidation::typed_value_sets_remark_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("remark");
    QTest::newRow("address 0") << 1 << "0"
                               << "Значение должно быть от 1 до 247!";
    QTest::newRow("baud 5") << 2 << "5"
                            << "Значение должно быть от 0 до 4!";
    QTest::newRow("baud 2") << 2 << "2"
                            << " 38400";
    QTest::newRow("format 2") << 3 << "2"
                              << "   8O1";
    QTest::newRow("mode 0") << 4 << "0"
                            << " ";
    QTest::newRow("mode 20000") << 4 << "20000"
                                << "Значение должно быть от 1 до 10000!";
}

void TestCommEditValidation::typed_value_sets_remark() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, remark);
    Type(row, text);
    QCOMPARE(GridCell(grid, row, 2), text);
    QCOMPARE(GridCell(grid, row, 3), remark);
    // The other rows are checked too: the filled address 238 gets its blank.
    if (row != 1)
        QCOMPARE(GridCell(grid, 1, 3), QStringLiteral(" "));
}

void TestCommEditValidation::fill_does_not_validate() {
    image.CommSettingsBlock = {0, 9, 0, 0, 0, 0};
    FillCommSettings(image, page);
    QCOMPARE(GridCell(grid, 1, 3), QString());
    // A value that is not a number keeps the row's remark.
    SetGridCell(grid, 1, 3, QStringLiteral("kept"));
    Type(1, QStringLiteral("abc"));
    QCOMPARE(GridCell(grid, 1, 3), QStringLiteral("kept"));
}

QTEST_MAIN(TestCommEditValidation)
#include "test_comm_edit_validation.moc"
