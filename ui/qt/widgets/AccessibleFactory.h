#pragma once
// The accessibility interfaces of the widgets that draw themselves: the lists
// of items (AccessibleItemList) and the web link (AccessibleLink). Such a
// widget installs the factory first thing when it is made: an interface is
// made once, when it is first asked for (also by a change of the widget's
// name), and kept. Installing twice installs it once.

namespace kestrova::qt {

void InstallAccessibleFactory();

}  // namespace kestrova::qt
