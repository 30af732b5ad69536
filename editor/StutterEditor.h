// The plug-in's window: a fixed 400 x 400 panel painted from the library's
// bitmaps, holding the controls through which the effect is played. It exists
// as long as the plug-in does; its window only between the host's open and
// close requests. Every control reports to it (it is their listener). It
// reaches the plug-in only through its EditorHost, and the plug-in's side
// tells it of every change through setParameter, reportLevel and postUpdate,
// whatever the plug-in format.
#pragma once

#include "editor/DisplayContext.h"
#include "editor/EditorControls.h"
#include "editor/EditorHost.h"
#include "editor/LevelReports.h"
#include "editor/ParameterChanges.h"
#include "params/RangeMapper.h"
#include "common/Relaxed.h"
#include "widgets/ControlListener.h"
#include "widgets/FrameEditor.h"

class Bitmap;
class Control;
class OptionMenu;
class PanelBitmaps;
class TextEntry;
struct Rect;

class StutterEditor : public FrameEditor, public ControlListener {
public:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 400;
    static constexpr int kBackgroundBitmap = 127;

    explicit StutterEditor(EditorHost& host);
    ~StutterEditor() override;

    // The first open decodes the panel's artwork, which then stays for the
    // editor's lifetime: an instance whose window never opens holds none.
    bool open(ParentWindow parent) override;
    void close() override;

    // The plug-in's side telling the editor what changed. Called from any
    // thread, the audio thread included: they only note what changed (and
    // do nothing while the window is closed); the next idle pass applies it,
    // reading the values from the host then.
    //
    // A parameter, status value or command index changed; `value` is the
    // new value (only Record's is kept, for its pending state).
    void setParameter(int index, float value);
    // The engine measured a level at where the loop stood then.
    void reportLevel(const LevelReport& report);

    void valueChanged(DrawContext& context, Control* control) override;
    void beginEdit(int tag) override;
    void endEdit(int tag) override;

    // Asks the host for its tempo and sample rate (120 BPM and 44100 Hz
    // when it gives none) and derives the samples per bar.
    void refreshTimeInfo();
    // The tempo at which the loop span (Length minus Offset, in whole
    // samples) is one 4/4 bar, halved until it is 240 BPM or less; 0 for a
    // span under one sample.
    float tempoFromLoop(float lengthValue, float offsetValue) const;
    // Puts the tempo of the current loop into the tempo field, if there is one.
    void refreshTempoText();

    const DisplayContext& displayContext() const { return display; }
    int isOpened() const { return opened; }
    int getTouchRecMode() const { return touchRecMode; }
    const EditorControls& getControls() const { return controls; }

protected:
    // Applies the changes noted by setParameter, on the thread that idles.
    void update() override;
    void hostIdle() override { host.idleHost(); }
    void applyChange(int index);
    void applyLength();
    void applyTouchRec();
    // Draws the level reports that arrived since the last idle; the scope
    // follows a report only when a status value moved.
    void applyLevelReports();
    OptionMenu* menuForTag(int tag) const;
    // The control that simply takes the plug-in's value of its tag, if any.
    Control* plainControlForTag(int tag) const;
    // The steps of a user's action (valueChanged).
    void touchRecording(int buttons);
    void showReadout(int tag);
    void act(DrawContext& context, Control* control);
    void switchLengthUnits(bool samples);
    void switchOffsetUnits(bool samples);
    // Sends a typed tempo of 0 to 9999 (under 5 characters); anything else
    // puts the loop's tempo back into the field.
    void acceptTempo();
    // Offset in whole samples, and the divisors of the displays (Division and BPM Lock).
    int32_t offsetSamples() const;
    int32_t divisionDivisor() const;
    int32_t offsetDivisor() const;

    // Creates the window's controls and adds them to the frame.
    void createControls();
    void createTransportControls(PanelBitmaps& bitmaps);
    void createLoopControls(PanelBitmaps& bitmaps);
    void createOffsetControls(PanelBitmaps& bitmaps);
    void createSoundControls(PanelBitmaps& bitmaps);
    void createFilterMenu(PanelBitmaps& bitmaps);
    void createReadouts(PanelBitmaps& bitmaps);
    // Sets a new control to its first value and adds it to the frame.
    template <typename C>
    C* place(C* control, float value);
    StripKnob* placeSmallKnob(const Rect& r, int tag, Bitmap* strip, float defaultValue);
    // The plug-in's value of a parameter or status index now, as a control
    // shows it: clamped to 0 ... 1 (a host may have stored anything).
    float current(int tag) const;
    // The value as the plug-in stored it, for the switches it tests exactly.
    float stored(int tag) const;

    // The controls of the window; the frame owns them, and they are absent
    // while the window is closed.
    EditorControls controls;
    TextEntry* tempoEntry = nullptr;

    EditorHost& host;
    RangeMapper rangeMapper;
    Bitmap* background = nullptr;  // decoded on the first open
    Relaxed<int> opened{0};
    Relaxed<int> touchRecMode{0};
    DisplayContext display;
    ParameterChanges changes;
    LevelReports levelReports;  // written on any thread, drawn on the idle thread
    Relaxed<float> recordPending{0.0f};  // the value of the latest Record change
};
