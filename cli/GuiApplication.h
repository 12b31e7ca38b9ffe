#pragma once

namespace korvo {

// Text in system fonts needs a GUI application object even when no window is ever opened. Makes
// one on the offscreen platform (unless another is asked for) the first time; a caller that has
// an application already keeps it.
void EnsureGuiApplication();

}  // namespace korvo
