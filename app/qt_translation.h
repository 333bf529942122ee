// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

#pragma once

class QCoreApplication;

// Loads Qt's own Simplified Chinese texts (context menus, standard buttons) whatever the user's
// locale, so that every text the program shows is Chinese. Returns false when Qt's translation
// is not installed; the program then shows Qt's English texts.
bool installQtChineseTranslation(QCoreApplication &application);
