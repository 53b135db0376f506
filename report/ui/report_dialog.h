#pragma once

#include "discharge_analysis.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class BackgroundWork;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QMenu;

// "Отчёт об испытании": the log of a discharge test read on its own thread, the segment found
// in it and shown on a small plot (the engineer may move its ends), the end voltage, the header
// fields, the figures found, and the report saved as PDF, HTML or CSV.
class TFormReport final : public QDialog {
    Q_OBJECT
public:
    // The end voltage to propose each time the dialog opens with the field empty: the
    // controller's cell under-voltage threshold when it has been read.
    using EndVoltsSource = std::function<std::optional<double>()>;

    explicit TFormReport(EndVoltsSource proposedEndVolts, QWidget* parent = nullptr);
    ~TFormReport() override;

    bool Reading() const;
    const DischargeReport& Report() const { return report_; }

Q_SIGNALS:
    // A log read has been taken in, refused or cancelled.
    void LogReadFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BitBtn_REPORTOPEN_Click();
    void BitBtn_REPORTCANCEL_Click();
    void BitBtn_REPORTAUTO_Click();
    void Save(const QString& suffix, const QString& filter,
              const std::function<QByteArray()>& bytes);
    void TakeLogRead();
    // The report from the log and the controls, shown in the summary and on the plot.
    void Analyse();
    void ShowSegment();
    std::optional<double> EndVolts(bool* valid) const;

    EndVoltsSource proposedEndVolts_;
    BackgroundWork* task_ = nullptr;
    std::shared_ptr<DischargeLogRead> read_;
    DischargeLog log_;
    DischargeReport report_;
    bool segmentGiven_ = false; // the engineer moved an end of the segment

    QLineEdit* logPath_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* plot_ = nullptr;
    QDateTimeEdit* from_ = nullptr;
    QDateTimeEdit* to_ = nullptr;
    QLineEdit* endVolts_ = nullptr;
    QLineEdit* site_ = nullptr;
    QLineEdit* battery_ = nullptr;
    QLineEdit* engineer_ = nullptr;
    QLabel* summary_ = nullptr;
    QList<QPushButton*> saves_;
};

// Adds "Отчёт об испытании..." to the file menu before its last item; the dialog it opens
// proposes the end voltage from the source.
void AddTestReportItem(QMenu* fileMenu, QWidget* window,
                       TFormReport::EndVoltsSource proposedEndVolts);
