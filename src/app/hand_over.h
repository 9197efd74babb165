#pragma once

namespace velmora {

class InstanceLock;
class frmMain;

// Shows every file a later start hands to `lock` in `window`, as the Open button
// does, and brings the window to the front.
void ShowHandedOverFiles(InstanceLock& lock, frmMain& window);

} // namespace velmora
