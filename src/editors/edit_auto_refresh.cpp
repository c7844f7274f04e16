// The AutoRefresh editor: a yes/no/cancel question; the current value plays no part.
#include "editors/editors.h"
#include "editors/system_dialogs.h"

namespace hueloom {

EditOutcome editAutoRefresh(EditorParams) {
    switch (askAutoRefresh()) {
    case AutoRefreshAnswer::On: return {true, {L"On"}};
    case AutoRefreshAnswer::Off: return {true, {L"Off"}};
    case AutoRefreshAnswer::Cancelled: break;
    }
    return {};
}

} // namespace hueloom
