#include "support/ViewHarness.h"

#include <cmath>

#include "model/Data.h"
#include "model/DataCollection.h"
#include "model/DrawObj.h"
#include "model/DrawObjLine.h"
#include "platform/KeyCodes.h"
#include "support/DocumentInvariants.h"

namespace korvo::test {

void HarnessDocumentHost::UpdateAllViews(int hint) {
    ScriptedDocumentHost::UpdateAllViews(hint);
    if (view != nullptr) {
        view->OnUpdate(hint);
    }
}

ViewHarness::ViewHarness(DevicePoint client) : ViewHarness(client, nullptr) {}

ViewHarness::ViewHarness(DevicePoint client,
                         std::function<std::unique_ptr<IDrawSurface>(int, int)> surfaces)
    : host(client) {
    host.surfaceFactory = std::move(surfaces);
    doc.OnNewDocument();
    view_ = std::make_unique<CKorvoFEView>(doc, host, factory);
    host.Attach(view_.get());
    docHost.view = view_.get();
    view_->OnInitialUpdate();
    AfterStep("initial update");
}

ViewHarness::~ViewHarness() {
    docHost.view = nullptr;
    host.Attach(nullptr);
    view_.reset();
}

DevicePoint ViewHarness::ToClient(PointF world) const {
    return doc.GetPaper()->WorldToDevice(world);
}

void ViewHarness::MovePointerTo(DevicePoint p, unsigned flags) {
    if (host.pointer == p && host.pointerInView) {
        return;
    }
    host.pointer = p;
    host.pointerInView = true;
    view_->OnMouseMove(flags, p.x, p.y);
}

void ViewHarness::Move(PointF p, unsigned flags) {
    const DevicePoint d = ToClient(p);
    host.pointer = d;
    host.pointerInView = true;
    view_->OnMouseMove(flags, d.x, d.y);
    AfterStep("move");
}

void ViewHarness::LDown(PointF p, unsigned flags) {
    const DevicePoint d = ToClient(p);
    MovePointerTo(d, flags);
    view_->OnLButtonDown(flags | kMkLButton, d.x, d.y);
    AfterStep("left down");
}

void ViewHarness::LUp(PointF p, unsigned flags) {
    const DevicePoint d = ToClient(p);
    MovePointerTo(d, flags);
    view_->OnLButtonUp(flags, d.x, d.y);
    AfterStep("left up");
}

void ViewHarness::Click(PointF p, unsigned flags) {
    LDown(p, flags);
    LUp(p, flags);
}

void ViewHarness::RClick(PointF p, unsigned flags) {
    const DevicePoint d = ToClient(p);
    MovePointerTo(d, flags);
    view_->OnRButtonDown(flags | kMkRButton, d.x, d.y);
    view_->OnRButtonUp(flags, d.x, d.y);
    AfterStep("right click");
}

void ViewHarness::DblClick(PointF p, unsigned flags) {
    Click(p, flags);
    const DevicePoint d = ToClient(p);
    view_->OnLButtonDblClk(flags | kMkLButton, d.x, d.y);
    view_->OnLButtonUp(flags, d.x, d.y);
    AfterStep("double click");
}

void ViewHarness::Wheel(PointF p, int delta, unsigned flags) {
    const DevicePoint d = ToClient(p);
    MovePointerTo(d, flags);
    view_->OnMouseWheel(flags, delta, d.x, d.y);
    AfterStep("wheel");
}

void ViewHarness::Command(int id) {
    view_->OnCommand(id);
    AfterStep("command " + std::to_string(id));
}

void ViewHarness::Key(int key, unsigned flags) {
    view_->OnKeyDown(key, 1, flags);
    view_->OnKeyUp(key, flags);
    AfterStep("key " + std::to_string(key));
}

void ViewHarness::Resize(DevicePoint client) {
    host.SetClientSize(client);
    view_->OnSize(client.x, client.y);
    AfterStep("resize");
}

IDrawSurface& ViewHarness::Paint() {
    return *host.PaintWindow();
}

void ViewHarness::AfterStep(const std::string& step) {
    // No time passes between a test's steps: only what is due at once is handed out.
    Pump();
    if (CPaper* paper = doc.GetPaper()) {
        for (const std::string& broken : CheckDocumentInvariants(*paper)) {
            violations_.push_back(step + ": " + broken);
        }
    }
    if (view_->GetBatchDepth() != 0) {
        violations_.push_back(step + ": a redraw batch was left open");
    }
}

CData* ViewHarness::AddLine(float x1, float y1, float x2, float y2) {
    auto node = std::make_unique<CData>(1);
    node->CreateLine(x1, y1, x2, y2, 0, 0.25f, 0, 1);
    return Paper().AddNode(std::move(node));
}

void ViewHarness::DefineGlyph(int code, int x1, int y1, int x2, int y2) {
    const GlyphCommand commands[] = {
        {GlyphOp::Move, static_cast<std::uint8_t>(x1), static_cast<std::uint8_t>(y1)},
        {GlyphOp::Draw, static_cast<std::uint8_t>(x2), static_cast<std::uint8_t>(y2)}};
    doc.GetFont().Table()->StoreGlyph(code, commands);
}

}  // namespace korvo::test
