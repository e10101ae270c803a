#pragma once
// The accessibility interfaces of the widgets that draw themselves: the lists
// of items (AccessibleItemList) and the web link (AccessibleLink). Such a
// widget installs the factory when it is made, before any screen reader asks
// for it; installing twice installs it once.

namespace kestrova::qt {

void InstallAccessibleFactory();

}  // namespace kestrova::qt
