#include "widgets/OptionMenu.h"

#include <cmath>
#include <cstdio>

#include "widgets/EditorFrame.h"
#include "widgets/MenuPopup.h"
#include "widgets/MouseButtons.h"

OptionMenu::OptionMenu(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap,
                       Bitmap* whileOpen, int style)
    : ValueDisplay(r, bitmap, style), backgroundWhileOpen(whileOpen) {
    this->listener = listener;
    this->tag = tag;
    vmax = 0.0f;
    if (backgroundWhileOpen) backgroundWhileOpen->remember();
}

OptionMenu::~OptionMenu() {
    for (Entry& entry : entries)
        if (entry.subMenu) entry.subMenu->forget();
    if (backgroundWhileOpen) backgroundWhileOpen->forget();
}

bool OptionMenu::addEntry(const char* text, int index) {
    if (getNbEntries() >= kMaxEntries) return false;
    std::string entry = text ? text : "";
    if (entry.size() > kMaxEntryLength) entry.resize(kMaxEntryLength);
    if (index < 0 || index > getNbEntries())
        entries.push_back({entry, nullptr});
    else
        entries.insert(entries.begin() + index, {entry, nullptr});
    vmax = static_cast<float>(getNbEntries() - 1);
    setDirty();
    return true;
}

bool OptionMenu::addEntry(OptionMenu* subMenu, const char* title) {
    if (!subMenu || subMenu == this || !addEntry(title)) return false;
    entries.back().subMenu = subMenu;
    subMenu->remember();
    return true;
}

const char* OptionMenu::getEntry(int index) const {
    return (index >= 0 && index < getNbEntries()) ? entries[index].text.c_str() : nullptr;
}

OptionMenu* OptionMenu::getSubMenu(int index) const {
    return (index >= 0 && index < getNbEntries()) ? entries[index].subMenu : nullptr;
}

void OptionMenu::setValue(float index) {
    if (!(index >= 0.0f) || index >= static_cast<float>(getNbEntries())) return;
    currentIndex = static_cast<int>(index);
    value = static_cast<float>(currentIndex);
}

void OptionMenu::setNormalizedValue(float v) {
    setValue(std::floor((getNbEntries() + 1) * v));
}

void OptionMenu::getDisplayText(char* text) const {
    const char* entry = getEntry(currentIndex);
    std::snprintf(text, kTextSize, "%s", entry ? entry : "");
}

void OptionMenu::draw(DrawContext& context) {
    if (!(style & kNoDrawStyle)) {
        drawBackground(context, (popupOpen && backgroundWhileOpen) ? backgroundWhileOpen : background);
        char text[kTextSize];
        getDisplayText(text);
        drawText(context, text);
    }
    setDirty(false);
}

MouseResult OptionMenu::mouse(DrawContext& context, Point /*where*/) {
    if (!mouseEnabled || !parent || popupOpen) return kMouseDone;
    if (!(context.getMouseButtons() & (kLButton | kRButton))) return kMouseDone;
    auto* popup = new MenuPopup(*this, context);
    if (!parent->setModalView(popup)) {
        popup->forget();
        return kMouseDone;
    }
    popupOpen = true;
    setDirty();
    redrawIfDirty(context);
    parent->setEditView(this);
    return kMouseDone;
}

void OptionMenu::popupClosed(DrawContext& context, OptionMenu* owner, int index) {
    popupOpen = false;
    setDirty();
    if (parent && parent->getEditView() == this) parent->setEditView(nullptr);
    if (!owner || index < 0) return;
    owner->setValue(static_cast<float>(index));
    owner->setDirty();
    // Sub-menus report themselves, through the menu the user opened.
    if (listener) listener->valueChanged(context, owner);
}
