// BindTrack, BindCheck, BindRadio and Unbind: overlays over the host's own objects.
#include "actions/action_result.h"
#include "engine/auto_refresh.h"
#include "overlay/bindings.h"

namespace hueloom {

namespace {

ActionResult bind(OverlayKind kind, const BindTexts& texts) {
    BindOutcome outcome = bindOverlay(kind, texts);
    // The timer keeps overlays on top of objects that the host raises.
    if (outcome.result == BindResult::Bound) startAutoRefresh();
    return {outcome.result == BindResult::Failed ? 0 : 1, std::move(outcome.message), true};
}

} // namespace

ActionResult bindTrackAction(ActionParams p, ActionHost&) {
    BindTexts t;
    t.handle = p[0];
    t.variable = p[1];
    t.value = p[2];
    t.minimum = p[3];
    t.maximum = p[4];
    t.color = p[5];
    return bind(OverlayKind::Track, t);
}

ActionResult bindCheckAction(ActionParams p, ActionHost&) {
    BindTexts t;
    t.handle = p[0];
    t.variable = p[1];
    t.value = p[2];
    t.color = p[3];
    return bind(OverlayKind::Check, t);
}

ActionResult bindRadioAction(ActionParams p, ActionHost&) {
    BindTexts t;
    t.handle = p[0];
    t.variable = p[1];
    t.value = p[2];
    t.caption = p[3];
    t.color = p[4];
    return bind(OverlayKind::Radio, t);
}

ActionResult unbindAction(ActionParams p, ActionHost&) {
    unbindOverlay(p[0]);
    return succeeded();
}

} // namespace hueloom
