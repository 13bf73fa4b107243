// What the frame library asks of the program it serves: the debug switch
// (library exceptions then name their source location) and the settings
// file (the form geometry store writes into it). The application object
// registers itself as the host when it is created and withdraws when it is
// destroyed; without a host the debug switch is off and the settings file
// is "TAVI.INI" beside the program file.
#pragma once

#include <QString>

class tFrameHost {
 public:
  virtual ~tFrameHost() = default;
  virtual bool Debug() const = 0;
  virtual QString SettingsFileName() const = 0;  // full path
};

// The registered host (not owned), nullptr when none is registered.
void SetFrameHost(tFrameHost* host);
tFrameHost* FrameHost();
