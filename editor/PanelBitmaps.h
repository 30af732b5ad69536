// The bitmaps the window's controls are made of, each loaded once while the
// controls are created. The controls keep their own references, so these go
// when the layout is done.
#pragma once

#include <map>

#include "widgets/Bitmap.h"

class PanelBitmaps {
public:
    PanelBitmaps() = default;
    PanelBitmaps(const PanelBitmaps&) = delete;
    PanelBitmaps& operator=(const PanelBitmaps&) = delete;
    ~PanelBitmaps() {
        for (auto& entry : loaded) entry.second->forget();
    }

    Bitmap* operator[](int id) {
        auto found = loaded.find(id);
        if (found != loaded.end()) return found->second;
        auto* bitmap = new Bitmap(id);
        // The handle dots and the small knob strips have white in them: red
        // marks what is left out instead.
        if (id == 130 || id == 180 || id == 170 || id == 178) bitmap->setTransparentColor(kRedColor);
        loaded[id] = bitmap;
        return bitmap;
    }

private:
    std::map<int, Bitmap*> loaded;
};
