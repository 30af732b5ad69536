// The editor in the host's window: X11, embedded under the window the host
// gives (never floating), 400 x 400 and not resizable. The host's timer
// drives the window's idle work (events, redraws), about 30 times a second.
#include <clap/ext/gui.h>
#include <clap/ext/timer-support.h>

#include <cstring>

#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"

namespace {

constexpr uint32_t kIdlePeriodMs = 33;

bool isApiSupported(const clap_plugin_t* p, const char* api, bool floating) {
    ClapPlugin::of(p).threads().mainThread("gui.is_api_supported");
    return api != nullptr && std::strcmp(api, CLAP_WINDOW_API_X11) == 0 && !floating;
}

bool preferredApi(const clap_plugin_t* p, const char** api, bool* floating) {
    ClapPlugin::of(p).threads().mainThread("gui.get_preferred_api");
    if (api) *api = CLAP_WINDOW_API_X11;
    if (floating) *floating = false;
    return api != nullptr && floating != nullptr;
}

bool create(const clap_plugin_t* p, const char* api, bool floating) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("gui.create");
    return isApiSupported(p, api, floating) && plugin.guiCreate();
}

void destroy(const clap_plugin_t* p) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("gui.destroy");
    plugin.guiDestroy();
}

bool setScale(const clap_plugin_t* p, double) {
    ClapPlugin::of(p).threads().mainThread("gui.set_scale");
    return false;  // the artwork has one size
}

bool getSize(const clap_plugin_t* p, uint32_t* width, uint32_t* height) {
    ClapPlugin::of(p).threads().mainThread("gui.get_size");
    if (!width || !height) return false;
    *width = ClapPlugin::kEditorWidth;
    *height = ClapPlugin::kEditorHeight;
    return true;
}

bool canResize(const clap_plugin_t* p) {
    ClapPlugin::of(p).threads().mainThread("gui.can_resize");
    return false;
}

bool resizeHints(const clap_plugin_t* p, clap_gui_resize_hints_t*) {
    ClapPlugin::of(p).threads().mainThread("gui.get_resize_hints");
    return false;
}

bool adjustSize(const clap_plugin_t* p, uint32_t*, uint32_t*) {
    ClapPlugin::of(p).threads().mainThread("gui.adjust_size");
    return false;
}

bool setSize(const clap_plugin_t* p, uint32_t width, uint32_t height) {
    ClapPlugin::of(p).threads().mainThread("gui.set_size");
    return width == ClapPlugin::kEditorWidth && height == ClapPlugin::kEditorHeight;
}

bool setParent(const clap_plugin_t* p, const clap_window_t* window) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("gui.set_parent");
    if (window == nullptr || window->api == nullptr || std::strcmp(window->api, CLAP_WINDOW_API_X11) != 0) return false;
    return plugin.guiSetParent(window->x11);
}

bool setTransient(const clap_plugin_t* p, const clap_window_t*) {
    ClapPlugin::of(p).threads().mainThread("gui.set_transient");
    return false;  // embedded only
}

void suggestTitle(const clap_plugin_t* p, const char*) { ClapPlugin::of(p).threads().mainThread("gui.suggest_title"); }

bool show(const clap_plugin_t* p) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("gui.show");
    return plugin.guiShow();
}

bool hide(const clap_plugin_t* p) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("gui.hide");
    return plugin.guiHide();
}

void onTimer(const clap_plugin_t* p, clap_id id) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("timer_support.on_timer");
    plugin.onTimer(id);
}

}  // namespace

const clap_plugin_gui_t kGuiExtension = {isApiSupported, preferredApi, create,    destroy,     setScale,
                                         getSize,        canResize,    resizeHints, adjustSize, setSize,
                                         setParent,      setTransient, suggestTitle, show,      hide};
const clap_plugin_timer_support_t kTimerSupportExtension = {onTimer};

bool ClapPlugin::guiCreate() {
    if (guiCreated_ || !hostTimers_ || !hostTimers_->register_timer) return false;
    if (!hostTimers_->register_timer(host_, kIdlePeriodMs, &idleTimer_)) return false;
    guiCreated_ = true;
    return true;
}

void ClapPlugin::guiDestroy() {
    if (!guiCreated_) return;
    editor_.close();
    if (hostTimers_->unregister_timer) hostTimers_->unregister_timer(host_, idleTimer_);
    guiCreated_ = false;
    parent_ = 0;
}

bool ClapPlugin::guiSetParent(clap_xwnd window) {
    if (!guiCreated_ || window == 0) return false;
    if (editor_.isOpened()) editor_.close();
    parent_ = window;
    return editor_.open(static_cast<ParentWindow>(window));
}

bool ClapPlugin::guiShow() {
    if (!guiCreated_ || parent_ == 0) return false;
    return editor_.isOpened() || editor_.open(static_cast<ParentWindow>(parent_));
}

bool ClapPlugin::guiHide() {
    if (!guiCreated_) return false;
    editor_.close();
    return true;
}

void ClapPlugin::onTimer(clap_id id) {
    if (guiCreated_ && id == idleTimer_) editor_.idle();
}
