#include "widgets/KitFonts.h"

namespace {

constexpr KitFont kFonts[kNumKitFonts] = {
    {"Arial", 12, true},  {"Arial", 18, false}, {"Arial", 14, false}, {"Arial", 12, false},
    {"Arial", 11, false}, {"Arial", 10, false}, {"Arial", 9, false},  {"Symbol", 13, false},
};

}  // namespace

const KitFont& kitFont(int index) {
    if (index < 0 || index >= kNumKitFonts) index = 0;
    return kFonts[index];
}
