#include "common/TextOrder.h"

#include <locale>
#include <memory>
#include <stdexcept>

namespace tvx {

TextOrder systemTextOrder()
{
    std::locale locale;
    try {
        locale = std::locale("");
    } catch (const std::runtime_error&) {
        return {}; // the environment names a locale this system does not have
    }
    auto shared = std::make_shared<std::locale>(locale);
    const auto* collate = &std::use_facet<std::collate<char>>(*shared);
    TextOrder order;
    order.compare = [shared, collate](std::string_view a, std::string_view b) {
        return collate->compare(a.data(), a.data() + a.size(), b.data(), b.data() + b.size());
    };
    order.sortKey = [shared, collate](std::string_view text) {
        return collate->transform(text.data(), text.data() + text.size());
    };
    return order;
}

} // namespace tvx
