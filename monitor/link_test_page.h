#pragma once

#include "link_stats.h"

#include <QObject>

class QLabel;
class QPlainTextEdit;
class QWidget;

// The "Тест связи" page: the link counters with their labels, the error percentage and the
// diagnostic memo. The automatic test controls are shown but stay disabled.
class LinkTestPage final : public QObject {
    Q_OBJECT
public:
    // Builds the page's controls into page.
    explicit LinkTestPage(QWidget* page);

    const LinkStats& Stats() const { return stats_; }
    QPlainTextEdit* Memo() const { return memo_; }

    void CountSuccess();
    void CountCrcError();
    void CountNoAnswer();
    void RefreshPercent();
    // ResetLinkStats: every counter and the percentage read "0".
    void Reset();

private:
    void Button2Click();

    LinkStats stats_;
    QLabel* successLabel_ = nullptr;
    QLabel* crcLabel_ = nullptr;
    QLabel* noAnswerLabel_ = nullptr;
    QLabel* percentLabel_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};
