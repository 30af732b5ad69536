// A menu button: shows its bitmap and the current entry's text, and on a
// press (left or right) opens a pop-up of its entries drawn by the kit over
// the panel. Its value is the index of the chosen entry. Entries can be
// sub-menus (other OptionMenus), whose own entries they report as themselves.
#pragma once

#include <string>
#include <vector>

#include "widgets/ValueDisplay.h"

class OptionMenu : public ValueDisplay {
public:
    static constexpr int kMaxEntries = 1024;
    static constexpr int kMaxEntryLength = 255;

    OptionMenu(const Rect& size, ControlListener* listener, int tag, Bitmap* background = nullptr,
               Bitmap* backgroundWhileOpen = nullptr, int style = 0);

    // Appends (index -1 or past the end) or inserts an entry; the first entry
    // becomes the current one. Longer texts are cut to 255 characters.
    bool addEntry(const char* text, int index = -1);
    // Adds a sub-menu as a pop-up item titled `title`; the menu keeps a
    // reference to it.
    bool addEntry(OptionMenu* subMenu, const char* title);
    int getNbEntries() const { return static_cast<int>(entries.size()); }
    const char* getEntry(int index) const;
    OptionMenu* getSubMenu(int index) const;
    int getCurrentIndex() const { return currentIndex; }

    // Accepted only for an existing entry.
    void setValue(float index) override;
    // Entry floor((entries + 1) * v): the way a normalised parameter picks an
    // entry. A value that points past the last entry changes nothing.
    void setNormalizedValue(float v);

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    void getDisplayText(char* text) const override;

    bool isPopupOpen() const { return popupOpen; }
    // Called by the pop-up when it closes, with the menu that owns the chosen
    // entry and the entry (-1: closed without a choice).
    void popupClosed(DrawContext& context, OptionMenu* owner, int index);

protected:
    ~OptionMenu() override;

private:
    struct Entry {
        std::string text;
        OptionMenu* subMenu;
    };

    std::vector<Entry> entries;
    int currentIndex = 0;
    Bitmap* backgroundWhileOpen;
    bool popupOpen = false;
};
