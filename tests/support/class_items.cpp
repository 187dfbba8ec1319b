#include "support/class_items.h"

#include "app/item_lists.h"

std::vector<std::string> ClassItemNames() {
    std::vector<std::string> names;
    for (const ClassDataItem* item = ClassDataItem::First(); item; item = item->pNext.get())
        names.push_back(item->CLASS_NAME);
    return names;
}
