// Zarvoline's editor as an LV2 user interface: the one StutterEditor, in a
// window under the host's (ui:parent), idled by the host (ui:idleInterface).
// It knows the DSP only through ports and messages, as LV2 requires: the
// host tells it port values (port_event), the DSP tells it what the plug-in
// changed by itself, its level reports and the host's time through its event
// output; knob moves go out as port writes between ui:touch begin and end,
// the editor's commands as messages to the DSP's event input.
#pragma once

#include <cstdint>

#include <lv2/atom/forge.h>
#include <lv2/ui/ui.h>

#include "editor/EditorHost.h"
#include "editor/StutterEditor.h"
#include "lv2/Uris.h"
#include "lv2/ui/ReadoutTexts.h"

class StutterLv2Ui final : public EditorHost {
public:
    // Null without the URID map or a parent window, or when no window opens.
    static StutterLv2Ui* create(LV2UI_Write_Function write, LV2UI_Controller controller,
                                const LV2_Feature* const* features, LV2UI_Widget* widget);
    ~StutterLv2Ui() override;

    void portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer);
    // The host's idle call: the window's events, changes and drawing.
    int idle();

    float parameterValue(int index) const override;
    void parameterText(int index, char* display, char* label) override;
    Timing hostTiming() override { return timing; }
    void beginGesture(int index) override;
    void changeParameter(int index, float value) override;
    void endGesture(int index) override;
    void runCommand(int command, float value) override;

private:
    StutterLv2Ui(const LV2_URID_Map& map, LV2UI_Write_Function write, LV2UI_Controller controller,
                 const LV2UI_Touch* touch);
    void takeMessage(const LV2_Atom& atom);
    void sendMessage(LV2_URID type, int index, float value);

    // The index space of the editor: parameters, status values, commands.
    static constexpr int kIndices = 64;

    Uris uris;
    LV2UI_Write_Function write;
    LV2UI_Controller controller;
    const LV2UI_Touch* touch;
    float values[kIndices] = {};
    Timing timing;
    ReadoutTexts texts;
    StutterEditor editor{*this};
    LV2_Atom_Forge forge;
    alignas(8) uint8_t message[128];
};
