#include "link_test_page.h"

#include "named_widget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

LinkTestPage::LinkTestPage(QWidget* page) : QObject(page) {
    auto* group = Named<QGroupBox>("GroupBox2", tr("Тестирование связи"));
    auto* explanation = Named<QLabel>(
        "Label17", tr("Режим автоматичеких запросов данных мониторинга с заданным интервалом."));
    explanation->setWordWrap(true);
    auto* interval = Named<QComboBox>("ComboBox2");
    interval->addItems({"1", "2", "3", "4", "5", "10", "30", "60", "120"});
    interval->setCurrentIndex(0);
    auto* start = Named<QPushButton>("BitBtn11", tr("Запуск"));
    auto* stop = Named<QPushButton>("BitBtn12", tr("Остановить"));
    // The automatic test has no action of its own, so its controls stay greyed.
    for (QWidget* w : {static_cast<QWidget*>(interval), static_cast<QWidget*>(start),
                       static_cast<QWidget*>(stop)})
        w->setEnabled(false);

    successLabel_ = Named<QLabel>("Label11", QStringLiteral("0"));
    crcLabel_ = Named<QLabel>("Label12", QStringLiteral("0"));
    noAnswerLabel_ = Named<QLabel>("Label13", QStringLiteral("0"));
    percentLabel_ = Named<QLabel>("Label15", QStringLiteral("0"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(explanation, 0, 0, 1, 3);
    grid->addWidget(Named<QLabel>("Label6", tr("Интервал запросов секунд  ")), 1, 0);
    grid->addWidget(interval, 1, 1);
    grid->addWidget(start, 2, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Успешные запросы - ")), 3, 0);
    grid->addWidget(successLabel_, 3, 1);
    grid->addWidget(new QLabel(tr("Ошибок CRC - ")), 4, 0);
    grid->addWidget(crcLabel_, 4, 1);
    grid->addWidget(new QLabel(tr("Нет ответа - ")), 5, 0);
    grid->addWidget(noAnswerLabel_, 5, 1);
    grid->addWidget(new QLabel(tr("Процент ошибок -")), 6, 0);
    grid->addWidget(percentLabel_, 6, 1);
    grid->addWidget(Named<QLabel>("Label16", QStringLiteral("%")), 6, 2);
    grid->addWidget(stop, 7, 0, 1, 3);
    grid->setRowStretch(8, 1);

    memo_ = Named<QPlainTextEdit>("Memo1");
    memo_->setReadOnly(true);
    memo_->setStyleSheet(QStringLiteral("QPlainTextEdit { background: black; color: lime; }"));
    QFont small = memo_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    memo_->setFont(small);
    auto* clear = Named<QPushButton>("Button2", tr("Очистить"));
    connect(clear, &QPushButton::clicked, this, &LinkTestPage::Button2Click);

    auto* memoColumn = new QVBoxLayout;
    memoColumn->addWidget(memo_, 1);
    memoColumn->addWidget(clear);
    auto* row = new QHBoxLayout(page);
    row->addWidget(group);
    row->addLayout(memoColumn, 1);
}

void LinkTestPage::CountSuccess() {
    successLabel_->setText(QString::number(++stats_.successes));
}

void LinkTestPage::CountCrcError() {
    crcLabel_->setText(QString::number(++stats_.crcErrors));
}

void LinkTestPage::CountNoAnswer() {
    noAnswerLabel_->setText(QString::number(++stats_.noAnswers));
}

void LinkTestPage::RefreshPercent() {
    percentLabel_->setText(LinkErrorPercentText(stats_));
}

void LinkTestPage::Reset() {
    stats_ = {};
    for (QLabel* label : {successLabel_, noAnswerLabel_, crcLabel_, percentLabel_})
        label->setText(QStringLiteral("0"));
}

void LinkTestPage::Button2Click() {
    memo_->clear();
    Reset();
}
