#pragma once

#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <QRect>
#include <QSize>

// Dialog geometry is designed in twips (1/1440 inch); at 96 logical dpi that is 15 twips
// per pixel, and Qt scales logical pixels on high-density screens.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

constexpr QSize twipsToSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

constexpr QRect twipsToRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// value with `decimals` decimals in the user's notation, without grouping.
inline QString DecimalText(double value, int decimals) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

// For dialogs without a default button: Enter clicks the button that has the focus and
// nothing else, and no button is drawn as the one Enter would press.
inline void UseNoDefaultButton(QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

// Enter as such a dialog takes it.
inline void ClickFocusedButton(const QDialog& dialog) {
    if (auto* button = qobject_cast<QPushButton*>(dialog.focusWidget()))
        button->click();
}
