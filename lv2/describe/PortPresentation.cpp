#include "lv2/describe/PortPresentation.h"

#include "editor/MenuEntries.h"
#include "params/ParameterIds.h"

namespace {

PortPresentation menu(std::span<const char* const> entries) {
    return {PortKind::kMenu, entries, 0};
}

}  // namespace

PortPresentation presentationOf(int parameter) {
    switch (parameter) {
        case kRecord:
        case kRelease:
        case kBpmLock:
        case kDivisionDenom:
        case kRepeatLock:
        case kTouchRec:
        case kModulatorPhase:
        case kPitchPhase: return {PortKind::kSwitch, {}, 0};
        case kRewind:
        case kClear:
        case kBpmSync:
        case kOffsetJmpFfw:
        case kOffsetJmpBack: return {PortKind::kTrigger, {}, 0};
        case kRecSync: return menu(menu_entries::recSync);
        case kRecOffset: return menu(menu_entries::recOffset);
        case kLengthQuant: return menu(menu_entries::lengthQuant);
        case kModulatorMode: return menu(menu_entries::modulatorMode);
        case kPitchMode: return menu(menu_entries::pitchMode);
        case kFilterType: return menu(menu_entries::filterType);
        case kFilterSpeedSync: return menu(menu_entries::filterSpeedSync);
        case kFilterSpeedRestart: return menu(menu_entries::filterSpeedRestart);
        case kFilterSpeedType: return menu(menu_entries::filterSpeedType);
        // The editor's three-position switch: Forward, Reverse, Alter.
        case kDirection: return {PortKind::kPositions, {}, 3};
        // Its five-position switch picks a divisor out of a series that
        // Division Denom chooses, so the positions have no names of their own.
        case kDivisionNum: return {PortKind::kSteps, {}, 5};
        case kRepeats: return {PortKind::kSteps, {}, 17};
        default: return {};
    }
}

float menuValue(int entry, int entries) {
    return static_cast<float>(entry) / static_cast<float>(entries);
}

float positionValue(int position, int positions) {
    return static_cast<float>(position) / static_cast<float>(positions - 1);
}
