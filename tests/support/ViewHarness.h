#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/KorvoFEDoc.h"
#include "geometry/PlaneGeometry.h"
#include "model/Paper.h"
#include "support/FakeViewHost.h"
#include "support/ScopedSwitches.h"
#include "support/ScriptedDocumentHost.h"
#include "tools/ToolFactory.h"
#include "view/KorvoFEView.h"

namespace korvo::test {

// The document host of a harness: scripted like ScriptedDocumentHost, and its views really
// receive the document's update hints.
class HarnessDocumentHost : public ScriptedDocumentHost {
public:
    void UpdateAllViews(int hint) override;
    CKorvoFEView* view = nullptr;
};

// One document shown in one view on a fake window, driven like a user drives the editor: every
// step delivers the event, then does what an event loop would (posted commands, the pending
// paint) and checks the document's invariants. Switches are restored when the harness goes.
class ViewHarness {
public:
    // A new document (empty font) in a view of `client` pixels, shown and painted once.
    explicit ViewHarness(DevicePoint client = {1000, 700});
    // The same, with the window's surfaces made by `surfaces` (a real image, say).
    ViewHarness(DevicePoint client,
                std::function<std::unique_ptr<IDrawSurface>(int, int)> surfaces);
    ~ViewHarness();
    ViewHarness(const ViewHarness&) = delete;
    ViewHarness& operator=(const ViewHarness&) = delete;

    CKorvoFEView& View() { return *view_; }
    CPaper& Paper() { return *doc.GetPaper(); }
    // The client pixel nearest to a world point under the current mapping.
    DevicePoint ToClient(PointF world) const;

    // --- steps (world coordinates, converted like a script converts them) -----------------------
    void Move(PointF p, unsigned flags = 0);
    void LDown(PointF p, unsigned flags = 0);
    void LUp(PointF p, unsigned flags = 0);
    void Click(PointF p, unsigned flags = 0);
    void RClick(PointF p, unsigned flags = 0);
    void DblClick(PointF p, unsigned flags = 0);
    void Wheel(PointF p, int delta, unsigned flags);
    void Command(int id);
    void Key(int key, unsigned flags = 0);
    void Resize(DevicePoint client);
    // Paints now onto a fresh window surface, whatever is invalid. The window is a recording
    // (Window) unless the host makes other surfaces.
    IDrawSurface& Paint();
    // Hands out what the event loop holds: posted commands, the pending paint.
    void Pump() { host.RunEventLoop(0); }
    RecordingSurface& Window() { return dynamic_cast<RecordingSurface&>(*host.WindowSurface()); }
    IDrawSurface& WindowSurface() { return *host.WindowSurface(); }
    // How many paints the harness has delivered.
    int Paints() const { return host.Paints(); }

    // A line node appended to the paper (type 1, mark 0).
    CData* AddLine(float x1, float y1, float x2, float y2);
    // Stores `code` in the font as one stroke from (x1, y1) to (x2, y2) in glyph units.
    void DefineGlyph(int code, int x1, int y1, int x2, int y2);

    // What went wrong after the steps so far (document invariants, unbalanced batches), each with
    // the step it followed; empty when nothing did.
    const std::vector<std::string>& Violations() const { return violations_; }

    FakeViewHost host;
    HarnessDocumentHost docHost;
    CKorvoFEDoc doc{docHost};
    CToolFactory factory;

private:
    void AfterStep(const std::string& step);
    void MovePointerTo(DevicePoint p, unsigned flags);

    ScopedSwitches switches_;
    std::unique_ptr<CKorvoFEView> view_;
    std::vector<std::string> violations_;
};

}  // namespace korvo::test
