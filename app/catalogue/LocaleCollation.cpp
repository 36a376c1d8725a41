#include "catalogue/LocaleCollation.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <memory>

tvx::TextCompare localeTextCompare()
{
    auto collator = std::make_shared<QCollator>(QLocale::system());
    collator->setCaseSensitivity(Qt::CaseSensitive);
    collator->setNumericMode(false);
    return [collator](std::string_view a, std::string_view b) {
        return collator->compare(QString::fromUtf8(a.data(), qsizetype(a.size())),
                                 QString::fromUtf8(b.data(), qsizetype(b.size())));
    };
}
