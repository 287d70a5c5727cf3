// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Vellora contributors
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace
{

bool load_own(QTranslator *translator)
{
    // QLocale() follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
    return translator->load(QLocale(), QStringLiteral("vellora"), QStringLiteral("_"),
                            QStringLiteral(":/i18n"));
}

} // namespace

void install_translations()
{
    const QLocale locale;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (load_own(own))
        QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

QString help_page_name()
{
    // Found as the translation is, the page speaks the window's language.
    QTranslator own;
    if (load_own(&own) && QLocale(own.language()).language() == QLocale::German)
        return QStringLiteral("sequences.de.html");
    return QStringLiteral("sequences.html");
}
