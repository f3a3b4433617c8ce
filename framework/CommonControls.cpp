#include "framework/CommonControls.h"

namespace velkaro {

namespace {

// Made once from the program's resources; none when it has no such manifest.
HANDLE CommonControlsContext() {
    static const HANDLE context = [] {
        ACTCTXW request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = GetModuleHandleW(nullptr);
        request.lpResourceName = MAKEINTRESOURCEW(VELKARO_COMMON_CONTROLS_MANIFEST);
        return CreateActCtxW(&request);
    }();
    return context;
}

} // namespace

TCommonControlsScope::TCommonControlsScope(bool wanted) {
    if (!wanted) {
        return;
    }
    const HANDLE context = CommonControlsContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_);
}

TCommonControlsScope::~TCommonControlsScope() {
    if (active_) {
        DeactivateActCtx(0, cookie_);
    }
}

} // namespace velkaro
