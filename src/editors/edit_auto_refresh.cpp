// The AutoRefresh editor: a yes/no/cancel question; the current value plays no part.
#include "editors/editors.h"
#include "editors/system_dialogs.h"
#include "plugin/host_bridge.h"

namespace hueloom {

int32_t editAutoRefresh(void* params) {
    switch (askAutoRefresh()) {
    case AutoRefreshAnswer::On:
        HostBridge::putParam(params, 0, L"On");
        return 1;
    case AutoRefreshAnswer::Off:
        HostBridge::putParam(params, 0, L"Off");
        return 1;
    case AutoRefreshAnswer::Cancelled:
        break;
    }
    return 0;
}

} // namespace hueloom
