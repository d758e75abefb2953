#pragma once

#include <QString>

class QWidget;

/**
 * Replaces a window's texts from the language file appDir + language + ".Ini",
 * section named after the window's object name: the caption, then every
 * component in creation order by its object name (labels, menus and menu
 * items, push buttons, tool buttons with their hints, grid titles, combo box
 * and list box entries, check boxes, radio buttons, group boxes). A missing
 * key leaves the text as it is. With itemLists off, combo box lists are left
 * alone. Tag -2 keeps a list untranslated, -3 translates only its entry 0.
 */
bool TranslateForm(QWidget* window, const QString& appDir, const QString& language, bool itemLists);
