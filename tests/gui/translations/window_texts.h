#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>

#include <functional>

// One text a person can read in the window, with the path of objectNames (class names where a
// control has none) that leads to it.
struct ShownText {
    QString path;
    QString text;
};

inline QString ControlPath(const QObject* object) {
    QStringList names;
    for (; object != nullptr; object = object->parent())
        names.prepend(object->objectName().isEmpty()
                          ? QString::fromLatin1(object->metaObject()->className())
                          : object->objectName());
    return names.join(QLatin1Char('/'));
}

inline bool HasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// Every caption, title, tool tip, header, item and menu text under root, hidden or not; the
// cells of tables and the lines of text boxes are data and left out.
inline QList<ShownText> TextsUnder(const QWidget* root) {
    QList<ShownText> texts;
    const auto add = [&texts](const QObject* object, const QString& part, const QString& text) {
        if (!text.isEmpty())
            texts.append({ControlPath(object) + part, text});
    };
    QList<const QWidget*> widgets{root};
    for (const QWidget* w : root->findChildren<QWidget*>())
        widgets.append(w);
    for (const QWidget* w : widgets) {
        if (w->isWindow())
            add(w, QStringLiteral(":title"), w->windowTitle());
        add(w, QStringLiteral(":tooltip"), w->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(w))
            add(w, {}, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            add(w, {}, button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(w))
            add(w, {}, group->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(w))
            add(w, QStringLiteral(":placeholder"), edit->placeholderText());
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->widget(i), QStringLiteral(":tab"), tabs->tabText(i));
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, QStringLiteral(":item"), combo->itemText(i));
        if (const auto* list = qobject_cast<const QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                add(w, QStringLiteral(":item"), list->item(i)->text());
        // A header view shows its table's model: the table's own headers are read once.
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w);
            view && view->model() && !qobject_cast<const QHeaderView*>(w))
            for (int c = 0; c < view->model()->columnCount(); ++c)
                add(w, QStringLiteral(":header"),
                    view->model()->headerData(c, Qt::Horizontal).toString());
        if (const auto* menu = qobject_cast<const QMenu*>(w)) {
            add(w, {}, menu->title());
            for (const QAction* action : menu->actions())
                add(action, {}, action->text());
        }
        if (const auto* chartView = qobject_cast<const QChartView*>(w)) {
            const QChart* chart = chartView->chart();
            add(w, QStringLiteral(":chart"), chart->title());
            for (const QAbstractAxis* axis : chart->axes())
                add(w, QStringLiteral(":axis"), axis->titleText());
            for (const QAbstractSeries* series : chart->series())
                add(w, QStringLiteral(":series"), series->name());
        }
    }
    return texts;
}
