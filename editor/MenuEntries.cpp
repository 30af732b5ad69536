#include "editor/MenuEntries.h"

#include "widgets/OptionMenu.h"

void addEntries(OptionMenu& menu, std::span<const char* const> entries) {
    for (const char* entry : entries) menu.addEntry(entry);
}
