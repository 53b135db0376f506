#include "window_keys.h"

#include "connection_dialog.h"
#include "main_window.h"
#include "mnemonics.h"
#include "options_dialog.h"
#include "series_dialog.h"
#include "traffic_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTabWidget>

namespace {

QAbstractButton* Button(const TForm1& form, const char* name) {
    return form.findChild<QAbstractButton*>(QLatin1String(name));
}

QAction* AddAction(QMenu* menu, QAction* before, const char* name, const QString& text,
                   const QKeySequence& keys) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    menu->insertAction(before, action);
    return action;
}

// The nearest page control above w that lies below root; none when w sits outside every page.
const QTabWidget* PageControlOf(const QWidget* w, const QWidget* root) {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != root; p = p->parentWidget())
        if (const auto* tabs = qobject_cast<const QTabWidget*>(p))
            return tabs;
    return nullptr;
}

void AssignScope(QWidget* root, QSet<QChar> taken) {
    QList<QAbstractButton*> buttons;
    QStringList captions;
    QList<QTabWidget*> pageControls;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty() && PageControlOf(button, root) == nullptr) {
            buttons.append(button);
            captions.append(button->text());
        }
    const QStringList marked = AssignMnemonics(captions, taken);
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setText(marked[i]);
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
        if (PageControlOf(tabs, root) == nullptr)
            for (int i = 0; i < tabs->count(); ++i)
                AssignScope(tabs->widget(i), taken);
}

void AssignMenuMnemonics(QList<QAction*> actions, QSet<QChar>& taken) {
    QStringList captions;
    for (const QAction* action : actions)
        captions.append(action->text());
    const QStringList marked = AssignMnemonics(captions, taken);
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setText(marked[i]);
}

} // namespace

void AssignWindowMnemonics(QWidget* root) {
    AssignScope(root, {});
}

void SetUpKeyboard(TForm1& form) {
    QMenuBar* bar = form.menuBar();
    auto* file = bar->findChild<QMenu*>(QStringLiteral("N1"));
    auto* link = bar->findChild<QMenu*>(QStringLiteral("N3"));
    QAction* polling =
        AddAction(link, link->actions().value(0), "MenuItem_POLLING_",
                  QCoreApplication::translate("WindowKeys", "Опрос модуля контроллера"),
                  QKeySequence(Qt::Key_F5));
    QObject::connect(polling, &QAction::triggered, &form,
                     [&form] { Button(form, "SpeedButton_CONNECT_")->click(); });
    QAction* saveLog = AddAction(
        file, file->findChild<QAction*>(QStringLiteral("N2")), "MenuItem_SAVELOG_",
        QCoreApplication::translate("WindowKeys", "Сохранить журнал в файл"), QKeySequence::Save);
    QObject::connect(saveLog, &QAction::triggered, &form, [&form] {
        if (QAbstractButton* save = Button(form, "BitBtn_SAVELOG_"))
            save->click();
    });
    if (auto* traffic = link->findChild<QAction*>(QStringLiteral("N7")))
        traffic->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));

    QTabWidget* pages = form.PageControlMain();
    for (int i = 0; i < pages->count(); ++i) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), &form);
        QObject::connect(key, &QShortcut::activated, pages, [pages, i] {
            // A page without its tab (the link test outside diagnostic mode) stays out of reach.
            if (pages->isTabVisible(i))
                pages->setCurrentIndex(i);
        });
    }

    // The menu titles are pressed with Alt anywhere in the window; the items only in their menu.
    QSet<QChar> titles;
    AssignMenuMnemonics(bar->actions(), titles);
    for (QAction* title : bar->actions()) {
        QSet<QChar> items;
        AssignMenuMnemonics(title->menu()->actions(), items);
    }
    AssignScope(form.centralWidget(), titles);
    for (QWidget* window : std::initializer_list<QWidget*>{form.Form2(), form.Form3(), form.Form4(),
                                                           form.FormMonitor()})
        AssignWindowMnemonics(window);
}
