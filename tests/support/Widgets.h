#pragma once

#include <QApplication>
#include <QWidget>

// The child of that object name and type; a test that finds none fails at once.
template <typename T = QWidget> T& child(const QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return *found;
}

// The open windows of that object name, owned or not.
inline QList<QWidget*> topLevels(const QString& name) {
    QList<QWidget*> found = QApplication::topLevelWidgets();
    found.removeIf([&](const QWidget* widget) { return widget->objectName() != name; });
    return found;
}
