#pragma once

#include <memory>

#include "SessionScript.h"
#include "platform/DrawContext.h"

namespace korvo {

class CKorvoFEDoc;
class CKorvoFEView;
class CSessionHost;
class IToolFactory;

// Plays a script's lines on a view the way a user's hand and the editor's window would: a point
// in drawing units becomes the nearest client pixel under the view's current mapping, the pointer
// moves there before a button goes down, held keys become the events' flags, a key bound to a
// command runs the command while it is enabled. After each line the host's event loop hands out
// what has become due.
class CSessionRunner {
public:
    CSessionRunner(CKorvoFEDoc& document, CSessionHost& host, IToolFactory& factory);
    ~CSessionRunner();
    CSessionRunner(const CSessionRunner&) = delete;
    CSessionRunner& operator=(const CSessionRunner&) = delete;

    // The view's first display at the host's client size.
    void Show();
    // Runs one line and what it makes due; false when the session must stop (the host says why).
    bool Run(const SessionLine& line);

    CKorvoFEView& View() const { return *view_; }

private:
    enum class Button { Left, Right, Middle };

    DevicePoint ToClient(double x, double y) const;
    void Pointer(const SessionLine& line);
    // The shift and ctrl of a line: held for its events, then let go.
    void HoldKeys(const SessionLine& line);
    void ReleaseKeys(const SessionLine& line);
    void Key(const SessionLine& line);
    void MoveTo(DevicePoint p);
    void Press(Button button, DevicePoint p);
    void Release(Button button, DevicePoint p);
    void DoubleClick(Button button, DevicePoint p);
    void Wheel(DevicePoint p, int delta);
    // Whether an event at `p` reaches the view: inside it, or anywhere while it holds the mouse.
    bool Reaches(DevicePoint p) const;
    static unsigned FlagOf(Button button);
    void SetButton(Button button, bool held);
    bool IsHeld(Button button) const;

    CSessionHost& host_;
    std::unique_ptr<CKorvoFEView> view_;
    unsigned buttons_ = 0;
};

}  // namespace korvo
