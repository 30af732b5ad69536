// The window's controls, by the names the editor's synchronisation uses.
// The frame owns them (the four filter sub-menus through the filter menu);
// every pointer is null while the window is closed.
#pragma once

class Bitmap;
class HandleSlider;
class HorizontalSwitch;
class KickButton;
class LoopScope;
class OptionMenu;
class RecordButton;
class SplashView;
class StripKnob;
class TextEntry;
class ToggleButton;
class TouchKnob;
class TouchSlider;
class ValueDisplay;
class VerticalSwitch;

// Tags of the controls that change the window only, not the plug-in.
enum EditorTag : int {
    kTagScope = 42,
    kTagFilterMenu = 52,
    kTagLengthUnits = 53,
    kTagOffsetUnits = 54,
    kTagCredits = 56,
};

struct EditorControls {
    RecordButton* recordButton = nullptr;
    KickButton* rewindButton = nullptr;
    KickButton* clearButton = nullptr;
    ToggleButton* releaseButton = nullptr;
    LoopScope* loopScope = nullptr;
    ToggleButton* touchRecButton = nullptr;
    KickButton* bpmSyncButton = nullptr;
    OptionMenu* recSyncMenu = nullptr;
    TextEntry* tempoEntry = nullptr;
    ToggleButton* bpmLockButton = nullptr;
    TouchKnob* lengthKnob = nullptr;
    OptionMenu* lengthOpMenu = nullptr;
    OptionMenu* lengthQuantMenu = nullptr;
    ToggleButton* repeatLockButton = nullptr;
    HandleSlider* repeatsSlider = nullptr;
    TouchSlider* mixSlider = nullptr;
    TouchKnob* offsetKnob = nullptr;
    KickButton* offsetJmpBackButton = nullptr;
    KickButton* offsetJmpFfwButton = nullptr;
    OptionMenu* offsetOpMenu = nullptr;
    OptionMenu* recOffsetMenu = nullptr;
    OptionMenu* midiMenu = nullptr;
    StripKnob* gateKnob = nullptr;
    StripKnob* shuffleKnob = nullptr;
    StripKnob* blendKnob = nullptr;
    StripKnob* pitchKnob = nullptr;
    StripKnob* pitchHoldKnob = nullptr;
    StripKnob* pitchRelKnob = nullptr;
    OptionMenu* pitchModeMenu = nullptr;
    ToggleButton* pitchPhaseButton = nullptr;
    StripKnob* filterFreqKnob = nullptr;
    StripKnob* filterGainKnob = nullptr;
    StripKnob* filterQKnob = nullptr;
    StripKnob* filterSpeedKnob = nullptr;
    OptionMenu* filterSpeedSyncMenu = nullptr;
    OptionMenu* filterSpeedRestartMenu = nullptr;
    OptionMenu* filterSpeedTypeMenu = nullptr;
    OptionMenu* filterTypeMenu = nullptr;
    OptionMenu* filterMenu = nullptr;
    OptionMenu* modulatorModeMenu = nullptr;
    StripKnob* modulatorSpeedKnob = nullptr;
    StripKnob* modulatorAmpKnob = nullptr;
    HorizontalSwitch* divisionSwitch = nullptr;
    ToggleButton* divisionModeButton = nullptr;
    VerticalSwitch* directionSwitch = nullptr;
    SplashView* creditsSplash = nullptr;
    ValueDisplay* lengthDisplay = nullptr;
    ToggleButton* lengthUnitsButton = nullptr;
    ValueDisplay* offsetDisplay = nullptr;
    ToggleButton* offsetUnitsButton = nullptr;
};
