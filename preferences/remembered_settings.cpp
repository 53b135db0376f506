#include "remembered_settings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSettings>

namespace {

QWidget* Control(const QObject* root, const RememberedControl& entry) {
    return root->findChild<QWidget*>(QLatin1String(entry.control));
}

bool ItemsCarryData(const QComboBox* box) {
    return box->count() > 0 && box->itemData(0).isValid();
}

// Items are compared by their texts: data saved as text matches whatever type the item holds.
int FindItem(const QComboBox* box, const QString& value) {
    if (!ItemsCarryData(box))
        return box->findText(value);
    for (int i = 0; i < box->count(); ++i)
        if (box->itemData(i).toString() == value)
            return i;
    return -1;
}

} // namespace

void SaveControls(QSettings& settings, const QObject* root,
                  std::span<const RememberedControl> controls) {
    for (const RememberedControl& entry : controls) {
        QWidget* control = Control(root, entry);
        const QString key = QLatin1String(entry.key);
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            if (box->currentIndex() >= 0)
                settings.setValue(key, ItemsCarryData(box) ? box->currentData().toString()
                                                           : box->currentText());
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            settings.setValue(key, edit->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            settings.setValue(key, button->isChecked());
        }
    }
}

void RestoreControls(const QSettings& settings, const QObject* root,
                     std::span<const RememberedControl> controls) {
    for (const RememberedControl& entry : controls) {
        const QVariant value = settings.value(QLatin1String(entry.key));
        QWidget* control = Control(root, entry);
        if (!value.isValid() || control == nullptr)
            continue;
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            const int index = FindItem(box, value.toString());
            if (index >= 0)
                box->setCurrentIndex(index);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(value.toString());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setChecked(value.toBool());
        }
    }
}

void SaveFlags(QSettings& settings, std::span<const RememberedFlag> flags) {
    for (const RememberedFlag& entry : flags)
        settings.setValue(QLatin1String(entry.key), *entry.flag);
}

void RestoreFlags(const QSettings& settings, std::span<const RememberedFlag> flags) {
    for (const RememberedFlag& entry : flags)
        *entry.flag = settings.value(QLatin1String(entry.key), *entry.flag).toBool();
}
