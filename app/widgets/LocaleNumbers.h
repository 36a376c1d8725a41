#pragma once

#include <QLocale>
#include <QString>

#include <optional>
#include <string>

// Numbers typed and shown in windows use the user's decimal separator; every
// conversion still goes through the core number-text rules.
std::string localeDecimalSeparator(const QLocale& locale = QLocale::system());

// A number typed by the user (blanks around it allowed); nullopt when empty or
// not a number in the user's locale.
std::optional<double> parseLocaleNumber(const QString& text, const QLocale& locale = QLocale::system());
std::optional<int> parseLocaleInteger(const QString& text);

// Shortest decimal text of a stored value (up to 15 significant digits).
QString shortestLocaleText(double value, const QLocale& locale = QLocale::system());
