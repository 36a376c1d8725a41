#include "widgets/LocaleNumbers.h"

#include "common/NumberText.h"

std::string localeDecimalSeparator(const QLocale& locale)
{
    return locale.decimalPoint().toStdString();
}

std::optional<double> parseLocaleNumber(const QString& text, const QLocale& locale)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return tvx::parseFloat(text.toStdString(), localeDecimalSeparator(locale));
}

std::optional<int> parseLocaleInteger(const QString& text)
{
    const auto n = tvx::parseInt(text.toStdString());
    return n ? std::optional<int>(*n) : std::nullopt;
}

QString shortestLocaleText(double value, const QLocale& locale)
{
    return QString::fromStdString(tvx::formatGeneral(value, 15, 0, localeDecimalSeparator(locale)));
}
