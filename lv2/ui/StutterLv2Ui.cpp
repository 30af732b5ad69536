#include "lv2/ui/StutterLv2Ui.h"

#include <cstring>
#include <new>
#include <string_view>

#include <lv2/atom/util.h>
#include <lv2/urid/urid.h>

#include "lv2/PortLayout.h"
#include "params/ParameterIds.h"

namespace {

const void* featureData(const LV2_Feature* const* features, const char* uri) {
    for (int i = 0; features && features[i]; ++i)
        if (std::string_view(features[i]->URI) == uri) return features[i]->data;
    return nullptr;
}

float numberOf(const LV2_Atom* atom, const Uris& uris) {
    if (!atom) return 0.0f;
    if (atom->type == uris.atomFloat) return reinterpret_cast<const LV2_Atom_Float*>(atom)->body;
    if (atom->type == uris.atomDouble) return static_cast<float>(reinterpret_cast<const LV2_Atom_Double*>(atom)->body);
    if (atom->type == uris.atomInt) return static_cast<float>(reinterpret_cast<const LV2_Atom_Int*>(atom)->body);
    return 0.0f;
}

}  // namespace

StutterLv2Ui* StutterLv2Ui::create(LV2UI_Write_Function write, LV2UI_Controller controller,
                                   const LV2_Feature* const* features, LV2UI_Widget* widget) {
    const auto* map = static_cast<const LV2_URID_Map*>(featureData(features, LV2_URID__map));
    const auto parent = reinterpret_cast<ParentWindow>(featureData(features, LV2_UI__parent));
    if (!map || !parent || !write) return nullptr;
    const auto* touch = static_cast<const LV2UI_Touch*>(featureData(features, LV2_UI__touch));
    auto* ui = new (std::nothrow) StutterLv2Ui(*map, write, controller, touch);
    if (!ui) return nullptr;
    if (!ui->editor.open(parent)) {
        delete ui;
        return nullptr;
    }
    if (widget) *widget = reinterpret_cast<LV2UI_Widget>(ui->editor.nativeWindow());
    // The DSP answers with every value, its level reports and the host's time.
    ui->sendMessage(ui->uris.sendAll, 0, 0.0f);
    return ui;
}

StutterLv2Ui::StutterLv2Ui(const LV2_URID_Map& map, LV2UI_Write_Function writeFunction,
                           LV2UI_Controller hostController, const LV2UI_Touch* hostTouch)
    : uris(map), write(writeFunction), controller(hostController), touch(hostTouch) {
    lv2_atom_forge_init(&forge, const_cast<LV2_URID_Map*>(&map));
}

StutterLv2Ui::~StutterLv2Ui() { editor.close(); }

int StutterLv2Ui::idle() {
    editor.idle();
    return 0;
}

void StutterLv2Ui::portEvent(uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    if (!buffer) return;
    if (format == 0 && size == sizeof(float)) {
        const float value = *static_cast<const float*>(buffer);
        const int p = static_cast<int>(port);
        if (p < kNumParams) {
            values[p] = value;
            texts.follow(p, value);
            editor.setParameter(p, value);
        } else if (lv2_ports::isStatusPort(p)) {
            values[lv2_ports::statusIdOfPort(p)] = value;
        }
    } else if (format == uris.atomEventTransfer && size >= sizeof(LV2_Atom)) {
        const auto* atom = static_cast<const LV2_Atom*>(buffer);
        if (sizeof(LV2_Atom) + atom->size <= size) takeMessage(*atom);
    }
}

void StutterLv2Ui::takeMessage(const LV2_Atom& atom) {
    if (atom.type != uris.atomObject && atom.type != uris.atomBlank) return;
    const auto& object = reinterpret_cast<const LV2_Atom_Object&>(atom);
    const LV2_Atom* index = nullptr;
    const LV2_Atom* number = nullptr;
    const LV2_Atom* play = nullptr;
    const LV2_Atom* record = nullptr;
    const LV2_Atom* recorded = nullptr;
    const LV2_Atom* cutoff = nullptr;
    const LV2_Atom* tempo = nullptr;
    const LV2_Atom* rate = nullptr;
    lv2_atom_object_get(&object, uris.index, &index, uris.number, &number, uris.playPosition, &play,
                        uris.recordPosition, &record, uris.recordedLength, &recorded, uris.cutoff, &cutoff,
                        uris.tempo, &tempo, uris.sampleRate, &rate, 0);
    if (object.body.otype == uris.value && index && index->type == uris.atomInt) {
        const int i = reinterpret_cast<const LV2_Atom_Int*>(index)->body;
        const float v = numberOf(number, uris);
        if (i >= 0 && i < kNumParams) {
            values[i] = v;
            texts.follow(i, v);
        }
        if (i >= 0 && i < kIndices) editor.setParameter(i, v);
    } else if (object.body.otype == uris.level) {
        const LevelReport report{numberOf(number, uris), numberOf(play, uris), numberOf(record, uris),
                                 numberOf(recorded, uris)};
        values[kStatusPlayPos] = report.playPos;
        values[kStatusRecordPos] = report.recordPos;
        values[kStatusRecordedLength] = report.recordedLength;
        texts.followCutoff(numberOf(cutoff, uris));
        // As the VST 2 editor hears it: a level, and the play position's index changed.
        editor.reportLevel(report);
        editor.setParameter(kStatusPlayPos, report.level);
    } else if (object.body.otype == uris.timing) {
        timing.tempo = numberOf(tempo, uris);
        timing.sampleRate = numberOf(rate, uris);
    }
}

float StutterLv2Ui::parameterValue(int index) const {
    return index >= 0 && index < kIndices ? values[index] : 0.0f;
}

void StutterLv2Ui::parameterText(int index, char* display, char* label) {
    texts.text(index, display, label, static_cast<int>(kTextSize));
}

void StutterLv2Ui::beginGesture(int index) {
    if (touch && index >= 0 && index < kNumParams) touch->touch(touch->handle, static_cast<uint32_t>(index), true);
}

void StutterLv2Ui::endGesture(int index) {
    if (touch && index >= 0 && index < kNumParams) touch->touch(touch->handle, static_cast<uint32_t>(index), false);
}

void StutterLv2Ui::changeParameter(int index, float value) {
    // The window's own tags (the credits splash) are no port.
    if (index < 0 || index >= kNumParams) return;
    values[index] = value;
    texts.follow(index, value);
    write(controller, static_cast<uint32_t>(index), sizeof value, 0, &value);
    editor.setParameter(index, value);
}

void StutterLv2Ui::runCommand(int command, float value) { sendMessage(uris.command, command, value); }

void StutterLv2Ui::sendMessage(LV2_URID type, int index, float value) {
    lv2_atom_forge_set_buffer(&forge, message, sizeof message);
    LV2_Atom_Forge_Frame frame;
    auto* atom = reinterpret_cast<LV2_Atom*>(lv2_atom_forge_object(&forge, &frame, 0, type));
    if (type == uris.command) {
        lv2_atom_forge_key(&forge, uris.index);
        lv2_atom_forge_int(&forge, index);
        lv2_atom_forge_key(&forge, uris.number);
        lv2_atom_forge_float(&forge, value);
    }
    lv2_atom_forge_pop(&forge, &frame);
    if (atom)
        write(controller, lv2_ports::kControl, lv2_atom_total_size(atom), uris.atomEventTransfer, atom);
}
