#include "service_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// The service tabs' controls: the captions, texts and states the operator starts with.
class TestServiceControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void control_texts_data();
    void control_texts();
    void groups_and_reminders_data();
    void groups_and_reminders();
    void mode_group_waits_for_a_stopped_run();
    void typed_day_and_month_are_not_kept_as_items();

private:
    QWidget calibration;
    QWidget clock;
};

void TestServiceControls::initTestCase() {
    BuildCalibrationControls(&calibration);
    BuildClockControls(&clock);
}

// The text a control shows, whatever its kind.
static QString ShownText(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    return QStringLiteral("<unknown kind>");
}

// The caption of the label that names a field.
static QString LabelOf(QWidget* page, QWidget* field) {
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->buddy() == field)
            return label->text();
    return {};
}

void TestServiceControls::control_texts_data() {
    QTest::addColumn<bool>("onClockTab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("label");
    const auto calib = [](const char* n, const char* t, const char* l = "") {
        QTest::newRow(n) << false << QString(n) << QString::fromUtf8(t) << QString::fromUtf8(l);
    };
    const auto clk = [](const char* n, const char* t, const char* l = "") {
        QTest::newRow(n) << true << QString(n) << QString::fromUtf8(t) << QString::fromUtf8(l);
    };
    calib("BitBtn_CALIBERCURRNULL_", "Калибровать!");
    calib("BitBtn_CALIBERCURR_", "Калибровать!");
    calib("Edit_CALIBERCURR_", "1");
    calib("LabeledEdit_SETSOC_", "", "Текущий заряд АБ, мА*ч");
    calib("LabeledEdit_SETFCC_", "", "Полный заряд АБ, мА*ч");
    calib("BitBtn_SETSOC_", "Установить");
    calib("BitBtn_SETFCC_", "Установить");
    calib("Edit_SETCYCLE_", "0");
    calib("BitBtn_SETCYCLE_", "Установить");
    calib("BitBtn_SETMODE_", "Установить");
    calib("CheckBox_SETMODE_BUZZER_", "Вкл/выкл. зуммер ");
    calib("CheckBox_SETMODE_CAPACITY_", "Заряд АБ (1 - мВт*ч, 0 - мА*ч)");
    calib("CheckBox_SETMODE_ORDER_", "Нумерация элементов (1 - с плюса, 0 - с минуса)");
    calib("CheckBox_SETMODE_BALANCE_", "Алгоритм балансировки (1 - по разности, 0 - по уровню)");
    clk("LabeledEdit_HOUR_", "16", "Час");
    clk("LabeledEdit_MINUTE_", "41", "Мин");
    clk("LabeledEdit_SECOND_", "0", "Сек");
    clk("ComboBox_DAY_", "4", "День");
    clk("ComboBox_MONTH_", "12", "Месяц");
    clk("LabeledEdit_YEAR_", "2015", "Год");
    clk("BitBtn_TIMEREAD_", "Считать из блока");
    clk("BitBtn_TIMEWIN_", "Текущее время  Windows");
    clk("BitBtn_TIMEWRITE_", "Записать в блок");
}

void TestServiceControls::control_texts() {
    QFETCH(bool, onClockTab);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, label);
    QWidget* page = onClockTab ? &clock : &calibration;
    const QList<QWidget*> found = page->findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(ShownText(found[0]), text);
    QCOMPARE(LabelOf(page, found[0]), label);
}

void TestServiceControls::groups_and_reminders_data() {
    QTest::addColumn<bool>("onClockTab");
    QTest::addColumn<QString>("groupCaption");
    QTest::addColumn<QString>("childName");
    QTest::newRow("calibration") << false << "Калибровка датчика тока"
                                 << "BitBtn_CALIBERCURR_";
    QTest::newRow("zero") << false << "Калибровка нуля  датчика тока"
                          << "BitBtn_CALIBERCURRNULL_";
    QTest::newRow("known current") << false << "Калибровка измерения датчика тока"
                                   << "Edit_CALIBERCURR_";
    QTest::newRow("levels") << false << "Уровни заряда"
                            << "LabeledEdit_SETFCC_";
    QTest::newRow("cycles") << false << "Кол-во циклов заряда"
                            << "Edit_SETCYCLE_";
    QTest::newRow("modes") << false << "Режимы работы"
                           << "BitBtn_SETMODE_";
    QTest::newRow("clock") << true << "Установка времени и даты"
                           << "ComboBox_MONTH_";
}

void TestServiceControls::groups_and_reminders() {
    QFETCH(bool, onClockTab);
    QFETCH(QString, groupCaption);
    QFETCH(QString, childName);
    QWidget* page = onClockTab ? &clock : &calibration;
    QGroupBox* holder = nullptr;
    for (QGroupBox* g : page->findChildren<QGroupBox*>())
        if (g->title() == groupCaption)
            holder = g;
    QVERIFY(holder);
    QVERIFY(holder->findChild<QWidget*>(childName));

    QStringList labels;
    for (QLabel* l : page->findChildren<QLabel*>())
        labels << l->text();
    QVERIFY(labels.contains(
        onClockTab ? QStringLiteral("Перед установкой времени и даты настройте параметры связи!")
                   : QStringLiteral("Перед калибровкой настройте параметры связи!")));
}

void TestServiceControls::mode_group_waits_for_a_stopped_run() {
    for (const char* name :
         {"CheckBox_SETMODE_BUZZER_", "CheckBox_SETMODE_CAPACITY_", "CheckBox_SETMODE_ORDER_",
          "CheckBox_SETMODE_BALANCE_", "BitBtn_SETMODE_"})
        QVERIFY2(!calibration.findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    QVERIFY(calibration.findChild<QWidget*>(QStringLiteral("BitBtn_SETSOC_"))->isEnabled());
}

void TestServiceControls::typed_day_and_month_are_not_kept_as_items() {
    for (const auto& [name, items] : {std::pair{"ComboBox_DAY_", 31}, {"ComboBox_MONTH_", 12}}) {
        auto* combo = clock.findChild<QComboBox*>(QLatin1String(name));
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), QStringLiteral("45"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("45"));
        QCOMPARE(combo->count(), items);
    }
}

QTEST_MAIN(TestServiceControls)
#include "test_service_controls.moc"
