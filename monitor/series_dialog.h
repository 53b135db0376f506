#pragma once

#include <QDialog>

// The trend graph's series choice dialog. It is created at start with the other dialogs; its
// controls arrive with the trend graph.
class TForm2 final : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};
