#include "printhost.h"

namespace {
tPrintHost* gHost = nullptr;
}  // namespace

void SetPrintHost(tPrintHost* host) { gHost = host; }
tPrintHost* PrintHost() { return gHost; }
