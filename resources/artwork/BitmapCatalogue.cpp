#include "resources/artwork/BitmapCatalogue.h"

#include "resources/artwork/ButtonArt.h"
#include "resources/artwork/CaptionArt.h"
#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/KnobArt.h"
#include "resources/artwork/PanelArt.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/SpareArt.h"
#include "resources/artwork/SwitchArt.h"

namespace artwork {
namespace {

constexpr Colour kWhite = palette::kWhiteKey;
constexpr Colour kRed = palette::kRedKey;

// Number, width, height, image height, images, transparent colour, drawing.
constexpr BitmapEntry kCatalogue[] = {
    {127, 400, 400, 400, 1, kWhite, drawPanel, "window background"},
    {128, 58, 58, 58, 1, kWhite, drawLengthKnobBody, "Length knob body"},
    {129, 75, 74, 74, 1, kWhite, drawOffsetKnobBody, "Offset knob body"},
    {130, 4, 4, 4, 1, kRed, drawHandleDot, "knob handle dot"},
    {180, 4, 4, 4, 1, kRed, drawTouchHandleDot, "knob handle dot, touch-rec mode"},
    {133, 77, 85, 17, 5, kWhite, drawDivisionSwitch, "Division switch positions"},
    {134, 19, 34, 17, 2, kWhite, drawBpmLockKey, "BPM Lock button"},
    {135, 20, 174, 58, 3, kWhite, drawDirectionSwitch, "Direction switch positions"},
    {136, 77, 17, 17, 1, kWhite, drawSliderTrack, "Repeats and Mix slider track"},
    {137, 9, 16, 16, 1, kWhite, drawSliderHandle, "slider handle"},
    {181, 9, 16, 16, 1, kWhite, drawSliderTouchHandle, "slider handle, touch-rec mode"},
    {138, 309, 51, 51, 1, kWhite, drawCreditsPlate, "credits"},
    {140, 19, 19, 19, 1, kWhite, drawMenuKey, "menu button"},
    {141, 19, 19, 19, 1, kWhite, drawMenuKeyOpen, "menu button, menu open"},
    // Two images of 8 rows in 17: the lower one starts at row 8.
    {147, 9, 17, 8, 2, kWhite, drawPitchPhaseKey, "Pitch phase button"},
    {151, 14, 28, 14, 2, kWhite, drawTouchRecKey, "Touch rec button"},
    {156, 66, 16, 16, 1, kWhite, drawPitchModeField, "Pitch mode menu"},
    {159, 25, 48, 24, 2, kWhite, drawClearKey, "Clear button"},
    {160, 25, 96, 24, 4, kWhite, drawRecordKey, "Record button"},
    {161, 25, 48, 24, 2, kWhite, drawRewindKey, "Rewind button"},
    {162, 25, 48, 24, 2, kWhite, drawReleaseKey, "Release button"},
    {163, 100, 82, 41, 2, kWhite, drawLoopScopeScreen, "loop scope background"},
    {164, 24, 48, 24, 2, kWhite, drawJumpForwardKey, "Offset Jmp FFW button"},
    {165, 24, 48, 24, 2, kWhite, drawJumpBackKey, "Offset Jmp Back button"},
    {166, 78, 24, 12, 2, kWhite, drawDivisionModeBitmap, "Division mode button"},
    {168, 50, 18, 9, 2, kWhite, drawRepeatLockBitmap, "Repeat Lock button"},
    {169, 90, 25, 25, 1, kWhite, drawFilterMenuKey, "filter menu"},
    {170, 25, 475, 25, 19, kRed, drawSmallKnobStrip, "small knob strip"},
    {178, 25, 475, 25, 19, kRed, drawGrooveKnobStrip, "Shuffle and Gate knob strip"},
    {171, 19, 18, 18, 1, kWhite, drawLengthMenuKey, "Length operation menu button"},
    {172, 19, 18, 18, 1, kWhite, drawLengthMenuKeyOpen, "Length operation menu button, menu open"},
    {174, 65, 17, 17, 1, kWhite, drawLengthDisplay, "Length display"},
    {175, 48, 17, 17, 1, kWhite, drawOffsetDisplay, "Offset display"},
    {176, 89, 23, 23, 1, kWhite, drawModulatorField, "Modulator mode menu"},
    {179, 81, 16, 16, 1, kWhite, drawSyncMenuField, "Rec Sync, Length Quant and Rec Offset menus"},
    // Part of the set, shown by no control.
    {132, 6, 120, 12, 10, kWhite, drawDigitStrip, "digits 0 to 9"},
    {150, 14, 28, 14, 2, kWhite, drawSpareLampKey, "small lamp key"},
    {157, 25, 48, 24, 2, kWhite, drawSpareSyncKey, "sync key"},
    {173, 84, 520, 20, 26, kWhite, drawFaderStrip, "fader strip"},
    {177, 28, 16, 16, 1, kWhite, drawSmallField, "small display field"},
};

}  // namespace

std::span<const BitmapEntry> bitmapCatalogue() { return kCatalogue; }

const BitmapEntry* findBitmap(int id) {
    for (const BitmapEntry& entry : kCatalogue)
        if (entry.id == id) return &entry;
    return nullptr;
}

}  // namespace artwork
