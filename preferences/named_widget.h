#pragma once

#include <QString>

#include <utility>

// Creates a widget (or any QObject) carrying its given control name as objectName, so that tests
// and tools find it by that name.
template <typename W, typename... Args> W* Named(const char* name, Args&&... args) {
    auto* object = new W(std::forward<Args>(args)...);
    object->setObjectName(QLatin1String(name));
    return object;
}
