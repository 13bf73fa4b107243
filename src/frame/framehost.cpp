#include "framehost.h"

namespace {
tFrameHost* gHost = nullptr;
}  // namespace

void SetFrameHost(tFrameHost* host) { gHost = host; }
tFrameHost* FrameHost() { return gHost; }
